// Exporting the asset register of a large company from a grid on screen, beside a bare sqlite3
// loop that builds the same tab-separated text from the same rows and writes it.
#include "BenchDatabase.h"
#include "GuardedApplication.h"
#include "RatioReporter.h"
#include "TADOConnection.h"
#include "TADOTable.h"
#include "TDBGrid.h"
#include "TDataSource.h"
#include "TGlobal.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <sqlite3.h>
#include <string>

using namespace tarvand;

namespace {

// The columns an asset grid shows.
const char* const Columns[] = {"DaraCod", "DaraNam", "MakanCod", "PersonelCod", "EndValue"};

QTemporaryDir& appFolder() {
    static QTemporaryDir folder;
    static const bool laidOut = QDir(folder.path()).mkpath(QStringLiteral("EXCEL"));
    (void)laidOut;
    return folder;
}

void BareExport(benchmark::State& state) {
    const std::string path =
        QDir(appFolder().path()).filePath(QStringLiteral("EXCEL/bare.XLS")).toStdString();
    for (auto _ : state) {
        sqlite3* db = BenchDatabase::openReadOnly();
        sqlite3_stmt* stmt = nullptr;
        const char* sql =
            "SELECT DaraCod, DaraNam, MakanCod, PersonelCod, EndValue FROM D_Amval ORDER BY DaraCod";
        if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "%s\n", sqlite3_errmsg(db));
            std::abort();
        }
        std::string text;
        for (int c = 4; c >= 0; --c)
            text += std::string("\t") + Columns[c];
        text += "\t  ";
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            text += "\r\n";
            for (int c = 4; c >= 0; --c) {
                text += "\t ";
                text.append(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)),
                            std::size_t(sqlite3_column_bytes(stmt, c)));
            }
            text += "\t  ";
        }
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        std::FILE* file = std::fopen(path.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["rows"] = BenchDatabase::assetCount();
}

void GridExport(benchmark::State& state) {
    data::TADOConnection connection;
    connection.SetConnectionString(QStringLiteral("Provider=SQLite;Data Source=") + BenchDatabase::path());
    connection.Open();
    data::TADOTable table;
    table.Name = QStringLiteral("tblAmval");
    table.SetConnection(&connection);
    table.SetTableName(QStringLiteral("D_Amval"));
    table.Open();
    table.SetSort(QStringLiteral(" DaraCod ASC "));
    data::TDataSource source;
    source.SetDataSet(&table);
    ui::TDBGrid grid;
    grid.SetDataSource(&source);
    for (const char* name : Columns) {
        ui::TColumn* column = grid.Columns()->Add();
        column->SetFieldName(QLatin1String(name));
    }
    grid.resize(1000, 700);
    grid.show();

    TGlobal global;
    global.AppPath = appFolder().path();
    global.OpenDocument = [](const QString&) {};
    for (auto _ : state) {
        global.ExportGridToFile(&grid, true, QStringLiteral(".XLS"));
        table.First();
    }
    state.counters["rows"] = table.RecordCount();
}

} // namespace

BENCHMARK(BareExport)->Name("ExportToSpreadsheet/BareSqlite")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(GridExport)->Name("ExportToSpreadsheet/Dataset")->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::GuardedApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    BenchDatabase::path(); // build the database before any timing
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
