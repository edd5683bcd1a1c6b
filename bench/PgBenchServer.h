#pragma once

#include <QString>
#include <QTemporaryDir>

// The PostgreSQL server of a benchmark: the one TARVAND_PG_URI names (postgresql://user@host:port),
// else a throwaway cluster that scripts/pg-cluster.sh starts here and stops with this object.
class PgBenchServer {
public:
    PgBenchServer();
    ~PgBenchServer();
    PgBenchServer(const PgBenchServer&) = delete;
    PgBenchServer& operator=(const PgBenchServer&) = delete;

    // Empty when there is no server, with the reason in failure().
    const QString& uri() const { return uri_; }
    const QString& failure() const { return failure_; }
    // Creates a database holding the benchmark company's asset register D_Amval: the table as the
    // company schema declares it, with the rows of the SQLite benchmark database. Returns its URI.
    QString createAssetDatabase() const;

private:
    QTemporaryDir stateDir_;
    QString state_; // the script's state file, when it started the cluster
    QString uri_;
    QString failure_;
};
