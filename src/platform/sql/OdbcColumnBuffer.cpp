#include "OdbcColumnBuffer.h"

#include "EDatabaseError.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace tarvand::sql {

namespace {

// First size of the buffer for piecewise values; it doubles, or jumps to the announced length.
constexpr std::size_t firstPieceBytes = 4096;

SQLSMALLINT cTypeOf(ColumnKind kind) {
    switch (kind) {
    case ColumnKind::Integer:
        return SQL_C_SBIGINT;
    case ColumnKind::Float:
        return SQL_C_DOUBLE;
    case ColumnKind::Blob:
        return SQL_C_BINARY;
    default:
        return SQL_C_WCHAR;
    }
}

std::size_t slotWidth(const OdbcResultColumn& column) {
    switch (column.info.kind) {
    case ColumnKind::Integer:
        return sizeof(std::int64_t);
    case ColumnKind::Float:
        return sizeof(double);
    case ColumnKind::Blob:
        return std::max<std::size_t>(column.maxLength, 1);
    default:
        return (column.maxLength + 1) * sizeof(SQLWCHAR);
    }
}

std::int64_t toInteger(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 9.2233720368547758e18) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (value <= -9.2233720368547758e18) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return std::int64_t(value);
}

} // namespace

OdbcColumnBuffer::OdbcColumnBuffer(const OdbcResultColumn& column, std::size_t rows, bool piecewise)
    : kind_(column.info.kind), cType_(cTypeOf(column.info.kind)), width_(slotWidth(column)),
      piecewise_(piecewise && (kind_ == ColumnKind::Text || kind_ == ColumnKind::Blob)),
      values_(piecewise_ ? 0 : rows * width_), indicators_(rows, SQL_NULL_DATA) {}

bool OdbcColumnBuffer::needsPiecewise(const OdbcResultColumn& column) {
    const ColumnKind kind = column.info.kind;
    return (kind == ColumnKind::Text || kind == ColumnKind::Blob) && column.maxLength == 0;
}

std::size_t OdbcColumnBuffer::rowBytes(const OdbcResultColumn& column) {
    return slotWidth(column) + sizeof(SQLLEN);
}

void OdbcColumnBuffer::bind(const OdbcHandle& statement, SQLUSMALLINT number) {
    statement.check(
        SQLBindCol(statement.get(), number, cType_, values_.data(), SQLLEN(width_), indicators_.data()));
}

void OdbcColumnBuffer::read(const OdbcHandle& statement, SQLUSMALLINT number) {
    if (!piecewise_) {
        statement.check(
            SQLGetData(statement.get(), number, cType_, values_.data(), SQLLEN(width_), indicators_.data()));
        return;
    }
    const std::size_t terminator = cType_ == SQL_C_WCHAR ? sizeof(SQLWCHAR) : 0;
    if (long_.size() < firstPieceBytes) {
        long_.resize(firstPieceBytes);
    }
    std::size_t used = 0;
    for (;;) {
        const std::size_t room = long_.size() - used;
        SQLLEN indicator = 0;
        const SQLRETURN rc =
            SQLGetData(statement.get(), number, cType_, long_.data() + used, SQLLEN(room), &indicator);
        if (rc == SQL_NO_DATA) {
            break;
        }
        statement.check(rc);
        if (indicator == SQL_NULL_DATA) {
            longNull_ = true;
            longBytes_ = 0;
            return;
        }
        const bool more = rc == SQL_SUCCESS_WITH_INFO &&
                          (indicator == SQL_NO_TOTAL || std::size_t(indicator) > room - terminator);
        if (!more) {
            used += std::size_t(indicator);
            break;
        }
        // The driver filled the piece and announced what was left (counting that piece).
        const std::size_t piece = room - terminator;
        used += piece;
        const std::size_t left = indicator == SQL_NO_TOTAL ? long_.size() : std::size_t(indicator) - piece;
        long_.resize(used + left + terminator);
    }
    longNull_ = false;
    longBytes_ = used;
}

