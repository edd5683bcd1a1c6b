#pragma once

#include "DataTypes.h"
#include "RowStore.h"

#include <QCollator>
#include <QList>
#include <QString>
#include <utility>
#include <vector>

namespace tarvand::data {

// Client-side ordering of a dataset's rows by ADO sort text. Texts compare as Persian readers
// expect (QCollator, Persian locale, case-insensitive), numbers by value; NULL comes first in
// ascending order. Rows that compare equal keep the order in which they were read.
class RowSorter {
public:
    struct Key {
        int column;      // row store column
        TFieldType type; // decides between text and numeric comparison
        bool descending;
    };

    // Splits ADO sort text ("A", " Name DESC ", "[A] ASC, B DESC") into field names and
    // directions. Throws EDatabaseError for text that is not of that form.
    static QList<std::pair<QString, bool>> parse(const QString& sortText);

    RowSorter();
    explicit RowSorter(std::vector<Key> keys);

    bool isEmpty() const { return keys_.empty(); }
    // Orders the rows: stable, by the keys, then by row id (the order of reading).
    void sort(const RowStore& store, std::vector<RowId>& rows) const;
    // Whether row a comes before row b in that order.
    bool less(const RowStore& store, RowId a, RowId b) const;

private:
    int compareCells(const Key& key, const RowStore::Cell& a, const RowStore::Cell& b) const;

    std::vector<Key> keys_;
    QCollator collator_;
};

} // namespace tarvand::data
