#pragma once

#include <QString>

struct sqlite3;

// The company database the benchmarks read: the demo company with a large generated register.
// Built once per machine under the temporary folder (or taken from TARVAND_BENCH_DB) and reused.
class BenchDatabase {
public:
    // Opens the database (path() unless given) for reading with what plain SQLite needs to
    // understand its schema.
    static sqlite3* openReadOnly(const QString& file = path());
    static QString path();
    // The demo company with a large generated chart of detail accounts and the usual register,
    // built and reused like path().
    static QString accountsPath();
    static constexpr int GeneratedAccounts = 50000;
    static int assetCount();
    // Bytes the D_Amval table (with its indexes) takes in the database file.
    static qint64 tableBytesOnDisk();
};
