#pragma once

#include "HostOptions.h"

#include <QDate>
#include <QString>
#include <memory>

namespace tarvand {
class TGlobal;
class TMyDate;
class TMyDatabase;
namespace data {
class TADOConnection;
}
} // namespace tarvand

namespace tarvand::host {

// The host's data objects for one session: the connection to the company database and the
// objects Global, MyDate and MyDatabase that the module receives, filled as the suite's host
// fills them after its login.
class HostSession {
public:
    // Opens the company database (creating the demo company when the default one is missing),
    // checks that it holds the chosen company, fiscal year and user, and fills the objects.
    // appPath is the application folder; today the Gregorian date of the work date. Throws
    // Exception saying what failed.
    HostSession(const HostOptions& options, const QString& appPath, const QDate& today);
    ~HostSession();
    HostSession(const HostSession&) = delete;
    HostSession& operator=(const HostSession&) = delete;

    TGlobal* Global() const { return global_.get(); }
    TMyDate* MyDate() const { return myDate_.get(); }
    TMyDatabase* MyDatabase() const { return myDatabase_.get(); }
    data::TADOConnection* Connection() const { return connection_.get(); }
    const QString& DatabasePath() const { return shownDatabase_; }
    const QString& CompanyName() const { return companyName_; }
    const QString& UserName() const { return userName_; }

    // Where the demo company lives when no database is named: the user's data folder.
    static QString DefaultDatabasePath();
    // The members of Global that the command line, the clock and the application folder decide.
    static void FillGlobal(TGlobal& global, const HostOptions& options, const QString& appPath,
                           const QDate& today, const TMyDate& myDate);
    // A short text, different in every session, that keeps this session's temporary tables apart
    // from other sessions' on the same server.
    static QString NewSessionTag(int userId);

private:
    static QString prepareDatabase(const QString& requested);
    void readLogin(const HostOptions& options);

    QString databasePath_;
    QString shownDatabase_;
    std::unique_ptr<data::TADOConnection> connection_;
    std::unique_ptr<TGlobal> global_;
    std::unique_ptr<TMyDate> myDate_;
    std::unique_ptr<TMyDatabase> myDatabase_;
    QString companyName_;
    QString userName_;
};

} // namespace tarvand::host
