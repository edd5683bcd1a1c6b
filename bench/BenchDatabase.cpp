#include "BenchDatabase.h"

#include "DatabaseSetup.h"

#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <sqlite3.h>

namespace {
constexpr int kGeneratedAssets = 100000;
}

QString BenchDatabase::path() {
    static const QString file = [] {
        const QString fromEnv = QProcessEnvironment::systemEnvironment().value(QStringLiteral("TARVAND_BENCH_DB"));
        const QString target = fromEnv.isEmpty()
                                   ? QDir::temp().filePath(QStringLiteral("tarvand-bench-%1.db").arg(kGeneratedAssets))
                                   : fromEnv;
        if (!QFileInfo::exists(target))
            tarvand::sql::DatabaseSetup::createDemoDatabase(target, kGeneratedAssets);
        return target;
    }();
    return file;
}

int BenchDatabase::assetCount() {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path().toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT count(*) FROM D_Amval", -1, &stmt, nullptr);
    const int count = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : 0;
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return count;
}

qint64 BenchDatabase::tableBytesOnDisk() {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path().toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    // The table's own pages only: the comparison is with the rows held in memory.
    sqlite3_prepare_v2(db, "SELECT sum(pgsize) FROM dbstat WHERE name = 'D_Amval'", -1, &stmt, nullptr);
    const qint64 bytes = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : 0;
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return bytes;
}
