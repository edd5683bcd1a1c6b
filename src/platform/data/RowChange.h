#pragma once

#include "ColumnInfo.h"

#include <QList>
#include <QVariant>
#include <utility>
#include <vector>

namespace tarvand::data {

// One row that a dataset hands to its writer: what happens to it, the result columns it was read
// with, its values as read (for locating it) and the values to write, one per column.
struct RowChange {
    enum class Kind { Insert, Update, Delete };

    Kind kind;
    const QList<sql::ColumnInfo>& columns;
    const std::vector<QVariant>& original; // empty for an insertion
    const std::vector<QVariant>& values;   // empty for a deletion
    // Filled by the writer: values the database generated (an identity column of a new row).
    std::vector<std::pair<int, QVariant>> generated = {};
};

} // namespace tarvand::data
