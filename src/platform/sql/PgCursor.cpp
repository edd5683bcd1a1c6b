#include "PgCursor.h"

#include <charconv>
#include <cstdlib>

namespace tarvand::sql {

namespace {

constexpr Oid boolOid = 16;

} // namespace

PgCursor::PgCursor(PgResult result, QList<ColumnInfo> columns)
    : result_(std::move(result)), columns_(std::move(columns)), rows_(PQntuples(result_.get())) {
    for (int c = 0; c < int(columns_.size()); ++c) {
        const ColumnKind kind = columns_[c].kind;
        kinds_.push_back(kind == ColumnKind::Unknown ? ColumnKind::Text : kind);
        booleans_.push_back(PQftype(result_.get(), c) == boolOid);
    }
}

bool PgCursor::next() {
    if (row_ < rows_) {
        ++row_;
    }
    return row_ < rows_;
}

ColumnKind PgCursor::cellKind(int column) const {
    return PQgetisnull(result_.get(), row_, column) ? ColumnKind::Unknown : kinds_[std::size_t(column)];
}

std::int64_t PgCursor::cellInt(int column) const {
    const std::string_view text = cellText(column);
    std::int64_t value = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc()) {
        return std::int64_t(cellFloat(column));
    }
    return value;
}

double PgCursor::cellFloat(int column) const {
    if (booleans_[std::size_t(column)]) {
        return double(cellInt(column));
    }
    return std::strtod(PQgetvalue(result_.get(), row_, column), nullptr);
}

std::string_view PgCursor::cellText(int column) const {
    if (booleans_[std::size_t(column)]) {
        return *PQgetvalue(result_.get(), row_, column) == 't' ? "1" : "0";
    }
    return {PQgetvalue(result_.get(), row_, column), std::size_t(PQgetlength(result_.get(), row_, column))};
}

} // namespace tarvand::sql
