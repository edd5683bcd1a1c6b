#pragma once

#include "PgConnection.h"
#include "ResultCursor.h"

namespace tarvand::sql {

// Cursor over the rows of a PostgreSQL result, all received when the statement ran.
class PgCursor : public ResultCursor {
public:
    PgCursor(PgResult result, QList<ColumnInfo> columns);

    const QList<ColumnInfo>& columns() const override { return columns_; }
    bool next() override;
    ColumnKind cellKind(int column) const override;
    std::int64_t cellInt(int column) const override;
    double cellFloat(int column) const override;
    std::string_view cellText(int column) const override;

private:
    PgResult result_;
    QList<ColumnInfo> columns_;
    std::vector<ColumnKind> kinds_; // of the columns' cells that are not NULL
    std::vector<bool> booleans_;    // columns of type boolean, read as 1 and 0
    int rows_;
    int row_ = -1;
};

} // namespace tarvand::sql
