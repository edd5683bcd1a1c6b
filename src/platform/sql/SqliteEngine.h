#pragma once

#include "ProcedureCatalog.h"
#include "SchemaCommands.h"
#include "SqliteSession.h"
#include "TsqlEngine.h"

namespace tarvand::sql {

// The T-SQL bridge's statements on SQLite: prepared statements from the session's cache, values
// bound by name, schema statements through SchemaCommands.
class SqliteEngine : public TsqlEngine {
public:
    SqliteEngine(SqliteSession& session, ProcedureCatalog& procedures)
        : s_(session), procedures_(procedures), schema_(session, procedures) {}

    std::unique_ptr<TsqlPrinter> printer() const override;
    void attach(const QStringList& databases) override { s_.attach(databases); }
    qint64 change(const QString& sql, const Values& values) override;
    void each(const QString& sql, const Values& values, const Row& row) override;
    std::unique_ptr<ResultCursor> rows(const QString& sql, const Values& values, bool live) override;
    qint64 selectInto(const TsqlStatement& statement, const Values& values) override;
    void schema(const TsqlStatement& statement) override;
    std::optional<QString> procedure(const QString& name) override { return procedures_.definition(name); }

private:
    SqliteSession& s_;
    ProcedureCatalog& procedures_;
    SchemaCommands schema_;
};

} // namespace tarvand::sql
