#pragma once

#include "ColumnInfo.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <sqlite3.h>

namespace tarvand::sql {

// Builds the column metadata of a prepared statement the way SQL Server's providers report it:
// declared type and length, base table and column, key and null flags.
class ColumnDescriber {
public:
    // Returns the key columns of a table as the bridge's constraint catalog knows them (empty when
    // it knows none, and the engine's own primary key applies).
    using KeyLookup = std::function<QStringList(const QString& table)>;

    explicit ColumnDescriber(sqlite3* db, KeyLookup keys = {});

    // With hasRow, the current row's storage classes give the kind of expression columns.
    QList<ColumnInfo> describe(sqlite3_stmt* stmt, bool hasRow) const;

    // The kind of a value by its SQLite storage class.
    static ColumnKind kindOfValue(int storageClass);

private:
    sqlite3* db_;
    KeyLookup keys_;
};

} // namespace tarvand::sql
