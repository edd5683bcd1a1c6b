#include "SchemaChecks.h"

#include "EDatabaseError.h"
#include "TsqlSchemaWriter.h"

namespace tarvand::sql {

namespace {

QString taken(const QString& name) {
    return QStringLiteral("There is already an object named '%1' in the database.").arg(name);
}

QString nullableKey(const QString& table) {
    return QStringLiteral("Cannot define PRIMARY KEY constraint on nullable column in table '%1'.")
        .arg(table);
}

QString namedTwice(const QString& column, const QString& table) {
    return QStringLiteral(
               "Column names in each table must be unique. Column name '%1' in table '%2' is specified more "
               "than once.")
        .arg(column, table);
}

const TsqlColumnDef* findColumn(const std::vector<TsqlColumnDef>& columns, const QString& name) {
    for (const TsqlColumnDef& column : columns) {
        if (column.name.compare(name, Qt::CaseInsensitive) == 0) {
            return &column;
        }
    }
    return nullptr;
}

void requireNamedOnce(const std::vector<TsqlColumnDef>& columns, const QString& table) {
    for (auto column = columns.begin(); column != columns.end(); ++column) {
        if (findColumn(columns, column->name) != &*column) {
            throw EDatabaseError(namedTwice(column->name, table));
        }
    }
}

// A primary key makes its columns Not Null unless they are said to take NULL, which it refuses.
void requireKeysNotNullable(const TsqlStatement& statement, const QString& table) {
    for (const TsqlKeyDef& key : statement.keys) {
        for (const QString& name : key.columns) {
            const TsqlColumnDef* column = findColumn(statement.columnDefs, name);
            if (key.primaryKey && column && column->nullWritten) {
                throw EDatabaseError(nullableKey(table));
            }
        }
    }
}

} // namespace

void SchemaChecks::requireLocal(const TsqlName& name) {
    if (!name.database.isEmpty() && name.database.compare(u"tempdb", Qt::CaseInsensitive) != 0) {
        throw EDatabaseError(QStringLiteral("Only objects of the company database can be changed: '%1..%2'.")
                                 .arg(name.database, name.name));
    }
}

void SchemaChecks::definition(const TsqlStatement& statement) {
    const QString& table = statement.table.name;
    int primaryKeys = 0;
    for (const TsqlKeyDef& key : statement.keys) {
        primaryKeys += key.primaryKey ? 1 : 0;
        if (primaryKeys > 1) {
            throw EDatabaseError(
                QStringLiteral("Cannot add multiple PRIMARY KEY constraints to table '%1'.").arg(table));
        }
    }
    int identities = 0;
    for (const TsqlColumnDef& column : statement.columnDefs) {
        identities += column.identity ? 1 : 0;
    }
    if (identities > 1) {
        throw EDatabaseError(
            QStringLiteral(
                "Multiple identity columns specified for table '%1'. Only one identity column per table is "
                "allowed.")
                .arg(table));
    }
    requireNamedOnce(statement.columnDefs, table);
    for (const TsqlKeyDef& key : statement.keys) {
        for (const QString& keyColumn : key.columns) {
            if (!findColumn(statement.columnDefs, keyColumn)) {
                throw EDatabaseError(
                    QStringLiteral("Column name '%1' does not exist in the target table or view.")
                        .arg(keyColumn));
            }
        }
    }
    requireKeysNotNullable(statement, table);
}

QList<ConstraintCatalog::Constraint> SchemaChecks::createTable(const TsqlStatement& statement) const {
    requireLocal(statement.table);
    definition(statement);
    const QString& table = statement.table.name;
    if (catalog_.objectExists(table)) {
        throw EDatabaseError(taken(table));
    }
    QList<ConstraintCatalog::Constraint> constraints;
    for (const TsqlKeyDef& key : statement.keys) {
        const QString name = TsqlSchemaWriter::constraintName(key, table);
        if (catalog_.objectExists(name)) {
            throw EDatabaseError(taken(name));
        }
        constraints.append({name, table, key.primaryKey, key.columns});
    }
    return constraints;
}

QString SchemaChecks::existingTable(const TsqlName& table) const {
    requireLocal(table);
    const QString declared = catalog_.declaredTable(table.name);
    if (declared.isEmpty()) {
        throw EDatabaseError(
            QStringLiteral("Cannot find the object \"%1\" because it does not exist or you do not have "
                           "permissions.")
                .arg(table.name));
    }
    return declared;
}

QString SchemaChecks::createIndex(const TsqlStatement& statement) const {
    const QString table = existingTable(statement.table);
    if (catalog_.objectExists(statement.name)) {
        throw EDatabaseError(
            QStringLiteral("The operation failed because an index or statistics with name '%1' "
                           "already exists on table '%2'.")
                .arg(statement.name, table));
    }
    return table;
}

ConstraintCatalog::Constraint SchemaChecks::addConstraint(const TsqlStatement& statement) const {
    const TsqlKeyDef& key = statement.keys.front();
    const QString table = existingTable(statement.table);
    const QString name = TsqlSchemaWriter::constraintName(key, table);
    if (catalog_.objectExists(name)) {
        throw EDatabaseError(taken(name));
    }
    if (key.primaryKey && catalog_.hasPrimaryKey(table)) {
        throw EDatabaseError(
            QStringLiteral("Table '%1' already has a primary key defined on it.").arg(table));
    }
    for (const QString& column : key.columns) {
        const std::optional<bool> nullable = catalog_.allowsNull(table, column);
        if (!nullable) {
            throw EDatabaseError(
                QStringLiteral("Column name '%1' does not exist in the target table or view.").arg(column));
        }
        if (key.primaryKey && *nullable) {
            throw EDatabaseError(nullableKey(table));
        }
    }
    return {name, table, key.primaryKey, key.columns};
}

QString SchemaChecks::addColumns(const TsqlStatement& statement) const {
    const QString table = existingTable(statement.table);
    requireNamedOnce(statement.columnDefs, table);
    for (const TsqlColumnDef& column : statement.columnDefs) {
        if (catalog_.allowsNull(table, column.name)) {
            throw EDatabaseError(namedTwice(column.name, table));
        }
    }
    requireKeysNotNullable(statement, table);
    for (const TsqlColumnDef& column : statement.columnDefs) {
        bool keyColumn = false;
        for (const TsqlKeyDef& key : statement.keys) {
            keyColumn =
                keyColumn || (key.primaryKey && key.columns.contains(column.name, Qt::CaseInsensitive));
        }
        if ((column.notNull || keyColumn) && !column.defaultValue && !column.identity &&
            catalog_.hasRows(table)) {
            throw EDatabaseError(
                QStringLiteral(
                    "ALTER TABLE only allows columns to be added that can contain nulls, or have a DEFAULT "
                    "definition specified, or the column being added is an identity or timestamp column, or "
                    "alternatively if none of the previous conditions are satisfied the table must be empty "
                    "to allow addition of this column. Column '%1' cannot be added to non-empty table '%2' "
                    "because it does not satisfy these conditions.")
                    .arg(column.name, table));
        }
    }
    return table;
}

void SchemaChecks::dropConstraint(const TsqlStatement& statement) const {
    const QString table = existingTable(statement.table);
    if (!catalog_.constraintOn(table, statement.name)) {
        throw EDatabaseError(QStringLiteral("'%1' is not a constraint.").arg(statement.name));
    }
}

QStringList SchemaChecks::dropTable(const TsqlStatement& statement) const {
    QStringList tables;
    for (const TsqlName& name : statement.tables) {
        requireLocal(name);
        const QString table = catalog_.declaredTable(name.name);
        if (!table.isEmpty()) {
            tables.append(table);
        } else if (!statement.ifExists) {
            throw EDatabaseError(
                QStringLiteral(
                    "Cannot drop the table '%1', because it does not exist or you do not have permission.")
                    .arg(name.name));
        }
    }
    return tables;
}

void SchemaChecks::dropIndex(const TsqlStatement& statement) const {
    const SchemaCatalog::Key kind = catalog_.constraintKind(statement.name);
    if (kind != SchemaCatalog::Key::None) {
        throw EDatabaseError(
            QStringLiteral("An explicit DROP INDEX is not allowed on index '%1.%2'. It is being used "
                           "for %3 constraint enforcement.")
                .arg(statement.table.name, statement.name,
                     kind == SchemaCatalog::Key::Primary ? QStringLiteral("PRIMARY KEY")
                                                         : QStringLiteral("UNIQUE KEY")));
    }
    if (!catalog_.indexExists(statement.name)) {
        throw EDatabaseError(
            QStringLiteral("Cannot drop the index '%1.%2', because it does not exist or you do not "
                           "have permission.")
                .arg(statement.table.name, statement.name));
    }
}

} // namespace tarvand::sql
