// The asset tab over the register of a large company, as the user meets it: showing the tab (the
// editor created, the table opened, names and totals read), holding Down through the rows (each
// row reached looks up its names) and sorting by a click on a column title; beside a bare sqlite3
// loop over the same rows and the plain table open that dataset_bench measures. HoldDown1000 is
// the time of 1,000 Down keys: its milliseconds divided by 1,000 are the time per row.
#include "BenchDatabase.h"
#include "GuardedApplication.h"
#include "HeapUsage.h"
#include "HostContext.h"
#include "HostOptions.h"
#include "HostSession.h"
#include "ModuleEntry.h"
#include "RatioReporter.h"
#include "TADOConnection.h"
#include "TADOTable.h"
#include "TAmvalForm.h"
#include "TColumn.h"
#include "TDBGrid.h"
#include "TDlgMsg.h"
#include "TInfoForm.h"
#include "TMyDatabase.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TShowStateForm.h"
#include "TTabSheet.h"
#include "TTempGridForm.h"

#include <QApplication>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <sqlite3.h>

using namespace tarvand;

namespace {

// The host's objects and window over the benchmark company, the module's window shown in it.
class BenchHost {
public:
    BenchHost() {
        host::HostOptions options;
        options.DatabasePath = BenchDatabase::path();
        session_ = std::make_unique<host::HostSession>(options, appDir_.path(), QDate(2024, 12, 4));
        dlgMsg_ = std::make_unique<host::TDlgMsg>();
        showState_ = std::make_unique<host::TShowStateForm>();
        picker_ = std::make_unique<host::TTempGridForm>(session_->MyDatabase());
        session_->MyDatabase()->SetListPicker(picker_.get());
        main_ = std::make_unique<ui::TForm>();
        main_->setGeometry(0, 0, 1280, 720);
        auto* client = new ui::TPanel(main_.get());
        client->SetAlign(ui::alClient);
        main_->Show();
        ::Ostavan(client, session_->Global(), session_->MyDate(), session_->MyDatabase(), picker_.get(),
                  showState_.get(), dlgMsg_.get());
    }
    ~BenchHost() { Release_It(); }

    // Shows the asset tab with a new editor, as the first visit of the tab does.
    static void showTab() {
        ::InfoForm->Info_PageControl->SetActivePage(::InfoForm->Gheimat_TabSheet);
        delete ::AmvalForm;
        ::InfoForm->Info_PageControl->SetActivePage(::InfoForm->Amval_TabSheet);
        QApplication::setActiveWindow(::InfoForm->window());
        ::AmvalForm->dbgAmval->setFocus();
    }

private:
    QTemporaryDir appDir_;
    std::unique_ptr<host::HostSession> session_;
    std::unique_ptr<host::TDlgMsg> dlgMsg_;
    std::unique_ptr<host::TShowStateForm> showState_;
    std::unique_ptr<host::TTempGridForm> picker_;
    std::unique_ptr<ui::TForm> main_;
};

// Made on first use and ended before the application object.
std::unique_ptr<BenchHost>& hostInstance() {
    static std::unique_ptr<BenchHost> host;
    return host;
}

BenchHost& benchHost() {
    if (!hostInstance())
        hostInstance() = std::make_unique<BenchHost>();
    return *hostInstance();
}

std::size_t bareLoop(const char* sql) {
    sqlite3* db = BenchDatabase::openReadOnly();
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    const int columns = sqlite3_column_count(stmt);
    std::size_t bytes = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        for (int c = 0; c < columns; ++c) {
            benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
            bytes += sqlite3_column_bytes(stmt, c);
        }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return bytes;
}

void ShowTabBare(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(bareLoop("SELECT * FROM D_Amval"));
}

void TableOpen(benchmark::State& state) {
    data::TADOConnection connection;
    connection.SetConnectionString(QStringLiteral("Provider=SQLite;Data Source=") + BenchDatabase::path());
    connection.Open();
    for (auto _ : state) {
        data::TADOTable table;
        table.SetConnection(&connection);
        table.SetTableName(QStringLiteral("D_Amval"));
        table.Open();
        benchmark::DoNotOptimize(table.RecordCount());
    }
}

void ShowTab(benchmark::State& state) {
    benchHost();
    std::size_t heap = 0;
    {
        ::InfoForm->Info_PageControl->SetActivePage(::InfoForm->Gheimat_TabSheet);
        delete ::AmvalForm;
        const std::size_t before = HeapUsage::inUse();
        BenchHost::showTab();
        heap = HeapUsage::inUse() - before;
    }
    for (auto _ : state)
        BenchHost::showTab();
    const double disk = double(BenchDatabase::tableBytesOnDisk());
    state.counters["rows"] = ::AmvalForm->tblAmval->RecordCount();
    state.counters["heap_MB"] = double(heap) / (1 << 20);
    state.counters["heap/disk"] = disk > 0 ? double(heap) / disk : 0;
}

void HoldDown(benchmark::State& state) {
    benchHost();
    BenchHost::showTab();
    constexpr int Rows = 1000;
    for (auto _ : state) {
        state.PauseTiming();
        ::AmvalForm->tblAmval->First();
        state.ResumeTiming();
        for (int i = 0; i < Rows; ++i)
            QTest::keyClick(::AmvalForm->dbgAmval, Qt::Key_Down);
    }
}

void TitleSort(benchmark::State& state) {
    benchHost();
    BenchHost::showTab();
    QHeaderView* header = ::AmvalForm->dbgAmval->horizontalHeader();
    const int column = 1; // the asset name
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                    header->height() / 2);
    for (auto _ : state)
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

} // namespace

BENCHMARK(ShowTabBare)->Name("ShowTab/BareSqlite")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(TableOpen)->Name("TableOpen")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ShowTab)->Name("ShowTab/Dataset")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(HoldDown)->Name("HoldDown1000")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(TitleSort)->Name("TitleSort")->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::GuardedApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    BenchDatabase::path();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    hostInstance().reset();
    benchmark::Shutdown();
    return 0;
}
