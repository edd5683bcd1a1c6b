#pragma once

#include "SqlBackend.h"

#include <QString>
#include <memory>

struct pg_result;

namespace tarvand::sql {

class PgCatalog;
class PgConnection;

// A company database on a PostgreSQL server, named by a postgresql://user@host:port/dbname URI and
// spoken to over libpq. Statements reach the server as written, their '?' parameters numbered and
// [bracketed] names quoted as the server expects them; result columns carry the declared types, lengths and
// keys of the table columns they come from.
class PgBackend : public SqlBackend {
public:
    explicit PgBackend(const QString& uri);
    ~PgBackend() override;

    // Whether a company database name is a PostgreSQL URI rather than a file.
    static bool isUri(const QString& name);
    // The statement as the server reads it: each '?' outside literals, quoted names and comments
    // made $1, $2, …, and each [Name] made "name".
    static QString serverText(const QString& statement);

    std::unique_ptr<ResultCursor> query(const QString& statement, const QVariantList& params = {}) override;
    qint64 execute(const QString& statement, const QVariantList& params = {}) override;
    QList<ColumnInfo> tableColumns(const QString& table) override;
    QStringList keyColumns(const QString& table) override;
    void beginTransaction() override;
    void commit() override;
    void rollback() override;

private:
    QList<ColumnInfo> describe(const pg_result* result);
    void forgetSchemaAfter(const QString& statement);

    std::unique_ptr<PgConnection> connection_;
    std::unique_ptr<PgCatalog> catalog_;
};

} // namespace tarvand::sql
