#pragma once

#include "OdbcHandle.h"
#include "OdbcResultColumn.h"

#include <QStringEncoder>
#include <QStringView>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tarvand::sql {

// The values of one result column for the block of rows the cursor fetched last. Bounded values
// sit in one array the driver fills for the whole block (text as UTF-16, numbers in binary);
// unbounded text and binary values are read piecewise into a buffer that grows as needed.
class OdbcColumnBuffer {
public:
    // With piecewise, values are read one row at a time by read() instead of by the block fetch.
    OdbcColumnBuffer(const OdbcResultColumn& column, std::size_t rows, bool piecewise);

    // Whether the column's values can only be read piecewise (their length has no bound).
    static bool needsPiecewise(const OdbcResultColumn& column);
    // Bytes one row of this column takes in a block.
    static std::size_t rowBytes(const OdbcResultColumn& column);

    bool isPiecewise() const { return piecewise_; }
    void bind(const OdbcHandle& statement, SQLUSMALLINT number);
    // Reads the current row's value of a column that is not bound.
    void read(const OdbcHandle& statement, SQLUSMALLINT number);
    // Whether a bound value among the first rows of the block did not fit its slot (a driver that
    // lets a value exceed the length its column declares).
    bool overflowed(std::size_t rows) const;

    bool isNull(std::size_t row) const;
    std::int64_t integer(std::size_t row) const;
    double real(std::size_t row) const;
    // UTF-8 for text, the raw bytes of binary data, the text form of numbers; valid until the
    // same cell or another row of this column is read.
    std::string_view text(std::size_t row, QStringEncoder& utf8) const;

private:
    const char* slot(std::size_t row) const { return values_.data() + row * width_; }
    std::size_t boundBytes(std::size_t row, std::size_t room) const;
    QStringView utf16(std::size_t row) const;
    std::string_view bytes(std::size_t row) const;

    ColumnKind kind_;
    SQLSMALLINT cType_;
    std::size_t width_;
    bool piecewise_;
    std::vector<char> values_;
    std::vector<SQLLEN> indicators_;
    std::vector<char> long_;
    std::size_t longBytes_ = 0;
    bool longNull_ = true;
    mutable std::vector<char> formatted_;
};

} // namespace tarvand::sql
