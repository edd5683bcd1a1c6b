// A register of 100,000 assets: the grid reads only the rows on screen, wherever it scrolls.
#include "GridFixture.h"
#include "TField.h"

#include <QElapsedTimer>
#include <QScrollBar>

namespace tarvand::ui::test {
namespace {

TEST(LargeTable, OnlyTheRowsOnScreenAreRead) {
    testsupport::DemoDatabase database(100000);
    data::TADOConnection connection;
    connection.SetConnectionString("Provider=SQLite;Data Source=" + database.path());
    connection.Open();
    data::TADOTable assets;
    assets.SetConnection(&connection);
    assets.SetTableName("D_Amval");
    assets.AddField("DaraCod", data::TFieldType::ftString, 10);
    assets.AddField("DaraNam", data::TFieldType::ftString, 100);
    assets.AddCalcField("Shown", data::TFieldType::ftString, 20);
    int calculated = 0;
    assets.OnCalcFields = [&](data::TDataSet* dataSet) {
        ++calculated;
        dataSet->FieldByName("Shown")->SetAsString(dataSet->FieldByName("DaraCod")->AsString());
    };
    assets.Open();
    ASSERT_GT(assets.RecordCount(), 100000);
    data::TDataSource source;
    source.SetDataSet(&assets);
    TForm form;
    form.resize(800, 600);
    auto* grid = new TDBGrid(&form);
    grid->SetAlign(alClient);
    for (const char* field : {"DaraCod", "DaraNam", "Shown"}) {
        grid->Columns()->Add()->SetFieldName(field);
    }
    QElapsedTimer timer;
    timer.start();
    grid->SetDataSource(&source);
    form.Show();
    form.grab();
    assets.Last();
    form.grab();
    for (int i = 0; i < 50; ++i) {
        grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum() * i / 50);
        form.grab();
    }
    const qint64 elapsed = timer.elapsed();
    const int visibleRows = grid->VisibleRowCount();
    // Each screenful computes its own rows, a few dozen, never the whole table.
    EXPECT_LT(calculated, 52 * 3 * (visibleRows + 2));
    EXPECT_EQ(grid->currentIndex().row(), assets.RecordCount() - 1);
    EXPECT_EQ(grid->model()->index(assets.RecordCount() - 1, 2).data().toString(),
              assets.FieldByName("DaraCod")->AsString());
    RecordProperty("screenfuls_ms", int(elapsed));
    EXPECT_LT(elapsed, 20000);
}

} // namespace
} // namespace tarvand::ui::test
