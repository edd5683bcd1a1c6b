#pragma once

#include "PgConnection.h"
#include "ResultCursor.h"

#include <functional>

namespace tarvand::sql {

// Cursor over the rows of a PostgreSQL result: one received whole, or a statement's rows as the
// connection receives them one at a time while the caller asks for them (libpq's single-row mode).
class PgCursor : public ResultCursor {
public:
    using Describe = std::function<QList<ColumnInfo>(const PGresult* first)>;

    PgCursor(PgResult result, QList<ColumnInfo> columns);
    // Runs the statement; describe gives the columns from its first piece.
    PgCursor(PgConnection& connection, const QByteArray& sql, const QVariantList& params,
             const Describe& describe);
    ~PgCursor() override;
    PgCursor(const PgCursor&) = delete;
    PgCursor& operator=(const PgCursor&) = delete;

    const QList<ColumnInfo>& columns() const override { return columns_; }
    bool next() override;
    ColumnKind cellKind(int column) const override;
    std::int64_t cellInt(int column) const override;
    double cellFloat(int column) const override;
    std::string_view cellText(int column) const override;

    // Receives the rows still to come now and keeps them, so that another statement can go over
    // the connection; a failure among them is reported when the rows before it have been read.
    void takeRest();

private:
    void setColumns(QList<ColumnInfo> columns);
    // Moves to the next piece of rows; false at the end.
    bool advance();

    PgConnection* connection_ = nullptr; // while rows are still to come from it
    PgResult result_;                    // the piece holding the current row
    PgResult rest_;                      // the rows taken in ahead of the reader
    QString failure_;                    // the failure met after them
    QList<ColumnInfo> columns_;
    std::vector<ColumnKind> kinds_; // of the columns' cells that are not NULL
    std::vector<bool> booleans_;    // columns of type boolean, read as 1 and 0
    int rows_ = 0;
    int row_ = -1;
};

} // namespace tarvand::sql
