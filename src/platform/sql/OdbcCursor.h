#pragma once

#include "OdbcColumnBuffer.h"
#include "OdbcResultColumn.h"
#include "OdbcStatement.h"
#include "ResultCursor.h"

#include <QStringEncoder>
#include <memory>
#include <vector>

namespace tarvand::sql {

// Forward-only reader over the current result of an executed statement. Rows arrive in blocks
// into bound column arrays, so that reading a large result costs one driver call per block; a
// result with unbounded columns (varchar(max), text, ...) is read a row at a time, those columns
// piecewise.
class OdbcCursor : public ResultCursor {
public:
    // A cursor with no columns and no rows, for a statement that returned none.
    OdbcCursor();
    OdbcCursor(std::unique_ptr<OdbcStatement> statement, std::vector<OdbcResultColumn> columns);
    ~OdbcCursor() override;
    OdbcCursor(const OdbcCursor&) = delete;
    OdbcCursor& operator=(const OdbcCursor&) = delete;

    const QList<ColumnInfo>& columns() const override { return columns_; }
    bool next() override;
    ColumnKind cellKind(int column) const override;
    std::int64_t cellInt(int column) const override;
    double cellFloat(int column) const override;
    std::string_view cellText(int column) const override;

private:
    // Sets the block size the driver accepts and binds the columns read by the block fetch.
    void prepareBuffers(const std::vector<OdbcResultColumn>& columns);
    bool fetchBlock();
    void finish();
    const OdbcColumnBuffer* cell(int column) const;

    QList<ColumnInfo> columns_;
    std::vector<OdbcColumnBuffer> buffers_;
    std::vector<SQLUSMALLINT> rowStatus_;
    // Index of the first column read with SQLGetData; the column count when the fetch binds all.
    std::size_t firstUnbound_ = 0;
    SQLULEN rowsFetched_ = 0;
    std::size_t row_ = 0;
    bool onRow_ = false;
    bool done_ = false;
    mutable QStringEncoder utf8_{QStringEncoder::Utf8, QStringConverter::Flag::Stateless};
    // Declared last so that the handle is freed before the buffers it was bound to.
    std::unique_ptr<OdbcStatement> statement_;
};

} // namespace tarvand::sql
