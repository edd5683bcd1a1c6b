#pragma once

#include "RecordCursor.h"
#include "RowReader.h"
#include "RowStore.h"

#include <QList>
#include <QVariant>
#include <memory>
#include <vector>

namespace tarvand::sql {
class ResultCursor;
}

namespace tarvand::data {

class RowSorter;

// The rows of an open dataset in their current order: the row store, the cursor over it and the
// sort that orders it.
class RowSet {
public:
    RowSet();
    ~RowSet();
    RowSet(const RowSet&) = delete;
    RowSet& operator=(const RowSet&) = delete;

    // Replaces the rows by those of the result, ordered by the current sort, and goes to the first.
    // Throws (leaving the rows as they were) when reading fails.
    void load(sql::ResultCursor& rows, int columnCount);
    // Reads the rows again and goes back to the record with the same values in keyColumns, or, with
    // no key columns, to the same record number (the last, when there are fewer now).
    void reload(sql::ResultCursor& rows, const QList<int>& keyColumns);
    // No rows, no sort.
    void clear();

    RecordCursor& cursor() { return cursor_; }
    const RecordCursor& cursor() const { return cursor_; }
    int columnCount() const;

    // A stored value (see RowStore::toVariant); reads of the current record and of other rows go
    // through separate readers so that neither makes the other decode again.
    QVariant currentValue(RowId row, int column) const;
    QVariant otherValue(RowId row, int column) const;
    std::vector<QVariant> values(RowId row) const;
    RowId append(const std::vector<QVariant>& values);
    void replace(RowId row, const std::vector<QVariant>& values);

    // Orders the rows by the sorter, keeping the current record current.
    void sort(std::unique_ptr<RowSorter> sorter);
    // Stores the posted values of the current row (a new one gets its row id) and moves it to its
    // place in the sort, the cursor with it.
    void keepCurrent(const std::vector<QVariant>& values, bool isNew);
    // The position of the first row whose values in the columns equal the given ones, or -1.
    int find(const QList<int>& columns, const std::vector<QVariant>& values) const;

private:
    std::unique_ptr<RowStore> store_;
    RecordCursor cursor_;
    std::unique_ptr<RowSorter> sorter_;
    mutable RowReader currentReader_;
    mutable RowReader otherReader_;
};

} // namespace tarvand::data
