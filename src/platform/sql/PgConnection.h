#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantList>
#include <functional>
#include <libpq-fe.h>
#include <memory>
#include <vector>

namespace tarvand::sql {

class PgCursor;

struct PgResultFree {
    void operator()(PGresult* result) const { PQclear(result); }
};
using PgResult = std::unique_ptr<PGresult, PgResultFree>;

// One libpq connection to a PostgreSQL database named by a postgresql://user@host:port/dbname URI.
// Statements run with their parameters written as $1, $2, …; a failure throws EDatabaseError with
// the server's message in SQL Server's words where the module reads it.
//
// A statement's rows may also come one at a time to a PgCursor (stream) while the caller reads
// them. Until the last one has come, nothing else can go over the connection: whatever needs it
// first has that cursor take in the rest of its rows (kept in the cursor, which reads on from them).
class PgConnection {
public:
    explicit PgConnection(const QString& uri);
    ~PgConnection();
    PgConnection(const PgConnection&) = delete;
    PgConnection& operator=(const PgConnection&) = delete;

    // The libpq connection, free for a statement of the caller's own (no rows still coming);
    // savepoint commands waiting for the next statement are not sent yet.
    PGconn* handle();
    // Runs one statement; values bind to $1, $2, … (NULL for a null QVariant).
    PgResult run(const QByteArray& sql, const QVariantList& params = {});
    // The first column of the first row as text; empty when there is no row.
    QString scalar(const QByteArray& sql, const QVariantList& params = {});
    // Starts or ends a transaction: statements separated by ';', without parameters (BEGIN, COMMIT,
    // ROLLBACK and what goes with them), sent as one.
    void control(const char* sql);
    // The server's description of a statement's result columns, without running it.
    PgResult describe(const QByteArray& sql, const QVariantList& params);

    // Sends a statement whose rows reader receives one at a time; returns the first piece (a result
    // of one row, or the last piece).
    PgResult stream(const QByteArray& sql, const QVariantList& params, PgCursor& reader);
    // The next piece of the streamed statement: a result of one row (PGRES_SINGLE_TUPLE), else the
    // last piece, after which the connection is free. Throws when the statement fails.
    PgResult receive();
    // Reads to the end, dropping them, the rows reader leaves unread (cancelling the statement
    // instead would break the transaction it runs in).
    void abandon(PgCursor& reader);

    // The savepoint each statement inside a transaction runs under. Opening and releasing it go
    // to the server in one round trip with the next statement rather than in round trips of their
    // own; a savepoint nothing was sent under is dropped unsent.
    void openSavepoint();
    void releaseSavepoint();
    // Undoes what was sent since the savepoint opened, and releases it.
    void rollbackSavepoint();

private:
    // Has a cursor still receiving rows take in the rest of them.
    void settle();
    // Reads away what is left of the streamed statement; the connection is free after it.
    void endStream();
    // Drops the waiting savepoint commands when the statement ended the transaction, or the
    // savepoint itself when nothing was sent under it; false when the savepoint is on the server.
    bool savepointUnsent();
    // Sends the savepoint commands waiting for the next statement.
    void flush();
    // The waiting savepoint commands and what send sends in one round trip (libpq's pipeline
    // mode); returns the last result.
    PgResult pipelined(const std::function<bool()>& send);
    // After a streamed statement failed in the transaction: back to the savepoints whose release
    // was waiting, as if the statement had failed under them.
    void recover();
    [[noreturn]] void fail(PgResult result);

    PGconn* conn_ = nullptr;
    PgCursor* reader_ = nullptr;      // the cursor whose rows are still coming
    std::vector<QByteArray> waiting_; // savepoint commands for the next statement's round trip
};

} // namespace tarvand::sql
