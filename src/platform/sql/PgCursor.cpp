#include "PgCursor.h"

#include "EDatabaseError.h"

#include <charconv>
#include <cstdlib>
#include <utility>

namespace tarvand::sql {

namespace {

constexpr Oid boolOid = 16;

} // namespace

PgCursor::PgCursor(PgResult result, QList<ColumnInfo> columns)
    : result_(std::move(result)), rows_(PQntuples(result_.get())) {
    setColumns(std::move(columns));
}

PgCursor::PgCursor(PgConnection& connection, const QByteArray& sql, const QVariantList& params,
                   const Describe& describe) {
    result_ = connection.stream(sql, params, *this);
    rows_ = PQntuples(result_.get());
    if (PQresultStatus(result_.get()) == PGRES_SINGLE_TUPLE) {
        connection_ = &connection;
    }
    try {
        setColumns(describe(result_.get()));
    } catch (...) {
        if (connection_) {
            connection_->abandon(*this);
        }
        throw;
    }
}

PgCursor::~PgCursor() {
    if (connection_) {
        connection_->abandon(*this);
    }
}

void PgCursor::setColumns(QList<ColumnInfo> columns) {
    columns_ = std::move(columns);
    for (int c = 0; c < int(columns_.size()); ++c) {
        const ColumnKind kind = columns_[c].kind;
        kinds_.push_back(kind == ColumnKind::Unknown ? ColumnKind::Text : kind);
        booleans_.push_back(PQftype(result_.get(), c) == boolOid);
    }
}

bool PgCursor::next() {
    if (row_ + 1 < rows_) {
        ++row_;
        return true;
    }
    while (advance()) {
        if (rows_ > 0) {
            row_ = 0;
            return true;
        }
    }
    row_ = rows_;
    return false;
}

bool PgCursor::advance() {
    if (rest_) {
        result_ = std::move(rest_);
    } else if (connection_) {
        PgConnection* connection = std::exchange(connection_, nullptr);
        result_ = connection->receive();
        if (PQresultStatus(result_.get()) == PGRES_SINGLE_TUPLE) {
            connection_ = connection;
        }
    } else if (!failure_.isEmpty()) {
        throw EDatabaseError(std::exchange(failure_, QString()));
    } else {
        return false;
    }
    rows_ = PQntuples(result_.get());
    row_ = -1;
    return true;
}

void PgCursor::takeRest() {
    PgConnection* connection = std::exchange(connection_, nullptr);
    if (!connection) {
        return;
    }
    PgResult rest(PQcopyResult(result_.get(), PG_COPYRES_ATTRS));
    const int columns = PQnfields(result_.get());
    int rows = 0;
    try {
        for (PgResult piece = connection->receive(); PQntuples(piece.get()) > 0;
             piece = connection->receive()) {
            for (int c = 0; c < columns; ++c) {
                const bool null = PQgetisnull(piece.get(), 0, c);
                PQsetvalue(rest.get(), rows, c, null ? nullptr : PQgetvalue(piece.get(), 0, c),
                           null ? -1 : PQgetlength(piece.get(), 0, c));
            }
            ++rows;
        }
    } catch (const EDatabaseError& error) {
        failure_ = error.Message;
    }
    rest_ = std::move(rest);
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
