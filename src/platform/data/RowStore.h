#pragma once

#include <QVariant>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace tarvand::sql {
class ResultCursor;
}

namespace tarvand::data {

using RowId = std::uint32_t;

// The rows of an open dataset, kept compactly: every row is one run of encoded cells in a chunked
// arena, found through one pointer per row. A cell is a header byte (kind, and the length of short
// texts) followed by a zigzag varint, an 8-byte double or the UTF-8/blob bytes; NULL is the header
// alone. Nothing is allocated per cell, and a row is decoded only when it is read.
//
// Rows are never moved or freed while the store lives: a changed row is encoded anew and its pointer
// replaced, so cell positions taken from a row stay valid.
class RowStore {
public:
    enum class Kind : std::uint8_t { Null, Integer, Float, Text, Blob };

    struct Cell {
        Kind kind = Kind::Null;
        std::int64_t integer = 0;
        double real = 0;
        std::string_view bytes; // Text (UTF-8) and Blob
    };

    explicit RowStore(int columnCount);
    RowStore(const RowStore&) = delete;
    RowStore& operator=(const RowStore&) = delete;

    int columnCount() const { return columnCount_; }
    // Number of rows ever stored; row ids run from 0 to rowCount() - 1.
    RowId rowCount() const { return RowId(rows_.size()); }

    // Appends every remaining row of the cursor, whose columns must match the store's.
    void appendAll(sql::ResultCursor& cursor);
    // Values are given per column as QVariant: null/invalid, integers, doubles, strings or bytes.
    RowId append(const std::vector<QVariant>& values);
    void replace(RowId row, const std::vector<QVariant>& values);

    // Where a row's encoding starts; a replaced row starts somewhere else.
    const std::uint8_t* rowStart(RowId row) const { return rows_.at(row); }
    // The position of every cell of a row, so that repeated reads of one record skip nothing.
    void cellPositions(RowId row, std::vector<const std::uint8_t*>& positions) const;
    static Cell decode(const std::uint8_t* position);
    Cell cell(RowId row, int column) const;
    // Null as an invalid QVariant, integers as qlonglong, floats as double, text as QString and
    // blobs as QByteArray.
    QVariant value(RowId row, int column) const;
    static QVariant toVariant(const Cell& cell);

private:
    const std::uint8_t* keep(const std::vector<std::uint8_t>& encoded);
    void encodeValue(const QVariant& value);
    void encodeText(Kind kind, std::string_view bytes);
    void encodeInteger(std::int64_t value);
    void encodeFloat(double value);
    void encodeNull();

    int columnCount_;
    std::vector<const std::uint8_t*> rows_;
    std::vector<std::unique_ptr<std::uint8_t[]>> chunks_;
    std::uint8_t* free_ = nullptr;
    std::size_t freeBytes_ = 0;
    std::size_t nextChunkBytes_;
    std::vector<std::uint8_t> scratch_;
};

} // namespace tarvand::data
