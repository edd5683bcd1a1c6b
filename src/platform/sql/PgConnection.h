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
// the server's message in SQL Server's words where the module reads it. Inside an open transaction
// each statement runs under a savepoint that a failure rolls back to, so that the transaction
// survives an error its caller expects (a duplicate key, a row changed by another user) as it does
// on SQL Server, instead of refusing every later statement.
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
    // ROLLBACK and what goes with them).
    void control(const char* sql);

private:
    PgResult exec(const QByteArray& sql, const QVariantList& params);
    void script(const char* sql);
    static bool succeeded(const PGresult* result);
    [[noreturn]] void fail(const PGresult* result);

    PGconn* conn_ = nullptr;
    // Whether the open transaction holds the statement savepoint (rolled back to on a failure,
    // released and set again before the next statement).
    bool savepoint_ = false;
};

} // namespace tarvand::sql
