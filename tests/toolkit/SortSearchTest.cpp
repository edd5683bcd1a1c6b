#include "ToolkitGridFixture.h"

using namespace tarvand;
using tarvand::test::ToolkitGridFixture;

namespace {

class SortSearchTest : public ToolkitGridFixture {
protected:
    void SetUp() override {
        ToolkitGridFixture::SetUp();
        table = openTable("D_Makan");
        showGrid(table.get(), {"MakanCod", "MakanNam", "Tafsily2"});
    }
    ui::TColumn* column(int index) const { return grid->Columns()->Items(index); }
    // The editor's title-click handler: sort, then remember the column.
    void click(int index) {
        global.SortByTitle(grid, lastColumn, column(index), QString());
        lastColumn = column(index);
    }
    QStringList titleColors() const {
        QStringList colors;
        for (int i = 0; i < grid->Columns()->Count(); ++i)
            colors.append(column(i)->Title()->FontColor().name());
        return colors;
    }
    QString firstCode() {
        table->First();
        return table->FieldByName("MakanCod")->AsString();
    }

    std::unique_ptr<data::TADOTable> table;
    ui::TColumn* lastColumn = nullptr;
};

const QString red = QColor(Qt::red).name();
const QString blue = QColor(Qt::blue).name();
const QString black = QColor(Qt::black).name();

} // namespace

// A, B, A all sort ascending; a second click on the same column descending, a third ascending; a
// descending sort set elsewhere makes the last column ascending.
TEST_F(SortSearchTest, TitleClicksSortAndColourTheTitles) {
    click(0);
    EXPECT_EQ(table->Sort(), " MakanCod ASC ");
    EXPECT_EQ(titleColors(), (QStringList{red, black, black}));
    click(1);
    EXPECT_EQ(table->Sort(), " MakanNam ASC ");
    EXPECT_EQ(titleColors(), (QStringList{black, red, black}));
    click(0);
    EXPECT_EQ(table->Sort(), " MakanCod ASC ");
    EXPECT_EQ(firstCode(), "  1");
    click(0);
    EXPECT_EQ(table->Sort(), " MakanCod DESC ");
    EXPECT_EQ(titleColors(), (QStringList{blue, black, black}));
    EXPECT_EQ(firstCode(), "  9");
    click(0);
    EXPECT_EQ(table->Sort(), " MakanCod ASC ");
    EXPECT_EQ(titleColors(), (QStringList{red, black, black}));
    click(1);
    table->SetSort(" MakanNam DESC ");
    click(1);
    EXPECT_EQ(table->Sort(), " MakanNam ASC ");
}

TEST_F(SortSearchTest, ATitleClickOnACalculatedColumnKeepsTheSortAndTitles) {
    table->Close();
    table->AddCalcField("Label", data::TFieldType::ftString, 10);
    table->Open();
    grid->Columns()->Add()->SetFieldName("Label");
    click(0);
    click(3);
    EXPECT_EQ(table->Sort(), " MakanCod ASC ");
    EXPECT_EQ(titleColors(), (QStringList{red, black, black, black}));
}

TEST_F(SortSearchTest, PrefixGoesInFrontOfTheField) {
    EXPECT_TRUE(global.SortByTitle(grid, nullptr, column(2), "MakanNam,"));
    EXPECT_EQ(table->Sort(), "MakanNam, Tafsily2 ASC ");
}

TEST_F(SortSearchTest, SortByColumnSortsByTheFieldAloneOrOnlyBlackensTitles) {
    click(0);
    EXPECT_TRUE(global.SortByColumn(table.get(), grid, 1));
    EXPECT_EQ(table->Sort(), "MakanNam");
    EXPECT_EQ(titleColors(), (QStringList{black, red, black}));
    EXPECT_TRUE(global.SortByColumn(table.get(), grid, -1));
    EXPECT_EQ(titleColors(), (QStringList{black, black, black}));
    EXPECT_EQ(table->Sort(), "MakanNam");
}

TEST_F(SortSearchTest, SearchAndAdvancedSortDoNothingWithoutTheModuleAndHandOverTheirTextsWithIt) {
    QString memory = "_MAKANCODX=1;_MAKANNAM=OLD;";
    global.SearchGrid(grid, QString(), QString(), memory);
    global.AdvancedSort(grid);
    EXPECT_EQ(memory, "_MAKANCODX=1;_MAKANNAM=OLD;");
    EXPECT_TRUE(plainMessages.isEmpty());
    EXPECT_TRUE(shown.empty());
    installSibling("Search.dll");
    global.AdvancedSort(grid);
    EXPECT_EQ(siblingCall("AdvSort"), "dbgName|||");
    grid->SetSelectedIndex(0);
    global.SearchGrid(grid, QString(), QString(), memory);
    EXPECT_EQ(siblingCall("GridSearch"), "dbgName|||");
    EXPECT_EQ(memory, "_MAKANCODX=1;_MAKANNAM=OLD;_MAKANCOD=pid;");
    grid->SetSelectedIndex(1);
    global.SearchGrid(grid, "report", "D_Makan", memory);
    EXPECT_EQ(siblingCall("GridSearch"), "dbgName|report|D_Makan|OLD");
    // Replacing goes through SetSetting, which upper-cases the list.
    EXPECT_EQ(memory, "_MAKANCODX=1;_MAKANNAM=PID;_MAKANCOD=PID;");
}
