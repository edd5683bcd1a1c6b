#pragma once

#include "ResultCursor.h"

#include <sqlite3.h>
#include <string>
#include <vector>

namespace tarvand::sql {

// A result set kept in memory: the rows of a SELECT inside a procedure or a batch, read to the
// end before the statements after it run.
class MemoryCursor : public ResultCursor {
public:
    MemoryCursor() = default;
    // Reads every remaining row of stmt, starting with the current one when hasRow is set.
    // Throws EDatabaseError when a step fails.
    MemoryCursor(QList<ColumnInfo> columns, sqlite3_stmt* stmt, bool hasRow);

    const QList<ColumnInfo>& columns() const override { return columns_; }
    bool next() override;
    ColumnKind cellKind(int column) const override { return cell(column).kind; }
    std::int64_t cellInt(int column) const override { return cell(column).integer; }
    double cellFloat(int column) const override { return cell(column).real; }
    std::string_view cellText(int column) const override { return cell(column).text; }

private:
    struct Cell {
        ColumnKind kind = ColumnKind::Unknown;
        std::int64_t integer = 0;
        double real = 0;
        std::string text;
    };
    const Cell& cell(int column) const {
        return rows_[current_ * std::size_t(columns_.size()) + std::size_t(column)];
    }

    QList<ColumnInfo> columns_;
    std::vector<Cell> rows_;
    std::size_t rowCount_ = 0;
    std::size_t current_ = 0;
    bool started_ = false;
};

} // namespace tarvand::sql
