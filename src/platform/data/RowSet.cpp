#include "RowSet.h"

#include "FieldConversion.h"
#include "RowSorter.h"

#include <algorithm>
#include <numeric>

namespace tarvand::data {

RowSet::RowSet() : store_(std::make_unique<RowStore>(0)), sorter_(std::make_unique<RowSorter>()) {}

RowSet::~RowSet() = default;

void RowSet::load(sql::ResultCursor& rows, int columnCount) {
    auto store = std::make_unique<RowStore>(columnCount);
    store->appendAll(rows);
    std::vector<RowId> order(store->rowCount());
    std::iota(order.begin(), order.end(), RowId(0));
    sorter_->sort(*store, order);
    store_ = std::move(store);
    currentReader_.forget();
    otherReader_.forget();
    cursor_.reset(std::move(order));
}

void RowSet::reload(sql::ResultCursor& rows, const QList<int>& keyColumns) {
    std::vector<QVariant> key;
    if (cursor_.hasCurrent()) {
        for (const int column : keyColumns) {
            key.push_back(store_->value(cursor_.current(), column));
        }
    }
    const int recNo = cursor_.position() + 1;
    load(rows, store_->columnCount());
    int position = -1;
    if (!key.empty()) {
        position = find(keyColumns, key);
    } else if (recNo > 0 && cursor_.count() > 0) {
        position = std::min(recNo, cursor_.count()) - 1;
    }
    if (position >= 0) {
        cursor_.moveTo(position);
    }
}

void RowSet::clear() {
    store_ = std::make_unique<RowStore>(0);
    currentReader_.forget();
    otherReader_.forget();
    cursor_.reset({});
    sorter_ = std::make_unique<RowSorter>();
}

int RowSet::columnCount() const {
    return store_->columnCount();
}

QVariant RowSet::currentValue(RowId row, int column) const {
    return currentReader_.value(*store_, row, column);
}

QVariant RowSet::otherValue(RowId row, int column) const {
    return otherReader_.value(*store_, row, column);
}

std::vector<QVariant> RowSet::values(RowId row) const {
    std::vector<const std::uint8_t*> cells;
    store_->cellPositions(row, cells);
    std::vector<QVariant> values;
    values.reserve(cells.size());
    for (const std::uint8_t* cell : cells) {
        values.push_back(RowStore::toVariant(RowStore::decode(cell)));
    }
    return values;
}

RowId RowSet::append(const std::vector<QVariant>& values) {
    return store_->append(values);
}

void RowSet::replace(RowId row, const std::vector<QVariant>& values) {
    store_->replace(row, values);
}

void RowSet::sort(std::unique_ptr<RowSorter> sorter) {
    const bool hadCurrent = cursor_.hasCurrent();
    const RowId current = hadCurrent ? cursor_.current() : 0;
    sorter->sort(*store_, cursor_.order());
    sorter_ = std::move(sorter);
    if (hadCurrent) {
        cursor_.moveTo(cursor_.find(current));
    }
}

void RowSet::keepCurrent(const std::vector<QVariant>& values, bool isNew) {
    if (isNew) {
        cursor_.replaceCurrent(store_->append(values));
    } else {
        store_->replace(cursor_.current(), values);
    }
    if (sorter_->isEmpty()) {
        return;
    }
    std::vector<RowId>& order = cursor_.order();
    const RowId row = cursor_.current();
    order.erase(order.begin() + cursor_.position());
    const auto place = std::lower_bound(order.begin(), order.end(), row,
                                        [this](RowId a, RowId b) { return sorter_->less(*store_, a, b); });
    const int position = int(place - order.begin());
    order.insert(place, row);
    cursor_.moveTo(position);
}

int RowSet::find(const QList<int>& columns, const std::vector<QVariant>& values) const {
    const std::vector<RowId>& order = cursor_.order();
    for (std::size_t position = 0; position < order.size(); ++position) {
        bool same = true;
        for (qsizetype k = 0; k < columns.size() && same; ++k) {
            same = FieldConversion::sameValue(store_->value(order[position], columns.at(k)),
                                              values.at(std::size_t(k)));
        }
        if (same) {
            return int(position);
        }
    }
    return -1;
}

} // namespace tarvand::data
