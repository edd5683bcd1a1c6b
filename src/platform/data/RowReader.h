#pragma once

#include "RowStore.h"

#include <vector>

namespace tarvand::data {

// Reads cells of one row again and again (the current record, or the row a grid is painting),
// finding where its cells start only when the row changes or was rewritten.
class RowReader {
public:
    RowStore::Cell cell(const RowStore& store, RowId row, int column);
    QVariant value(const RowStore& store, RowId row, int column);
    // To be called when the store is replaced, since a new store may reuse the old one's memory.
    void forget();

private:
    const RowStore* store_ = nullptr;
    RowId row_ = 0;
    const std::uint8_t* start_ = nullptr;
    std::vector<const std::uint8_t*> cells_;
};

} // namespace tarvand::data
