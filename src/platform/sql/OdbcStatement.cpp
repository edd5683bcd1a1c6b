#include "OdbcStatement.h"

#include "OdbcConnection.h"

namespace tarvand::sql {

OdbcStatement::OdbcStatement(std::shared_ptr<OdbcConnection> connection)
    : connection_(std::move(connection)), handle_(connection_->newStatement()) {}

void OdbcStatement::execute(const QString& text, const QVariantList& params) {
    parameters_.emplace(params);
    parameters_->bind(handle_);
    handle_.check(SQLExecDirectW(handle_.get(), odbcText(text), SQL_NTS));
}

bool OdbcStatement::seekRows() {
    for (;;) {
        SQLSMALLINT columns = 0;
        handle_.check(SQLNumResultCols(handle_.get(), &columns));
        if (columns > 0) {
            return true;
        }
        if (!nextResult()) {
            return false;
        }
    }
}

qint64 OdbcStatement::changedRows() {
    qint64 changed = 0;
    do {
        SQLSMALLINT columns = 0;
        handle_.check(SQLNumResultCols(handle_.get(), &columns));
        if (columns == 0) {
            SQLLEN rows = 0;
            handle_.check(SQLRowCount(handle_.get(), &rows));
            changed += rows > 0 ? rows : 0;
        }
    } while (nextResult());
    return changed;
}

void OdbcStatement::close() {
    SQLFreeStmt(handle_.get(), SQL_CLOSE);
}

bool OdbcStatement::nextResult() {
    const SQLRETURN rc = SQLMoreResults(handle_.get());
    if (rc == SQL_NO_DATA) {
        return false;
    }
    handle_.check(rc);
    return true;
}

} // namespace tarvand::sql
