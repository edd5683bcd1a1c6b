#pragma once

#include <QString>

// The throwaway PostgreSQL server of the test run (started by CTest's pg_cluster fixture through
// scripts/pg-cluster.sh), or a server named by TARVAND_PG_URI.
class PgTestServer {
public:
    // postgresql://user@host:port of the server; empty when the run has none.
    static QString baseUri();
    // Creates a database with a name of its own, empty or a copy of the database copyOf, and returns
    // its URI (postgresql://user@host:port/name). Throws std::runtime_error when the server cannot
    // be reached.
    static QString createDatabase(const QString& copyOf = {});
};
