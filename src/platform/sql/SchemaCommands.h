#pragma once

#include "ProcedureCatalog.h"
#include "SqliteSession.h"
#include "TsqlStatement.h"

namespace tarvand::sql {

// The T-SQL statements that change the schema: each checks what SQL Server checks, reports in its
// words, runs all-or-nothing and keeps the constraint catalog in step.
class SchemaCommands {
public:
    SchemaCommands(SqliteSession& session, ProcedureCatalog& procedures)
        : s_(session), procedures_(procedures) {}

    void createTable(const TsqlStatement& statement);
    void createIndex(const TsqlStatement& statement);
    void addConstraint(const TsqlStatement& statement);
    void addColumns(const TsqlStatement& statement);
    void alterColumn(const TsqlStatement& statement);
    void dropTable(const TsqlStatement& statement);
    void dropIndex(const TsqlStatement& statement);
    void dropConstraint(const TsqlStatement& statement);
    void createProcedure(const TsqlStatement& statement);
    void dropProcedure(const TsqlStatement& statement);

    // The table's name as declared (SQLite resolves names case-insensitively, messages quote the
    // declared form); empty when there is no such table.
    QString declaredTable(const QString& table) const;

private:
    // The declared name of a table the statement needs; the server's error when there is none.
    QString existingTable(const QString& table) const;
    void createUniqueIndex(const QString& name, const QString& table, const QStringList& columns);
    bool objectExists(const QString& name) const;

    SqliteSession& s_;
    ProcedureCatalog& procedures_;
};

} // namespace tarvand::sql
