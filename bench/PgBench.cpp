// The asset register of a large company on a PostgreSQL server, opened through the data layer as
// the asset editor's grid opens it (a table open of D_Amval, then every row and field read as
// text), beside a bare libpq loop that receives the same rows and reads every field. The server
// is the one TARVAND_PG_URI names or a throwaway cluster (scripts/pg-cluster.sh); without either
// the benchmark says so and does nothing. Times are wall-clock: the server's work is part of both.
#include "BenchDatabase.h"
#include "HeapUsage.h"
#include "PgBenchServer.h"
#include "RatioReporter.h"
#include "ResultCursor.h"
#include "SqlBackend.h"
#include "TADOConnection.h"
#include "TADOTable.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <libpq-fe.h>
#include <malloc.h>

using tarvand::data::TADOConnection;
using tarvand::data::TADOTable;

namespace {

QString& assetDatabase() {
    static QString uri;
    return uri;
}

// Receives every row of the register and reads every field, as cheaply as libpq allows.
std::size_t bareLoop(PGconn* conn) {
    PGresult* result = PQexec(conn, "SELECT * FROM D_Amval");
    if (PQresultStatus(result) != PGRES_TUPLES_OK) {
        std::fprintf(stderr, "%s\n", PQerrorMessage(conn));
        std::abort();
    }
    const int rows = PQntuples(result);
    const int columns = PQnfields(result);
    std::size_t bytes = 0;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            benchmark::DoNotOptimize(PQgetvalue(result, r, c));
            bytes += std::size_t(PQgetlength(result, r, c));
        }
    PQclear(result);
    return bytes;
}

void Bare(benchmark::State& state) {
    PGconn* conn = PQconnectdb(assetDatabase().toUtf8().constData());
    const std::size_t residentBefore = HeapUsage::resetPeakResident();
    bareLoop(conn);
    const std::size_t peak = HeapUsage::peakResident() - residentBefore;
    for (auto _ : state)
        benchmark::DoNotOptimize(bareLoop(conn));
    PQfinish(conn);
    state.counters["peak_MB"] = double(peak) / (1 << 20);
}

// Changes the first `count` assets one statement at a time inside one transaction, as a batch
// form does, and rolls the transaction back so that every round finds the same rows.
void UpdatesInTransaction(benchmark::State& state) {
    TADOConnection connection;
    connection.SetConnectionString(assetDatabase());
    connection.Open();
    QStringList codes;
    const auto cursor = connection.Backend().query(
        QStringLiteral("Select Top %1 DaraCod From D_Amval Order By DaraCod").arg(state.range(0)));
    while (cursor->next()) {
        const std::string_view code = cursor->cellText(0);
        codes.append(QString::fromUtf8(code.data(), qsizetype(code.size())));
    }
    for (auto _ : state) {
        connection.BeginTrans();
        for (const QString& code : codes)
            connection.Backend().execute(
                QStringLiteral("Update D_Amval Set Salianeh = Salianeh + 1 Where DaraCod = ?"), {code});
        connection.RollbackTrans();
    }
    state.counters["updates"] = double(codes.size());
}

// Opens the register in a table on its own connection; walks it reading every field as text when
// walk is set.
std::size_t openTable(TADOConnection& connection, bool walk) {
    TADOTable table;
    table.SetConnection(&connection);
    table.SetTableName(QStringLiteral("D_Amval"));
    table.Open();
    std::size_t chars = std::size_t(table.RecordCount());
    const int fields = table.FieldCount();
    for (table.First(); walk && !table.Eof(); table.Next())
        for (int f = 0; f < fields; ++f)
            chars += std::size_t(table.FieldByIndex(f)->Text().size());
    return chars;
}

void Dataset(benchmark::State& state, bool walk) {
    TADOConnection connection;
    connection.SetConnectionString(assetDatabase());
    connection.Open();
    const std::size_t residentBefore = HeapUsage::resetPeakResident();
    state.counters["rows"] = double(openTable(connection, false));
    const std::size_t peak = HeapUsage::peakResident() - residentBefore;
    for (auto _ : state)
        benchmark::DoNotOptimize(openTable(connection, walk));
    state.counters["peak_MB"] = double(peak) / (1 << 20);
}

} // namespace

// Every case in milliseconds of wall time, the server's work being part of it.
void wallTime(benchmark::internal::Benchmark* bench) {
    bench->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
}

BENCHMARK(Bare)->Name("Open/BarePq")->Apply(wallTime);
BENCHMARK_CAPTURE(Dataset, open, false)->Name("Open/Dataset")->Apply(wallTime);
BENCHMARK(Bare)->Name("OpenAndWalk/BarePq")->Apply(wallTime);
BENCHMARK_CAPTURE(Dataset, walk, true)->Name("OpenAndWalk/Dataset")->Apply(wallTime);
BENCHMARK(UpdatesInTransaction)->Name("UpdatesInTransaction")->Arg(1000)->Apply(wallTime);

int main(int argc, char** argv) {
    // What one open frees, the next one takes again: the heap keeps it instead of giving it back to
    // the system and faulting it in anew, which made up most of the bare loop's time and would
    // make the figures say more about the allocator than about the two readers.
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TOP_PAD, 256 << 20);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const PgBenchServer server;
    if (server.uri().isEmpty()) {
        std::printf("pg_bench skipped: %s\n", qPrintable(server.failure()));
        return 0;
    }
    assetDatabase() = server.createAssetDatabase();
    RatioReporter reporter(RatioReporter::Clock::Real);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
