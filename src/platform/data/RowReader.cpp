#include "RowReader.h"

namespace tarvand::data {

RowStore::Cell RowReader::cell(const RowStore& store, RowId row, int column) {
    const std::uint8_t* start = store.rowStart(row);
    if (store_ != &store || row_ != row || start_ != start) {
        store.cellPositions(row, cells_);
        store_ = &store;
        row_ = row;
        start_ = start;
    }
    return RowStore::decode(cells_.at(std::size_t(column)));
}

QVariant RowReader::value(const RowStore& store, RowId row, int column) {
    return RowStore::toVariant(cell(store, row, column));
}

void RowReader::forget() {
    store_ = nullptr;
    start_ = nullptr;
    cells_.clear();
}

} // namespace tarvand::data
