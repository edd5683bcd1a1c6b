#include "BenchDatabase.h"

#include "DatabaseSetup.h"

#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <sqlite3.h>

namespace {

constexpr int kGeneratedAssets = 100000;

// The company database declares its character columns with the bridge's collation (case-insensitive
// for ASCII, trailing blanks ignored); a bare connection needs an equivalent to read the schema.
int tsqlCollation(void*, int leftLength, const void* left, int rightLength, const void* right) {
    auto trimmed = [](const void* text, int length) {
        const auto* bytes = static_cast<const unsigned char*>(text);
        while (length > 0 && bytes[length - 1] == ' ')
            --length;
        return length;
    };
    const int l = trimmed(left, leftLength);
    const int r = trimmed(right, rightLength);
    const auto* a = static_cast<const unsigned char*>(left);
    const auto* b = static_cast<const unsigned char*>(right);
    for (int i = 0; i < l && i < r; ++i) {
        const int ca = (a[i] >= 'a' && a[i] <= 'z') ? a[i] - 32 : a[i];
        const int cb = (b[i] >= 'a' && b[i] <= 'z') ? b[i] - 32 : b[i];
        if (ca != cb)
            return ca - cb;
    }
    return l - r;
}

} // namespace

sqlite3* BenchDatabase::openReadOnly(const QString& file) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_create_collation(db, "TSQL", SQLITE_UTF8, nullptr, tsqlCollation);
    return db;
}

QString BenchDatabase::path() {
    static const QString file = [] {
        const QString fromEnv =
            QProcessEnvironment::systemEnvironment().value(QStringLiteral("TARVAND_BENCH_DB"));
        const QString target =
            fromEnv.isEmpty()
                ? QDir::temp().filePath(QStringLiteral("tarvand-bench-%1.db").arg(kGeneratedAssets))
                : fromEnv;
        if (!QFileInfo::exists(target))
            tarvand::sql::DatabaseSetup::createDemoDatabase(target, kGeneratedAssets);
        return target;
    }();
    return file;
}

QString BenchDatabase::accountsPath() {
    static const QString file = [] {
        const QString target =
            QDir::temp().filePath(QStringLiteral("tarvand-bench-accounts-%1.db").arg(GeneratedAccounts));
        if (!QFileInfo::exists(target))
            tarvand::sql::DatabaseSetup::createDemoDatabase(target, 0, false, GeneratedAccounts);
        return target;
    }();
    return file;
}

int BenchDatabase::assetCount() {
    sqlite3* db = openReadOnly();
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT count(*) FROM D_Amval", -1, &stmt, nullptr);
    const int count = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : 0;
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return count;
}

qint64 BenchDatabase::tableBytesOnDisk() {
    sqlite3* db = openReadOnly();
    sqlite3_stmt* stmt = nullptr;
    // The table's own pages only: the comparison is with the rows held in memory.
    sqlite3_prepare_v2(db, "SELECT sum(pgsize) FROM dbstat WHERE name = 'D_Amval'", -1, &stmt, nullptr);
    const qint64 bytes = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : 0;
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return bytes;
}
