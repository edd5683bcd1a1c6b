// Opening, sorting and walking the asset register of a large company, each beside a bare sqlite3
// loop that reads the same rows as text.
#include "BenchDatabase.h"
#include "HeapUsage.h"
#include "RatioReporter.h"
#include "TADOConnection.h"
#include "TADOTable.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <sqlite3.h>

using tarvand::data::TADOConnection;
using tarvand::data::TADOTable;

namespace {

// Steps through a statement reading every column as text, as cheaply as SQLite allows.
std::size_t bareLoop(const char* sql) {
    sqlite3* db = BenchDatabase::openReadOnly();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", sql, sqlite3_errmsg(db));
        std::abort();
    }
    const int columns = sqlite3_column_count(stmt);
    std::size_t bytes = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        for (int c = 0; c < columns; ++c) {
            const unsigned char* text = sqlite3_column_text(stmt, c);
            benchmark::DoNotOptimize(text);
            bytes += sqlite3_column_bytes(stmt, c);
        }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return bytes;
}

std::unique_ptr<TADOConnection> connect() {
    auto connection = std::make_unique<TADOConnection>();
    connection->SetConnectionString(QStringLiteral("Provider=SQLite;Data Source=") + BenchDatabase::path());
    connection->Open();
    return connection;
}

void OpenBareSqlite(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(bareLoop("SELECT * FROM D_Amval"));
    state.counters["rows"] = BenchDatabase::assetCount();
}

void OpenDataset(benchmark::State& state) {
    auto connection = connect();
    // Memory is measured on one open of its own: trimming the heap for the peak figure would make
    // the timed opens pay for fresh pages.
    std::size_t heap = 0;
    std::size_t peak = 0;
    {
        TADOTable table;
        table.SetConnection(connection.get());
        table.SetTableName(QStringLiteral("D_Amval"));
        const std::size_t residentBefore = HeapUsage::resetPeakResident();
        const std::size_t before = HeapUsage::inUse();
        table.Open();
        heap = HeapUsage::inUse() - before;
        peak = HeapUsage::peakResident() - residentBefore;
    }
    for (auto _ : state) {
        TADOTable table;
        table.SetConnection(connection.get());
        table.SetTableName(QStringLiteral("D_Amval"));
        table.Open();
        benchmark::DoNotOptimize(table.RecordCount());
        state.PauseTiming();
        table.Close();
        state.ResumeTiming();
    }
    const double disk = double(BenchDatabase::tableBytesOnDisk());
    state.counters["rows"] = BenchDatabase::assetCount();
    state.counters["heap_MB"] = double(heap) / (1 << 20);
    state.counters["disk_MB"] = disk / (1 << 20);
    state.counters["heap/disk"] = disk > 0 ? double(heap) / disk : 0;
    state.counters["peak_MB"] = double(peak) / (1 << 20);
    state.counters["peak/disk"] = disk > 0 ? double(peak) / disk : 0;
}

void SortBareSqlite(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(bareLoop("SELECT * FROM D_Amval ORDER BY DaraNam"));
}

void SortDataset(benchmark::State& state) {
    auto connection = connect();
    TADOTable table;
    table.SetConnection(connection.get());
    table.SetTableName(QStringLiteral("D_Amval"));
    table.Open();
    for (auto _ : state) {
        table.SetSort(QStringLiteral(" DaraNam ASC "));
        benchmark::DoNotOptimize(table.RecNo());
        state.PauseTiming();
        table.SetSort(QString());
        state.ResumeTiming();
    }
}

void WalkBareSqlite(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(bareLoop("SELECT * FROM D_Amval"));
}

void WalkDataset(benchmark::State& state) {
    auto connection = connect();
    TADOTable table;
    table.SetConnection(connection.get());
    table.SetTableName(QStringLiteral("D_Amval"));
    table.Open();
    const int fields = table.FieldCount();
    for (auto _ : state) {
        std::size_t chars = 0;
        for (table.First(); !table.Eof(); table.Next())
            for (int f = 0; f < fields; ++f)
                chars += table.FieldByIndex(f)->Text().size();
        benchmark::DoNotOptimize(chars);
    }
}

} // namespace

BENCHMARK(OpenBareSqlite)->Name("Open/BareSqlite")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(OpenDataset)->Name("Open/Dataset")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(SortBareSqlite)->Name("SortByName/BareSqlite")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(SortDataset)->Name("SortByName/Dataset")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(WalkBareSqlite)->Name("WalkAllFields/BareSqlite")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(WalkDataset)->Name("WalkAllFields/Dataset")->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    BenchDatabase::path(); // build the database before any timing
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
