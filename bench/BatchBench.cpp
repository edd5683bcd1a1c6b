// Batch creation of 10,000 assets through the batch form (one insert statement per code, in one
// transaction of the shared connection) beside a bare sqlite3 loop that inserts the same rows as
// literal INSERT statements inside one transaction; and a sheet of 1,000 asset labels written as
// PDF by BarCode.dll. Both work on a copy of the large company database.
#include "BenchDatabase.h"
#include "GuardedApplication.h"
#include "HostContext.h"
#include "RatioReporter.h"
#include "SiblingEntries.h"
#include "SiblingModule.h"
#include "TADOConnection.h"
#include "TBitBtn.h"
#include "TEdit.h"
#include "TFrmBatch.h"
#include "TGlobal.h"
#include "TMyDatabase.h"
#include "TMyDate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <sqlite3.h>

using namespace tarvand;

namespace {

constexpr int firstCode = 500001;
constexpr int batchSize = 10000;
constexpr int labelCount = 1000;

QTemporaryDir& workFolder() {
    static QTemporaryDir folder;
    return folder;
}

// A copy of the large company, written by the benchmarks.
QString workDatabase() {
    static const QString file = [] {
        const QString target = workFolder().filePath(QStringLiteral("batch.db"));
        QFile::copy(BenchDatabase::path(), target);
        return target;
    }();
    return file;
}

void run(sqlite3* db, const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", sql, error);
        std::abort();
    }
}

int batchRows(sqlite3* db) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT count(*) FROM D_Amval WHERE DaraNam LIKE 'Batch%'", -1, &stmt, nullptr);
    const int count = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : 0;
    sqlite3_finalize(stmt);
    return count;
}

void removeBatch(sqlite3* db) {
    run(db, "DELETE FROM D_Amval WHERE DaraNam LIKE 'Batch%'");
}

void BareBatch(benchmark::State& state) {
    sqlite3* db = BenchDatabase::openWritable(workDatabase());
    for (auto _ : state) {
        run(db, "BEGIN");
        for (int n = firstCode; n < firstCode + batchSize; ++n) {
            char sql[256];
            std::snprintf(sql, sizeof sql,
                          "INSERT INTO D_Amval (DaraCod, DaraNam, RaveshEst, Nozooli, Salianeh, BahreDate) "
                          "VALUES ('%10d', 'Batch%d', 'مستقيم', 0, 5, '1403/01/15')",
                          n, n);
            run(db, sql);
        }
        run(db, "COMMIT");
        state.PauseTiming();
        removeBatch(db);
        state.ResumeTiming();
    }
    sqlite3_close(db);
    state.counters["rows"] = batchSize;
}

// The host's session objects over the work database, as the module sees them.
struct Session {
    Session() : database(&connection, &global, &date) {
        connection.SetConnectionString(QStringLiteral("Provider=SQLite;Data Source=") + workDatabase());
        connection.Open();
        global.UserId = 1;
        global.SessionTag = QStringLiteral("U1_");
        global.WorkDate = QStringLiteral("1403/05/20");
        global.AppPath = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
        ::Global = &global;
        ::MyDate = &date;
        ::MyDatabase = &database;
    }
    ~Session() {
        ::Global = nullptr;
        ::MyDate = nullptr;
        ::MyDatabase = nullptr;
    }
    data::TADOConnection connection;
    TGlobal global;
    TMyDate date;
    TMyDatabase database;
};

void FormBatch(benchmark::State& state) {
    Session session;
    sqlite3* db = BenchDatabase::openWritable(workDatabase());
    for (auto _ : state) {
        TFrmBatch form;
        form.tFromCode->SetText(QString::number(firstCode));
        form.tToCode->SetText(QString::number(firstCode + batchSize - 1));
        form.tName->SetText(QStringLiteral("Batch"));
        form.tYears->SetText(QStringLiteral("5"));
        form.tbDate->SetText(QStringLiteral("1403/01/15"));
        form.BtnOk->click();
        state.PauseTiming();
        session.connection.Close();
        if (batchRows(db) != batchSize) {
            state.SkipWithError("the batch did not insert every row");
            break;
        }
        removeBatch(db);
        session.connection.Open();
        state.ResumeTiming();
    }
    sqlite3_close(db);
    state.counters["rows"] = batchSize;
}

void LabelSheetPdf(benchmark::State& state) {
    Session session;
    session.database.ExecSql(
        QStringLiteral(
            "Select Top %1 Identity(int,1,1) as idx,DaraCod As KalaCode, DaraNam As KalaName, Cast(0 As "
            "Float) As FeeSales, Cast('1403/05/20' as varchar(10)) As CurDate Into ##Labels From D_Amval")
            .arg(labelCount));
    SiblingModule module;
    if (!module.Load(session.global.AppPath + QStringLiteral("\\DLLs\\Tavesh\\BarCode.dll"))) {
        state.SkipWithError(module.ErrorString().toUtf8().constData());
        return;
    }
    const auto toPdf = module.Resolve<sibling::DesignBarCodePdfEntry>("DesignBarCodePdf");
    const QString table = QStringLiteral("##Labels");
    const QString code = QStringLiteral("KalaCode");
    const QString name = QStringLiteral("KalaName");
    const QString price = QStringLiteral("FeeSales");
    const QString settings;
    const QString pdf = workFolder().filePath(QStringLiteral("labels.pdf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            toPdf(&session.connection, &table, &code, &name, &price, true, &settings, &pdf));
    state.counters["labels"] = labelCount;
    state.counters["pdf_bytes"] = double(QFile(pdf).size());
}

} // namespace

BENCHMARK(BareBatch)->Name("Batch10000/BareSqlite")->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(FormBatch)->Name("Batch10000/Dataset")->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(LabelSheetPdf)->Name("LabelSheet1000/Pdf")->Unit(benchmark::kMillisecond)->MinTime(3.0);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::GuardedApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    workDatabase(); // copy the database before any timing
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
