#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantList>
#include <libpq-fe.h>
#include <memory>

namespace tarvand::sql {

struct PgResultFree {
    void operator()(PGresult* result) const { PQclear(result); }
};
using PgResult = std::unique_ptr<PGresult, PgResultFree>;

// One libpq connection to a PostgreSQL database named by a postgresql://user@host:port/dbname URI.
// Statements run with their parameters written as $1, $2, …; a failure throws EDatabaseError with
// the server's message in SQL Server's words where the module reads it.
class PgConnection {
public:
    explicit PgConnection(const QString& uri);
    ~PgConnection();
    PgConnection(const PgConnection&) = delete;
    PgConnection& operator=(const PgConnection&) = delete;

    PGconn* handle() const { return conn_; }
    // Runs one statement; values bind to $1, $2, … (NULL for a null QVariant).
    PgResult run(const QByteArray& sql, const QVariantList& params = {});
    // The first column of the first row as text; empty when there is no row.
    QString scalar(const QByteArray& sql, const QVariantList& params = {});
    // Starts or ends a transaction: statements separated by ';', without parameters (BEGIN, COMMIT,
    // ROLLBACK and what goes with them), sent as one.
    void control(const char* sql);

private:
    [[noreturn]] void fail(PgResult result);

    PGconn* conn_ = nullptr;
};

} // namespace tarvand::sql
