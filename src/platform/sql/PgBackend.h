#pragma once

#include "SqlBackend.h"
#include "TsqlRunner.h"

#include <QString>
#include <memory>

namespace tarvand::sql {

class PgCatalog;
class PgConnection;
class PgEngine;

// A company database on a PostgreSQL server, named by a postgresql://user@host:port/dbname URI and
// spoken to over libpq in SQL Server's dialect through the T-SQL bridge (the parser and runner of
// the embedded backend with PgPrinter's texts); result columns carry the declared types, lengths
// and keys of the table columns they come from. Inside a transaction each statement runs under a
// savepoint, so that a failed one (a duplicate key) leaves the transaction usable, as on SQL Server.
class PgBackend : public SqlBackend {
public:
    explicit PgBackend(const QString& uri);
    ~PgBackend() override;

    // Whether a company database name is a PostgreSQL URI rather than a file.
    static bool isUri(const QString& name);

    std::unique_ptr<ResultCursor> query(const QString& statement, const QVariantList& params = {}) override;
    qint64 execute(const QString& statement, const QVariantList& params = {}) override;
    QList<ColumnInfo> tableColumns(const QString& table) override;
    QStringList keyColumns(const QString& table) override;
    void beginTransaction() override;
    void commit() override;
    void rollback() override;

private:
    TsqlRunner::Outcome run(const QString& statement, const QVariantList& params, bool wantRows);

    std::unique_ptr<PgConnection> connection_;
    std::unique_ptr<PgCatalog> catalog_;
    std::unique_ptr<PgEngine> engine_;
    std::unique_ptr<TsqlCompiler> compiler_;
    std::unique_ptr<TsqlRunner> runner_;
};

} // namespace tarvand::sql
