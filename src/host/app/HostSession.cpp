#include "HostSession.h"

#include "DatabaseSetup.h"
#include "Exception.h"
#include "JalaliDate.h"
#include "PgBackend.h"
#include "SqlEscape.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TGlobal.h"
#include "TMyDatabase.h"
#include "TMyDate.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>

namespace tarvand::host {

namespace {

const QLatin1String demoFileName("demo-company.db");

// A company database on a server is named by a postgresql:// URI or by an ADO connection string
// (the ODBC provider's, for SQL Server); a company file is named by its path.
bool isConnectionString(const QString& database) {
    return sql::PgBackend::isUri(database) || (database.contains(u'=') && !QFileInfo(database).isFile());
}

// What messages and the status bar show of the company database: a password in the URI or the
// connection string is left out.
QString withoutPassword(const QString& database) {
    static const QRegularExpression entry(QStringLiteral("\\b(pwd|password)\\s*=[^;]*"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression uri(QStringLiteral("^(postgres(?:ql)?://[^:/@]*):[^@/]*@"),
                                        QRegularExpression::CaseInsensitiveOption);
    QString shown = database;
    shown.replace(entry, QStringLiteral("\\1=***"));
    shown.replace(uri, QStringLiteral("\\1:***@"));
    return shown;
}

QString firstValue(data::TADOConnection* connection, const QString& statement, const QString& field,
                   bool* found) {
    data::TADOQuery query;
    query.SetConnection(connection);
    query.SetSQL(statement);
    query.Open();
    *found = !query.IsEmpty();
    return *found ? query.FieldByName(field)->AsString().trimmed() : QString();
}

} // namespace

HostSession::HostSession(const HostOptions& options, const QString& appPath, const QDate& today)
    : databasePath_(prepareDatabase(options.DatabasePath)), shownDatabase_(withoutPassword(databasePath_)),
      connection_(std::make_unique<data::TADOConnection>()), global_(std::make_unique<TGlobal>()),
      myDate_(std::make_unique<TMyDate>()) {
    // A postgresql:// URI and an ADO connection string go to the connection as they are.
    connection_->SetConnectionString(isConnectionString(databasePath_)
                                         ? databasePath_
                                         : QStringLiteral("Provider=SQLite;Data Source=") + databasePath_);
    try {
        connection_->Open();
    } catch (const Exception& error) {
        throw Exception(
            QStringLiteral("Cannot open the company database %1: %2").arg(shownDatabase_, error.Message));
    }
    FillGlobal(*global_, options, appPath, today, *myDate_);
    myDatabase_ = std::make_unique<TMyDatabase>(connection_.get(), global_.get(), myDate_.get());
    global_->MyDatabase = myDatabase_.get();
    readLogin(options);
}

HostSession::~HostSession() {
    // Datasets of the database object detach from the connection before it goes.
    myDatabase_.reset();
    connection_->Close();
}

QString HostSession::DefaultDatabasePath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(demoFileName);
}

QString HostSession::prepareDatabase(const QString& requested) {
    if (isConnectionString(requested))
        return requested.trimmed();
    if (!requested.isEmpty()) {
        const QFileInfo file(requested);
        if (!file.isFile())
            throw Exception(QStringLiteral("There is no company database at %1").arg(requested));
        // The editors write to the company, and SQLite keeps its journal files beside the
        // database: a read-only file or folder would fail at open or, worse, at the first save.
        if (!file.isWritable())
            throw Exception(
                QStringLiteral("The company database %1 is read-only").arg(file.absoluteFilePath()));
        if (!QFileInfo(file.absolutePath()).isWritable())
            throw Exception(QStringLiteral("The folder of the company database %1 is read-only")
                                .arg(file.absoluteFilePath()));
        return file.absoluteFilePath();
    }
    const QString path = DefaultDatabasePath();
    if (!QFileInfo::exists(path)) {
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            throw Exception(QStringLiteral("Cannot create the folder of %1").arg(path));
        try {
            sql::DatabaseSetup::createDemoDatabase(path);
        } catch (const Exception& error) {
            throw Exception(
                QStringLiteral("Cannot create the demo company database %1: %2").arg(path, error.Message));
        }
    }
    return path;
}

void HostSession::FillGlobal(TGlobal& global, const HostOptions& options, const QString& appPath,
                             const QDate& today, const TMyDate& myDate) {
    global.CompanyCode = options.CompanyCode;
    global.FiscalYear = options.FiscalYear;
    global.WorkDate = JalaliDate::FromGregorian(today).ToText();
    global.UserId = options.UserId;
    global.SessionTag = NewSessionTag(options.UserId);
    global.AppPath = QDir::toNativeSeparators(appPath);
    global.PeriodFrom = options.FiscalYear + QStringLiteral("/01/01");
    // The period ends on the last day that the suite's own date check accepts for the year, so
    // that a date typed as the period's end is never refused.
    const QString lastLeapDay = options.FiscalYear + QStringLiteral("/12/30");
    global.PeriodTo =
        myDate.IsValidDate(lastLeapDay) ? lastLeapDay : options.FiscalYear + QStringLiteral("/12/29");
    global.PlatformName = QStringLiteral("Windows NT");
    global.KeyboardLayout = QStringLiteral("WIN");
}

QString HostSession::NewSessionTag(int userId) {
    // Letters and digits only: the tag becomes part of table names.
    const quint32 random = QRandomGenerator::global()->bounded(36u * 36u * 36u * 36u);
    return QStringLiteral("U%1_%2").arg(userId).arg(random, 4, 36, QLatin1Char('0')).toUpper();
}

void HostSession::readLogin(const HostOptions& options) {
    bool found = false;
    try {
        companyName_ = firstValue(connection_.get(),
                                  QStringLiteral("Select CompanyName From Options Where sCode = '") +
                                      SqlEscape(options.CompanyCode + options.FiscalYear) + QLatin1Char('\''),
                                  QStringLiteral("CompanyName"), &found);
        if (!found)
            throw Exception(
                QStringLiteral("The company database %1 has no company %2 with the fiscal year %3")
                    .arg(shownDatabase_, options.CompanyCode, options.FiscalYear));
        userName_ = firstValue(connection_.get(),
                               QStringLiteral("Select UserName From UserSdc Where UserId = '") +
                                   SqlEscape(QString::number(options.UserId)) + QLatin1Char('\''),
                               QStringLiteral("UserName"), &found);
        if (!found)
            throw Exception(QStringLiteral("The company database %1 has no user %2")
                                .arg(shownDatabase_)
                                .arg(options.UserId));
        global_->LoadCopyPrintRights(connection_.get());
    } catch (const EDatabaseError& error) {
        throw Exception(QStringLiteral("%1 is not a company database of the asset system: %2")
                            .arg(shownDatabase_, error.Message));
    }
}

} // namespace tarvand::host
