#include "OdbcCursor.h"

#include "EDatabaseError.h"
#include "OdbcDiagnostics.h"

#include <algorithm>

namespace tarvand::sql {

namespace {

// A block holds at most this many rows and about this many bytes, whichever is reached first.
constexpr std::size_t maxBlockRows = 512;
constexpr std::size_t blockBytes = 256 * 1024;

} // namespace

OdbcCursor::OdbcCursor() : done_(true) {}

OdbcCursor::OdbcCursor(std::unique_ptr<OdbcStatement> statement, std::vector<OdbcResultColumn> columns)
    : statement_(std::move(statement)) {
    columns_.reserve(qsizetype(columns.size()));
    for (const OdbcResultColumn& column : columns) {
        columns_.append(column.info);
    }
    prepareBuffers(columns);
}

OdbcCursor::~OdbcCursor() = default;

void OdbcCursor::prepareBuffers(const std::vector<OdbcResultColumn>& columns) {
    // Columns after the first unbounded one are read with SQLGetData too: drivers such as SQL
    // Server's only return unbound columns that follow every bound one, in order.
    const auto firstPiecewise = std::size_t(
        std::find_if(columns.begin(), columns.end(), OdbcColumnBuffer::needsPiecewise) - columns.begin());
    std::size_t rows = 1;
    if (firstPiecewise == columns.size()) {
        std::size_t bytes = 0;
        for (const OdbcResultColumn& column : columns) {
            bytes += OdbcColumnBuffer::rowBytes(column);
        }
        rows = std::clamp<std::size_t>(blockBytes / std::max<std::size_t>(bytes, 1), 1, maxBlockRows);
    }

    const OdbcHandle& statement = statement_->handle();
    statement.check(SQLSetStmtAttrW(statement.get(), SQL_ATTR_ROW_ARRAY_SIZE,
                                    reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(rows)), 0));
    // A driver without block cursors settles for fewer rows and says so with a warning.
    SQLULEN accepted = rows;
    statement.check(SQLGetStmtAttrW(statement.get(), SQL_ATTR_ROW_ARRAY_SIZE, &accepted, 0, nullptr));
    rows = std::max<std::size_t>(accepted, 1);
    rowStatus_.resize(rows);
    statement.check(SQLSetStmtAttrW(statement.get(), SQL_ATTR_ROWS_FETCHED_PTR, &rowsFetched_, 0));
    statement.check(SQLSetStmtAttrW(statement.get(), SQL_ATTR_ROW_STATUS_PTR, rowStatus_.data(), 0));

    buffers_.reserve(columns.size());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        buffers_.emplace_back(columns[i], rows, i >= firstPiecewise);
        if (i < firstPiecewise) {
            buffers_.back().bind(statement, SQLUSMALLINT(i + 1));
        }
    }
    firstUnbound_ = firstPiecewise;
}

bool OdbcCursor::next() {
    if (done_) {
        return false;
    }
    if (onRow_ && row_ + 1 < rowsFetched_) {
        ++row_;
        return true;
    }
    onRow_ = fetchBlock();
    return onRow_;
}

bool OdbcCursor::fetchBlock() {
    const OdbcHandle& statement = statement_->handle();
    const SQLRETURN rc = SQLFetch(statement.get());
    if (rc == SQL_NO_DATA) {
        finish();
        return false;
    }
    if (!SQL_SUCCEEDED(rc)) {
        finish();
        statement.check(rc);
    }
    row_ = 0;
    if (rowsFetched_ == 0) {
        finish();
        return false;
    }
    if (rc == SQL_SUCCESS_WITH_INFO) {
        const auto fetched = std::size_t(rowsFetched_);
        if (std::any_of(rowStatus_.begin(), rowStatus_.begin() + fetched,
                        [](SQLUSMALLINT status) { return status == SQL_ROW_ERROR; })) {
            const QString message = OdbcDiagnostics::message(SQL_HANDLE_STMT, statement.get(), rc);
            finish();
            throw EDatabaseError(message);
        }
        for (std::size_t i = 0; i < buffers_.size(); ++i) {
            if (buffers_[i].overflowed(fetched)) {
                finish();
                throw EDatabaseError(
                    QStringLiteral("A value of column '%1' is longer than the length its type declares.")
                        .arg(columns_[qsizetype(i)].name));
            }
        }
    }
    try {
        for (std::size_t i = firstUnbound_; i < buffers_.size(); ++i) {
            buffers_[i].read(statement, SQLUSMALLINT(i + 1));
        }
    } catch (...) {
        finish();
        throw;
    }
    return true;
}

void OdbcCursor::finish() {
    done_ = true;
    onRow_ = false;
    statement_->close();
}

const OdbcColumnBuffer* OdbcCursor::cell(int column) const {
    if (!onRow_ || column < 0 || std::size_t(column) >= buffers_.size()) {
        return nullptr;
    }
    const OdbcColumnBuffer& buffer = buffers_[std::size_t(column)];
    return buffer.isNull(row_) ? nullptr : &buffer;
}

ColumnKind OdbcCursor::cellKind(int column) const {
    return cell(column) ? columns_[column].kind : ColumnKind::Unknown;
}

std::int64_t OdbcCursor::cellInt(int column) const {
    const OdbcColumnBuffer* buffer = cell(column);
    return buffer ? buffer->integer(row_) : 0;
}

double OdbcCursor::cellFloat(int column) const {
    const OdbcColumnBuffer* buffer = cell(column);
    return buffer ? buffer->real(row_) : 0;
}

std::string_view OdbcCursor::cellText(int column) const {
    const OdbcColumnBuffer* buffer = cell(column);
    return buffer ? buffer->text(row_, utf8_) : std::string_view();
}

} // namespace tarvand::sql
