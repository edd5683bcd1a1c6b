#pragma once

#include "ProcedureCatalog.h"
#include "SchemaCatalog.h"
#include "SqliteSession.h"
#include "TsqlStatement.h"

namespace tarvand::sql {

// The T-SQL statements that change the schema on SQLite: each checks what SQL Server checks
// (SchemaChecks, over this database's catalog), reports in its words, runs all-or-nothing and keeps
// the constraint catalog in step.
class SchemaCommands : public SchemaCatalog {
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

    // SQLite resolves names case-insensitively; messages quote the declared form.
    QString declaredTable(const QString& table) const override;
    bool objectExists(const QString& name) const override;
    bool indexExists(const QString& name) const override;
    Key constraintKind(const QString& name) const override;
    bool constraintOn(const QString& table, const QString& name) const override;
    bool hasPrimaryKey(const QString& table) const override;
    bool hasRows(const QString& table) const override;
    std::optional<bool> allowsNull(const QString& table, const QString& column) const override;

private:
    void createUniqueIndex(const QString& name, const QString& table, const QStringList& columns);

    SqliteSession& s_;
    ProcedureCatalog& procedures_;
};

} // namespace tarvand::sql
