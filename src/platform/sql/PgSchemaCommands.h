#pragma once

#include "TsqlStatement.h"

#include <QStringList>
#include <optional>

namespace tarvand::sql {

class PgConnection;

// The T-SQL statements that change the schema, as PostgreSQL DDL: T-SQL column types as their
// PostgreSQL counterparts (character columns under the tsql collation), Identity as an identity
// column, named keys under the names as written (so the server's messages quote them so),
// Ignore_dup_key as a trigger that skips a duplicate insert, and stored procedures kept in the
// table tsql_procedure for TsqlRunner to run.
class PgSchemaCommands {
public:
    explicit PgSchemaCommands(PgConnection& connection) : connection_(connection) {}

    // Runs one of Create/Alter/Drop Table, Index, Constraint, Column or Procedure.
    void run(const TsqlStatement& statement);
    std::optional<QString> procedure(const QString& name);

private:
    QStringList createTable(const TsqlStatement& statement);
    QStringList createIndex(const TsqlStatement& statement);
    QStringList alterColumn(const TsqlStatement& statement);
    // The comments that keep the written names of a new table and of new columns (PgCatalog).
    static QStringList comments(const TsqlStatement& statement);
    QString column(const TsqlColumnDef& column);
    static QString key(const TsqlKeyDef& key);
    void storeProcedure(const TsqlStatement& statement);
    void dropProcedure(const QString& name);

    PgConnection& connection_;
};

} // namespace tarvand::sql
