#pragma once

#include "SchemaCatalog.h"
#include "TsqlStatement.h"

#include <QStringList>
#include <optional>

namespace tarvand::sql {

class PgConnection;

// The T-SQL statements that change the schema, as PostgreSQL DDL: T-SQL column types as their
// PostgreSQL counterparts (character columns under the tsql collation), Identity as an identity
// column, named keys under the names as written (so the server's messages quote them so),
// Ignore_dup_key as a trigger that skips a duplicate insert, and stored procedures kept in the
// table tsql_procedure for TsqlRunner to run. SQL Server's checks (SchemaChecks) come first, over
// the server's catalog; tables are named as the statement wrote them.
class PgSchemaCommands : public SchemaCatalog {
public:
    explicit PgSchemaCommands(PgConnection& connection) : connection_(connection) {}

    // Runs one of Create/Alter/Drop Table, Index, Constraint, Column or Procedure.
    void run(const TsqlStatement& statement);
    // PgPrinter::columnType, with the type of a varchar column made when it is missing.
    QString columnType(const QString& declared);
    std::optional<QString> procedure(const QString& name) const;

    QString declaredTable(const QString& table) const override;
    bool objectExists(const QString& name) const override;
    bool indexExists(const QString& name) const override;
    Key constraintKind(const QString& name) const override;
    bool constraintOn(const QString& table, const QString& name) const override;
    bool hasPrimaryKey(const QString& table) const override;
    bool hasRows(const QString& table) const override;
    std::optional<bool> allowsNull(const QString& table, const QString& column) const override;

private:
    QStringList createTable(const TsqlStatement& statement);
    QStringList createIndex(const TsqlStatement& statement);
    QStringList alterColumn(const TsqlStatement& statement);
    // Adds the columns, then their keys over the values the columns took.
    void addColumns(const TsqlStatement& statement, const QString& table);
    // The comments that keep the written names of a new table and of new columns (PgCatalog).
    static QStringList comments(const TsqlStatement& statement);
    QString column(const TsqlColumnDef& column);
    static QString key(const TsqlKeyDef& key, const QString& table);
    // Refuses a unique index or key over rows that already hold one key twice, in SQL Server's words.
    void requireDistinct(const QString& table, const QString& index, const QStringList& columns);
    // The name, quoted as the server keeps it, of the relation (of one of the kinds) visible to this
    // session that has this name in any letter case; empty when there is none.
    QString storedName(const QString& name, const char* kinds) const;
    bool relationExists(const QString& name, const char* kinds) const;
    void storeProcedure(const TsqlStatement& statement);
    void dropProcedure(const QString& name);

    PgConnection& connection_;
};

} // namespace tarvand::sql
