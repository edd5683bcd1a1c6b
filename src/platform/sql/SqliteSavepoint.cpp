#include "SqliteSavepoint.h"

namespace tarvand::sql {

SqliteSavepoint::SqliteSavepoint(const SqliteSession& session) : session_(session) {
    session_.exec(QStringLiteral("SAVEPOINT tsql_step"));
}

SqliteSavepoint::~SqliteSavepoint() {
    if (open_) {
        sqlite3_exec(session_.db(), "ROLLBACK TO tsql_step; RELEASE tsql_step", nullptr, nullptr, nullptr);
    }
}

void SqliteSavepoint::release() {
    session_.exec(QStringLiteral("RELEASE tsql_step"));
    open_ = false;
}

} // namespace tarvand::sql
