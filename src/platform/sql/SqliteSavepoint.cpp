#include "SqliteSavepoint.h"

namespace tarvand::sql {

SqliteSavepoint::SqliteSavepoint(const SqliteSession& session)
    : session_(session), outermost_(sqlite3_get_autocommit(session.db()) != 0) {
    // Outside a transaction the change takes the write lock before its first read, so that it
    // waits for another writer instead of failing when it comes to write.
    session_.exec(outermost_ ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("SAVEPOINT tsql_step"));
}

SqliteSavepoint::~SqliteSavepoint() {
    if (open_) {
        sqlite3_exec(session_.db(), outermost_ ? "ROLLBACK" : "ROLLBACK TO tsql_step; RELEASE tsql_step",
                     nullptr, nullptr, nullptr);
    }
}

void SqliteSavepoint::release() {
    session_.exec(outermost_ ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE tsql_step"));
    open_ = false;
}

} // namespace tarvand::sql
