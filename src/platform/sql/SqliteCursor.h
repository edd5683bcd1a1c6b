#pragma once

#include "ResultCursor.h"
#include "SqliteConnection.h"

#include <memory>

namespace tarvand::sql {

// Cursor over a prepared statement whose first step has already been taken (so that errors and
// the first row's storage classes are known when the cursor is handed out).
class SqliteCursor : public ResultCursor {
public:
    SqliteCursor(std::shared_ptr<SqliteConnection> connection, sqlite3_stmt* statement,
                 QList<ColumnInfo> columns, bool hasFirstRow);
    ~SqliteCursor() override;
    SqliteCursor(const SqliteCursor&) = delete;
    SqliteCursor& operator=(const SqliteCursor&) = delete;

    const QList<ColumnInfo>& columns() const override { return columns_; }
    bool next() override;
    ColumnKind cellKind(int column) const override;
    std::int64_t cellInt(int column) const override { return sqlite3_column_int64(stmt_, column); }
    double cellFloat(int column) const override { return sqlite3_column_double(stmt_, column); }
    std::string_view cellText(int column) const override;

private:
    std::shared_ptr<SqliteConnection> connection_;
    sqlite3_stmt* stmt_;
    QList<ColumnInfo> columns_;
    bool pendingFirst_;
    bool done_;
};

} // namespace tarvand::sql
