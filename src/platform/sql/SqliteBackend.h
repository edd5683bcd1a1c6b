#pragma once

#include "SqlBackend.h"

#include <QString>
#include <memory>

namespace tarvand::sql {

class ConstraintCatalog;
class ProcedureCatalog;
class SqliteConnection;
class SqliteEngine;
class SqliteSession;
class TsqlCompiler;
class TsqlRunner;

// The embedded backend: one SQLite database file, spoken to in SQL Server's dialect through the
// T-SQL bridge (statements compiled once per distinct text, stored procedures kept in the file,
// ## temporary tables living as long as the backend).
class SqliteBackend : public SqlBackend {
public:
    // Opens the database file, creating it when absent.
    explicit SqliteBackend(const QString& path);
    ~SqliteBackend() override;

    std::unique_ptr<ResultCursor> query(const QString& statement, const QVariantList& params = {}) override;
    qint64 execute(const QString& statement, const QVariantList& params = {}) override;
    QList<ColumnInfo> tableColumns(const QString& table) override;
    QStringList keyColumns(const QString& table) override;
    void beginTransaction() override;
    void commit() override;
    void rollback() override;

private:
    std::shared_ptr<SqliteConnection> connection_;
    std::unique_ptr<ConstraintCatalog> constraints_;
    std::unique_ptr<ProcedureCatalog> procedures_;
    std::unique_ptr<SqliteSession> session_;
    std::unique_ptr<SqliteEngine> engine_;
    std::unique_ptr<TsqlCompiler> compiler_;
    std::unique_ptr<TsqlRunner> runner_;
};

} // namespace tarvand::sql
