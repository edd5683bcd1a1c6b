// The detail-account picker over a chart of 50,000 detail accounts: building its temporary table
// and showing the first screen of the host's picker form, beside a bare sqlite3 loop that builds
// the same table (CREATE TEMP TABLE … AS SELECT with the same privilege subquery) and reads its
// rows.
#include "BenchDatabase.h"
#include "GuardedApplication.h"
#include "RatioReporter.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TGlobal.h"
#include "TMyDatabase.h"
#include "TMyDate.h"
#include "TTempGridForm.h"

#include <QPixmap>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <sqlite3.h>

using namespace tarvand;

namespace {

void run(sqlite3* db, const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", sql, error);
        std::abort();
    }
}

void BarePicker(benchmark::State& state) {
    sqlite3* db = BenchDatabase::openReadOnly(BenchDatabase::accountsPath());
    std::size_t rows = 0;
    for (auto _ : state) {
        run(db,
            "CREATE TEMP TABLE picked AS SELECT Tafsily, NamHesab, RecogName, IsActive, IsPosHesab, DesChar "
            "FROM Tafsily WHERE Tafsily IN (SELECT FieldCode FROM UserPrivilege WHERE UserId='1' AND "
            "upper(TableName)='TAFSILY')");
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, "SELECT * FROM picked ORDER BY Tafsily", -1, &stmt, nullptr);
        rows = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int c = 0; c < 6; ++c)
                benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
            ++rows;
        }
        sqlite3_finalize(stmt);
        run(db, "DROP TABLE picked");
    }
    sqlite3_close(db);
    state.counters["rows"] = double(rows);
}

void FormPicker(benchmark::State& state) {
    data::TADOConnection connection;
    connection.SetConnectionString(QStringLiteral("Provider=SQLite;Data Source=") +
                                   BenchDatabase::accountsPath());
    connection.Open();
    TGlobal global;
    global.UserId = 1;
    global.SessionTag = QStringLiteral("U1_");
    QTime now(8, 0);
    const TMyDate date([&now] { return now = now.addMSecs(10); });
    TMyDatabase myDatabase(&connection, &global, &date);
    host::TTempGridForm picker(&myDatabase);
    myDatabase.SetListPicker(&picker);
    for (auto _ : state) {
        picker.quTemp->SetSQL(myDatabase.PickTafsily(QStringLiteral("T"), QStringLiteral("  5"),
                                                     QStringLiteral("  1"), QStringLiteral("20500"),
                                                     QString(), 2));
        picker.Show();
        benchmark::DoNotOptimize(picker.grab());
        picker.Close(); // drops the table, as the bare loop does
    }
    state.counters["rows"] = double(picker.quTemp->RecordCount());
}

} // namespace

BENCHMARK(BarePicker)->Name("DetailPicker/BareSqlite")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(FormPicker)->Name("DetailPicker/Dataset")->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::GuardedApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    BenchDatabase::accountsPath(); // build the database before any timing
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
