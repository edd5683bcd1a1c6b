#include "RowStore.h"

#include "ResultCursor.h"
#include "VariantKind.h"

#include <algorithm>
#include <cstring>

namespace tarvand::data {

namespace {

// Lengths and small integers up to this value live in the header byte itself.
constexpr unsigned kInlineLimit = 31;
constexpr std::size_t kFirstChunkBytes = 4096;
constexpr std::size_t kLargestChunkBytes = std::size_t(1) << 20;

std::uint64_t zigzag(std::int64_t value) {
    return (std::uint64_t(value) << 1) ^ std::uint64_t(value >> 63);
}

std::int64_t unzigzag(std::uint64_t value) {
    return std::int64_t(value >> 1) ^ -std::int64_t(value & 1);
}

const std::uint8_t* readVarint(const std::uint8_t* p, std::uint64_t& value) {
    value = 0;
    for (int shift = 0;; shift += 7) {
        const std::uint8_t byte = *p++;
        value |= std::uint64_t(byte & 0x7f) << shift;
        if (!(byte & 0x80)) {
            return p;
        }
    }
}

// The inline part of a header, or the varint that follows it.
const std::uint8_t* readShort(const std::uint8_t* p, std::uint8_t header, std::uint64_t& value) {
    const unsigned inlined = header >> 3;
    if (inlined < kInlineLimit) {
        value = inlined;
        return p;
    }
    return readVarint(p, value);
}

const std::uint8_t* readCell(const std::uint8_t* p, RowStore::Cell* cell) {
    const std::uint8_t header = *p++;
    const auto kind = RowStore::Kind(header & 0x7);
    std::uint64_t number = 0;
    switch (kind) {
    case RowStore::Kind::Null:
        if (cell) {
            *cell = {};
        }
        return p;
    case RowStore::Kind::Integer:
        p = readShort(p, header, number);
        if (cell) {
            *cell = {kind, unzigzag(number), 0, {}};
        }
        return p;
    case RowStore::Kind::Float:
        if (cell) {
            double value;
            std::memcpy(&value, p, sizeof value);
            *cell = {kind, 0, value, {}};
        }
        return p + sizeof(double);
    case RowStore::Kind::Text:
    case RowStore::Kind::Blob:
        p = readShort(p, header, number);
        if (cell) {
            *cell = {kind, 0, 0, std::string_view(reinterpret_cast<const char*>(p), std::size_t(number))};
        }
        return p + number;
    }
    return p;
}

} // namespace

RowStore::RowStore(int columnCount) : columnCount_(columnCount), nextChunkBytes_(kFirstChunkBytes) {}

void RowStore::appendAll(sql::ResultCursor& cursor) {
    while (cursor.next()) {
        scratch_.clear();
        for (int column = 0; column < columnCount_; ++column) {
            switch (cursor.cellKind(column)) {
            case sql::ColumnKind::Integer:
                encodeInteger(cursor.cellInt(column));
                break;
            case sql::ColumnKind::Float:
                encodeFloat(cursor.cellFloat(column));
                break;
            case sql::ColumnKind::Text:
                encodeText(Kind::Text, cursor.cellText(column));
                break;
            case sql::ColumnKind::Blob:
                encodeText(Kind::Blob, cursor.cellText(column));
                break;
            case sql::ColumnKind::Unknown:
                encodeNull();
                break;
            }
        }
        rows_.push_back(keep(scratch_));
    }
}

RowId RowStore::append(const std::vector<QVariant>& values) {
    scratch_.clear();
    for (int column = 0; column < columnCount_; ++column) {
        encodeValue(values.at(std::size_t(column)));
    }
    rows_.push_back(keep(scratch_));
    return RowId(rows_.size() - 1);
}

void RowStore::replace(RowId row, const std::vector<QVariant>& values) {
    scratch_.clear();
    for (int column = 0; column < columnCount_; ++column) {
        encodeValue(values.at(std::size_t(column)));
    }
    rows_.at(row) = keep(scratch_);
}

void RowStore::cellPositions(RowId row, std::vector<const std::uint8_t*>& positions) const {
    positions.resize(std::size_t(columnCount_));
    const std::uint8_t* p = rows_.at(row);
    for (int column = 0; column < columnCount_; ++column) {
        positions[std::size_t(column)] = p;
        p = readCell(p, nullptr);
    }
}

RowStore::Cell RowStore::decode(const std::uint8_t* position) {
    Cell cell;
    readCell(position, &cell);
    return cell;
}

RowStore::Cell RowStore::cell(RowId row, int column) const {
    const std::uint8_t* p = rows_.at(row);
    for (int skipped = 0; skipped < column; ++skipped) {
        p = readCell(p, nullptr);
    }
    return decode(p);
}

QVariant RowStore::value(RowId row, int column) const {
    return toVariant(cell(row, column));
}

QVariant RowStore::toVariant(const Cell& cell) {
    switch (cell.kind) {
    case Kind::Null:
        return {};
    case Kind::Integer:
        return QVariant(qlonglong(cell.integer));
    case Kind::Float:
        return QVariant(cell.real);
    case Kind::Text:
        return QVariant(QString::fromUtf8(cell.bytes.data(), qsizetype(cell.bytes.size())));
    case Kind::Blob:
        return QVariant(QByteArray(cell.bytes.data(), qsizetype(cell.bytes.size())));
    }
    return {};
}

const std::uint8_t* RowStore::keep(const std::vector<std::uint8_t>& encoded) {
    const std::size_t size = encoded.size();
    if (size > freeBytes_) {
        const std::size_t chunkBytes = std::max(nextChunkBytes_, size);
        chunks_.push_back(std::make_unique_for_overwrite<std::uint8_t[]>(chunkBytes));
        free_ = chunks_.back().get();
        freeBytes_ = chunkBytes;
        nextChunkBytes_ = std::min(nextChunkBytes_ * 2, kLargestChunkBytes);
    }
    std::uint8_t* row = free_;
    std::memcpy(row, encoded.data(), size);
    free_ += size;
    freeBytes_ -= size;
    return row;
}

void RowStore::encodeValue(const QVariant& value) {
    switch (KindOfVariant(value)) {
    case VariantKind::Null:
        encodeNull();
        return;
    case VariantKind::Integer:
        encodeInteger(value.toLongLong());
        return;
    case VariantKind::Real:
        encodeFloat(value.toDouble());
        return;
    case VariantKind::Bytes: {
        const QByteArray bytes = value.toByteArray();
        encodeText(Kind::Blob, std::string_view(bytes.constData(), std::size_t(bytes.size())));
        return;
    }
    case VariantKind::Text: {
        const QByteArray text = value.toString().toUtf8();
        encodeText(Kind::Text, std::string_view(text.constData(), std::size_t(text.size())));
        return;
    }
    }
}

namespace {

void appendVarint(std::vector<std::uint8_t>& out, std::uint64_t value) {
    while (value >= 0x80) {
        out.push_back(std::uint8_t(value | 0x80));
        value >>= 7;
    }
    out.push_back(std::uint8_t(value));
}

void appendShort(std::vector<std::uint8_t>& out, RowStore::Kind kind, std::uint64_t value) {
    if (value < kInlineLimit) {
        out.push_back(std::uint8_t(unsigned(kind) | unsigned(value) << 3));
        return;
    }
    out.push_back(std::uint8_t(unsigned(kind) | kInlineLimit << 3));
    appendVarint(out, value);
}

} // namespace

void RowStore::encodeText(Kind kind, std::string_view bytes) {
    appendShort(scratch_, kind, bytes.size());
    scratch_.insert(scratch_.end(), bytes.begin(), bytes.end());
}

void RowStore::encodeInteger(std::int64_t value) {
    appendShort(scratch_, Kind::Integer, zigzag(value));
}

void RowStore::encodeFloat(double value) {
    scratch_.push_back(std::uint8_t(Kind::Float));
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&value);
    scratch_.insert(scratch_.end(), bytes, bytes + sizeof value);
}

void RowStore::encodeNull() {
    scratch_.push_back(std::uint8_t(Kind::Null));
}

} // namespace tarvand::data
