#pragma once

#include <QString>

namespace tarvand::data {

// What a query's SELECT statement reads from, as far as writing back is concerned: the one table
// of its FROM clause when the rows are rows of that table (a single table, optionally aliased,
// filtered and ordered), nothing when they are not (joins, several tables, derived tables,
// grouping, DISTINCT, unions, SELECT … INTO).
class SelectSource {
public:
    // The table name as written in the statement ("Tafsily2", "##ABC123", "[D_Amval]",
    // "dbo.Person"), or empty.
    static QString updatableTable(const QString& statement);
    // The last part of a possibly qualified, possibly bracketed name, as catalogs know the table.
    static QString bareName(const QString& name);
};

} // namespace tarvand::data