bool OdbcColumnBuffer::overflowed(std::size_t rows) const {
    if (piecewise_ || (kind_ != ColumnKind::Text && kind_ != ColumnKind::Blob)) {
        return false;
    }
    const std::size_t room = cType_ == SQL_C_WCHAR ? width_ - sizeof(SQLWCHAR) : width_;
    for (std::size_t row = 0; row < rows; ++row) {
        const SQLLEN indicator = indicators_[row];
        if (indicator == SQL_NO_TOTAL || (indicator > 0 && std::size_t(indicator) > room)) {
            return true;
        }
    }
    return false;
}

bool OdbcColumnBuffer::isNull(std::size_t row) const {
    return piecewise_ ? longNull_ : indicators_[row] == SQL_NULL_DATA;
}

QStringView OdbcColumnBuffer::utf16(std::size_t row) const {
    if (piecewise_) {
        return odbcTextView(long_.data(), qsizetype(longBytes_ / sizeof(SQLWCHAR)));
    }
    return odbcTextView(slot(row), qsizetype(boundBytes(row, width_ - sizeof(SQLWCHAR)) / sizeof(SQLWCHAR)));
}

std::size_t OdbcColumnBuffer::boundBytes(std::size_t row, std::size_t room) const {
    // overflowed() turns a longer value into an error first; this only keeps reads in bounds.
    const SQLLEN length = indicators_[row];
    return length > 0 ? std::min(std::size_t(length), room) : 0;
}

std::string_view OdbcColumnBuffer::bytes(std::size_t row) const {
    if (piecewise_) {
        return {long_.data(), longBytes_};
    }
    return {slot(row), boundBytes(row, width_)};
}

std::int64_t OdbcColumnBuffer::integer(std::size_t row) const {
    if (isNull(row)) {
        return 0;
    }
    switch (kind_) {
    case ColumnKind::Integer: {
        std::int64_t value;
        std::memcpy(&value, slot(row), sizeof value);
        return value;
    }
    case ColumnKind::Float:
        return toInteger(real(row));
    case ColumnKind::Text: {
        const QStringView text = utf16(row).trimmed();
        bool ok = false;
        const qlonglong value = text.toLongLong(&ok);
        return ok ? value : toInteger(text.toDouble());
    }
    default:
        return 0;
    }
}

double OdbcColumnBuffer::real(std::size_t row) const {
    if (isNull(row)) {
        return 0;
    }
    switch (kind_) {
    case ColumnKind::Integer:
        return double(integer(row));
    case ColumnKind::Float: {
        double value;
        std::memcpy(&value, slot(row), sizeof value);
        return value;
    }
    case ColumnKind::Text:
        return utf16(row).trimmed().toDouble();
    default:
        return 0;
    }
}

std::string_view OdbcColumnBuffer::text(std::size_t row, QStringEncoder& utf8) const {
    if (isNull(row)) {
        return {};
    }
    switch (kind_) {
    case ColumnKind::Blob:
        return bytes(row);
    case ColumnKind::Text: {
        const QStringView source = utf16(row);
        const auto needed = std::size_t(utf8.requiredSpace(source.size()));
        if (formatted_.size() < needed) {
            formatted_.resize(needed);
        }
        const char* end = utf8.appendToBuffer(formatted_.data(), source);
        return {formatted_.data(), std::size_t(end - formatted_.data())};
    }
    default: {
        // Room for any int64 and the shortest round-trip form of any double.
        if (formatted_.size() < 32) {
            formatted_.resize(32);
        }
        char* first = formatted_.data();
        const std::to_chars_result written = kind_ == ColumnKind::Integer
                                                 ? std::to_chars(first, first + 32, integer(row))
                                                 : std::to_chars(first, first + 32, real(row));
        return {first, std::size_t(written.ptr - first)};
    }
    }
}

} // namespace tarvand::sql
