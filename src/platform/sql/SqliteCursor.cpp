#include "SqliteCursor.h"

#include "ColumnDescriber.h"
#include "EDatabaseError.h"

namespace tarvand::sql {

SqliteCursor::SqliteCursor(std::shared_ptr<SqliteConnection> connection, sqlite3_stmt* statement,
                           QList<ColumnInfo> columns, bool hasFirstRow)
    : connection_(std::move(connection)), stmt_(statement), columns_(std::move(columns)),
      pendingFirst_(hasFirstRow), done_(!hasFirstRow) {}

SqliteCursor::~SqliteCursor() {
    sqlite3_finalize(stmt_);
}

bool SqliteCursor::next() {
    if (pendingFirst_) {
        pendingFirst_ = false;
        return true;
    }
    if (done_) {
        return false;
    }
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) {
        return true;
    }
    done_ = true;
    if (rc != SQLITE_DONE) {
        throw EDatabaseError(connection_->lastError());
    }
    // A finished statement holds nothing, so the table it read can be dropped while the cursor lives.
    sqlite3_reset(stmt_);
    return false;
}

ColumnKind SqliteCursor::cellKind(int column) const {
    return ColumnDescriber::kindOfValue(sqlite3_column_type(stmt_, column));
}

std::string_view SqliteCursor::cellText(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    if (!text) {
        return {};
    }
    return {text, std::size_t(sqlite3_column_bytes(stmt_, column))};
}

} // namespace tarvand::sql
