#include "SuitePath.h"
#include "TMenuItem.h"
#include "ToolkitGridFixture.h"

#include <QFile>

using namespace tarvand;
using tarvand::test::ToolkitGridFixture;

namespace {

const QString filterCaption = "پالايش گزارش ...";
const QString undoCaption = "بازگشت از پالايش";

class FilterTest : public ToolkitGridFixture {
protected:
    void SetUp() override {
        ToolkitGridFixture::SetUp();
        table = openTable("D_Makan");
        showGrid(table.get(), {"MakanCod", "MakanNam"});
        item.SetCaption(filterCaption);
    }
    int shownRows() const { return grid->model()->rowCount(); }

    std::unique_ptr<data::TADOTable> table;
    ui::TMenuItem item;
};

} // namespace

TEST_F(FilterTest, ChosenFilterNarrowsTheGridAndUndoRestoresIt) {
    installSibling("Filter.dll");
    ASSERT_EQ(shownRows(), 9);
    global.ToggleFilter(&item, grid, table.get(), "گزارش مكان");

    EXPECT_EQ(siblingCall("ShowFilter"), "filtering|database|null|dbgName|گزارش مكان|");
    EXPECT_EQ(item.Caption(), undoCaption);
    EXPECT_TRUE(global.FilterActive);
    data::TDataSet* filtered = grid->DataSource()->DataSet();
    ASSERT_NE(filtered, table.get());
    ASSERT_TRUE(filtered->Active());
    EXPECT_EQ(filtered->RecordCount(), 2);
    EXPECT_EQ(filtered->Name, "tblD_Makan");
    EXPECT_EQ(shownRows(), 2);

    global.ToggleFilter(&item, grid, table.get(), "گزارش مكان");
    EXPECT_EQ(item.Caption(), filterCaption);
    EXPECT_FALSE(global.FilterActive);
    EXPECT_EQ(grid->DataSource()->DataSet(), table.get());
    EXPECT_EQ(shownRows(), 9);
    // The filtered query outlives the undo.
    EXPECT_TRUE(filtered->Active());
}

TEST_F(FilterTest, CancelledDialogLeavesCaptionAndData) {
    installSibling("Filter.dll");
    EXPECT_EQ(global.ShowFilterDialog(grid, "r"), "  Select * From D_Makan Where MakanCod <= '  2'  ");
    global.ToggleFilter(&item, grid, table.get(), "CANCEL");
    EXPECT_TRUE(siblingCall("ShowFilter").endsWith("|CANCEL|"));
    EXPECT_EQ(item.Caption(), filterCaption);
    EXPECT_EQ(grid->DataSource()->DataSet(), table.get());
    EXPECT_EQ(shownRows(), 9);
}

TEST_F(FilterTest, FilterModuleThatCannotBeLoadedLeavesTheCaptionSilently) {
    QFile junk(appFile("DLLs/GlobalForms/Filter" + SuitePath::LibrarySuffix()));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a library");
    junk.close();
    global.ToggleFilter(&item, grid, table.get(), QString());
    EXPECT_EQ(item.Caption(), filterCaption);
    EXPECT_EQ(grid->DataSource()->DataSet(), table.get());
    EXPECT_TRUE(plainMessages.isEmpty());
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(global.ShowFilterDialog(grid, QString()).isEmpty());
}
