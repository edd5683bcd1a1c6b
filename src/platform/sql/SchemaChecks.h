#pragma once

#include "ConstraintCatalog.h"
#include "SchemaCatalog.h"
#include "TsqlStatement.h"

namespace tarvand::sql {

// What SQL Server checks before a schema statement changes anything, refused in its words. Both
// backends run the same checks, each answering from its own catalog.
class SchemaChecks {
public:
    explicit SchemaChecks(const SchemaCatalog& catalog) : catalog_(catalog) {}

    // What a Create Table must say of itself: one primary key, one identity column, each column
    // named once, key columns among its columns and none of a primary key's said to take NULL.
    static void definition(const TsqlStatement& statement);
    // Only the company database's objects (and temporary tables) can be changed.
    static void requireLocal(const TsqlName& name);

    // Create Table: the definition, the table's and its keys' names free. Returns the keys under
    // their names (SQL Server's generated names for unnamed ones).
    QList<ConstraintCatalog::Constraint> createTable(const TsqlStatement& statement) const;
    // Create Index: the table there and the name free. Returns the table's declared name.
    QString createIndex(const TsqlStatement& statement) const;
    // Add Constraint: the name free, no second primary key, key columns there and (for a primary
    // key) Not Null. Returns the constraint to make.
    ConstraintCatalog::Constraint addConstraint(const TsqlStatement& statement) const;
    // Add columns: the table there, the new names free, no new primary-key column said to take
    // NULL, and a new Not Null column without a default only on an empty table. Returns the
    // table's declared name.
    QString addColumns(const TsqlStatement& statement) const;
    // Drop Constraint: a key of that table.
    void dropConstraint(const TsqlStatement& statement) const;
    // The declared name of the existing table a statement changes.
    QString existingTable(const TsqlName& table) const;
    // Drop Table: the declared names of the tables to drop; a missing one is refused unless the
    // statement says If Exists.
    QStringList dropTable(const TsqlStatement& statement) const;
    // Drop Index: the index there and no key's.
    void dropIndex(const TsqlStatement& statement) const;

private:
    const SchemaCatalog& catalog_;
};

} // namespace tarvand::sql
