#pragma once

#include <QString>

struct sqlite3;

// The company database the benchmarks read: the demo company with a large generated register.
// Built once per machine under the temporary folder (or taken from TARVAND_BENCH_DB) and reused.
class BenchDatabase {
public:
    // Opens the database for reading with what plain SQLite needs to understand its schema.
    static sqlite3* openReadOnly();
    static QString path();
    static int assetCount();
    // Bytes the D_Amval table (with its indexes) takes in the database file.
    static qint64 tableBytesOnDisk();
};
