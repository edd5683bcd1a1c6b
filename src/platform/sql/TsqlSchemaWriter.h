#pragma once

#include "ConstraintCatalog.h"
#include "TsqlPrinter.h"

namespace tarvand::sql {

// Writes the SQLite DDL for T-SQL table and index definitions. Character columns get the TSQL
// collation, Identity columns become the table's rowid, and every primary key or unique
// constraint becomes a unique index named after the constraint (registered in the catalog).
class TsqlSchemaWriter {
public:
    struct Table {
        QStringList statements;
        QList<ConstraintCatalog::Constraint> constraints;
    };

    static Table createTable(const TsqlStatement& statement, TsqlPrinter& printer);
    // One column as it appears in a Create Table (also used to rebuild a table).
    static QString column(const TsqlColumnDef& column, TsqlPrinter& printer);
    // The check that refuses values longer than a character column's declared length; empty for
    // other types.
    static QString lengthCheck(const QString& column, const QString& type);
    static QString lengthCheckPrefix() { return QStringLiteral("tsql_length_"); }
    static QString collationFor(const QString& type, const QString& written = {});
    static QString uniqueIndex(const QString& name, const QString& table, const QStringList& columns);
    static QString index(const QString& name, const QString& table, const QStringList& columns, bool unique);
    // Makes later inserts of a duplicate key into table silently do nothing (Ignore_dup_key).
    static QString ignoreDuplicatesTrigger(const QString& index, const QString& table,
                                           const QStringList& columns);
    static QString ignoreDuplicatesTriggerName(const QString& index);
    static QString constraintName(const TsqlKeyDef& key, const QString& table);
    static bool isTemporary(const QString& table) { return table.startsWith(u'#'); }

private:
    static QString columnList(const QStringList& columns);
};

} // namespace tarvand::sql
