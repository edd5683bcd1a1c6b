#include "OdbcConnection.h"

#include "EDatabaseError.h"
#include "OdbcDiagnostics.h"

namespace tarvand::sql {

namespace {

OdbcHandle newEnvironment() {
    OdbcHandle env(SQL_HANDLE_ENV, SQL_NULL_HANDLE);
    env.check(SQLSetEnvAttr(env.get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0));
    return env;
}

SQLPOINTER autocommit(bool on) {
    return reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF));
}

} // namespace

OdbcConnection::OdbcConnection(const QString& connectionString)
    : env_(newEnvironment()), dbc_(SQL_HANDLE_DBC, env_.get()) {
    SQLSMALLINT completedLength = 0;
    dbc_.check(SQLDriverConnectW(dbc_.get(), nullptr, odbcText(connectionString), SQL_NTS, nullptr, 0,
                                 &completedLength, SQL_DRIVER_NOPROMPT));
    connected_ = true;

    SQLWCHAR escape[8] = {};
    SQLSMALLINT escapeBytes = 0;
    if (SQL_SUCCEEDED(
            SQLGetInfoW(dbc_.get(), SQL_SEARCH_PATTERN_ESCAPE, escape, sizeof escape, &escapeBytes))) {
        searchPatternEscape_ = fromOdbcText(escape, escapeBytes / qsizetype(sizeof(SQLWCHAR)));
    }
    SQLUSMALLINT activities = 1;
    if (SQL_SUCCEEDED(SQLGetInfoW(dbc_.get(), SQL_MAX_CONCURRENT_ACTIVITIES, &activities, sizeof activities,
                                  nullptr))) {
        concurrentStatements_ = activities != 1;
    }
}

OdbcConnection::~OdbcConnection() {
    if (inTransaction_) {
        SQLEndTran(SQL_HANDLE_DBC, dbc_.get(), SQL_ROLLBACK);
    }
    if (connected_) {
        SQLDisconnect(dbc_.get());
    }
}

void OdbcConnection::beginTransaction() {
    if (inTransaction_) {
        throw EDatabaseError(QStringLiteral("Only one transaction can be active on this session."));
    }
    dbc_.check(SQLSetConnectAttrW(dbc_.get(), SQL_ATTR_AUTOCOMMIT, autocommit(false), SQL_IS_UINTEGER));
    inTransaction_ = true;
}

void OdbcConnection::commit() {
    if (!inTransaction_) {
        throw EDatabaseError(
            QStringLiteral("The COMMIT TRANSACTION request has no corresponding BEGIN TRANSACTION."));
    }
    endTransaction(SQL_COMMIT);
}

void OdbcConnection::rollback() {
    if (!inTransaction_) {
        throw EDatabaseError(
            QStringLiteral("The ROLLBACK TRANSACTION request has no corresponding BEGIN TRANSACTION."));
    }
    endTransaction(SQL_ROLLBACK);
}

void OdbcConnection::endTransaction(SQLSMALLINT completion) {
    const SQLRETURN ended = SQLEndTran(SQL_HANDLE_DBC, dbc_.get(), completion);
    if (!SQL_SUCCEEDED(ended)) {
        const QString message = OdbcDiagnostics::message(SQL_HANDLE_DBC, dbc_.get(), ended);
        // A failed commit leaves the transaction open so that the caller can still roll it back; a
        // failed rollback (a dropped link) leaves nothing to keep: the server discards the work.
        if (completion == SQL_ROLLBACK) {
            inTransaction_ = false;
            SQLSetConnectAttrW(dbc_.get(), SQL_ATTR_AUTOCOMMIT, autocommit(true), SQL_IS_UINTEGER);
        }
        throw EDatabaseError(message);
    }
    inTransaction_ = false;
    dbc_.check(SQLSetConnectAttrW(dbc_.get(), SQL_ATTR_AUTOCOMMIT, autocommit(true), SQL_IS_UINTEGER));
}

} // namespace tarvand::sql
