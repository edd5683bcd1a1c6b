#include "ToolkitGridFixture.h"

#include <QFontMetrics>

using namespace tarvand;
using tarvand::test::ToolkitGridFixture;

namespace {

class BestFitTest : public ToolkitGridFixture {
protected:
    int textWidth(const QString& text) const { return QFontMetrics(grid->font()).horizontalAdvance(text); }
    int width(int column) const { return grid->Columns()->Items(column)->Width(); }
    // The widest of the names of the asset locations selected by where.
    int widestName(const QString& where) {
        auto names = openQuery("Select MakanNam From D_Makan " + where);
        int widest = 0;
        for (names->First(); !names->Eof(); names->Next())
            widest = std::max(widest, textWidth(names->FieldByIndex(0)->AsString().trimmed()));
        return widest;
    }
};

} // namespace

TEST_F(BestFitTest, EmptyTableGivesTenPixelsPerTitleCharacter) {
    ASSERT_TRUE(myDatabase->ExecSql("Delete From D_Makan"));
    auto table = openTable("D_Makan");
    showGrid(table.get(), {"MakanCod:كد مكان", "MakanNam:نام"});
    myDatabase->BestFitColumns(grid, false, 0);
    EXPECT_EQ(width(0), 70);
    EXPECT_EQ(width(1), 30);
}

TEST_F(BestFitTest, ACalculatedColumnIsSizedByItsTitle) {
    auto table = openTable("D_Makan");
    table->Close();
    table->AddCalcField("Label", data::TFieldType::ftString, 10);
    table->Open();
    showGrid(table.get(), {"Label:برچسب"});
    myDatabase->BestFitColumns(grid, false, 0);
    EXPECT_EQ(width(0), 50);
}

TEST_F(BestFitTest, FilteredQueryMeasuresOnlyItsRows) {
    const QString where = "Where MakanCod >= '  4' And MakanCod <= '  5'";
    auto query = openQuery("Select MakanCod, MakanNam From D_Makan " + where + " Order By MakanCod");
    showGrid(query.get(), {"MakanCod:ك", "MakanNam:ن"});
    int scrolled = 0;
    query->AfterScroll = [&scrolled](data::TDataSet*) { ++scrolled; };
    query->Last();
    scrolled = 0;

    myDatabase->BestFitColumns(grid, false, 0);
    const int filtered = widestName(where);
    ASSERT_LT(filtered, widestName(QString()));
    EXPECT_EQ(width(1), std::max(filtered, textWidth("ن")) + 8);
    EXPECT_EQ(width(0), std::max(textWidth("4"), textWidth("ك")) + 8);
    // The record and the after-scroll handler are given back.
    EXPECT_EQ(query->RecNo(), 2);
    EXPECT_EQ(scrolled, 0);
    ASSERT_TRUE(query->AfterScroll);
    query->First();
    EXPECT_EQ(scrolled, 1);
}

TEST_F(BestFitTest, TableAmountColumnsCountTheirTotalUnlessNotSumable) {
    auto table = openTable("D_Sakhtar");
    ASSERT_TRUE(myDatabase->ExecSql("Update D_Sakhtar Set SakhtarLen = 99999 Where SakhtarRaj = 1"));
    table->Requery();
    showGrid(table.get(), {"SakhtarLen:L", "SakhtarRaj:R"});
    grid->Columns()->Items(1)->SetImeName("Delimiter=P;Sumable=N;");
    const QString total = TGlobal::FormatAmount(scalar("Select Sum(SakhtarLen) From D_Sakhtar"));
    ASSERT_GT(total.size(), 6);

    myDatabase->BestFitColumns(grid, false, 0);
    EXPECT_EQ(width(0), std::max(textWidth(total), textWidth("L")) + 8);
    // Every order number has one digit; without a total the column stays that narrow.
    EXPECT_EQ(width(1), std::max(textWidth("1"), textWidth("R")) + 8);
}

TEST_F(BestFitTest, KeepTitleIgnoresTheCaptionAndHiddenColumnsAreLeftAtZero) {
    auto table = openTable("D_Makan");
    const QString longTitle = "كد مكان استقرار دارايي";
    showGrid(table.get(), {"MakanCod:" + longTitle, "Tafsily2:ت"});
    grid->Columns()->Items(1)->SetVisible(false);
    myDatabase->BestFitColumns(grid, true, 0);
    EXPECT_EQ(width(0), textWidth("9") + 8);
    EXPECT_EQ(width(1), 0);
    myDatabase->BestFitColumns(grid, false, 0);
    EXPECT_EQ(width(0), textWidth(longTitle) + 8);
}
