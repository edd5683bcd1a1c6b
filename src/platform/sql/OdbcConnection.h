#pragma once

#include "OdbcHandle.h"

#include <QString>

namespace tarvand::sql {

// One connected ODBC connection with its own environment. Shared by the backend and the cursors
// it hands out, so that statement handles are always freed before the connection they belong to.
class OdbcConnection {
public:
    // Connects without prompting; throws EDatabaseError with the driver's or server's message.
    explicit OdbcConnection(const QString& connectionString);
    // Rolls back an open transaction and disconnects; never throws, also after the link has dropped.
    ~OdbcConnection();
    OdbcConnection(const OdbcConnection&) = delete;
    OdbcConnection& operator=(const OdbcConnection&) = delete;

    SQLHDBC handle() const { return dbc_.get(); }
    OdbcHandle newStatement() const { return OdbcHandle(SQL_HANDLE_STMT, dbc_.get()); }

    // Escape character for '_' and '%' in the pattern arguments of catalog functions (empty when
    // the driver has none).
    const QString& searchPatternEscape() const { return searchPatternEscape_; }
    // Whether a second statement may run while a result is still being read (SQL Server without
    // MARS allows only one).
    bool allowsConcurrentStatements() const { return concurrentStatements_; }

    void beginTransaction();
    void commit();
    void rollback();

private:
    void endTransaction(SQLSMALLINT completion);

    OdbcHandle env_;
    OdbcHandle dbc_;
    bool connected_ = false;
    bool inTransaction_ = false;
    QString searchPatternEscape_;
    bool concurrentStatements_ = false;
};

} // namespace tarvand::sql
