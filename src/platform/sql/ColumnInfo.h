#pragma once

#include <QString>

namespace tarvand::sql {

// Storage class of a result column as the backend declares it.
enum class ColumnKind { Unknown, Integer, Float, Text, Blob };

// Metadata of one result column. Size is the declared character length of a character column
// (varchar(10) -> 10) and 0 for every other kind, as SQL Server's providers report it.
struct ColumnInfo {
    QString name;
    ColumnKind kind = ColumnKind::Unknown;
    int size = 0;
    QString declaredType; // as written in the table definition, empty for expressions
    QString baseTable;    // table the column comes from, empty for expressions
    QString baseColumn;
    bool primaryKey = false;
    bool notNull = false;
    bool autoIncrement = false;
};

} // namespace tarvand::sql
