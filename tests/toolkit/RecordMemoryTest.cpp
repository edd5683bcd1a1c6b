#include "ToolkitGridFixture.h"

#include <QClipboard>
#include <QGuiApplication>

using namespace tarvand;
using tarvand::test::ToolkitGridFixture;

namespace {

// Characteristics rows carry an identity column (IDX) that a paste must leave to the database.
class RecordMemoryTest : public ToolkitGridFixture {
protected:
    void SetUp() override {
        ToolkitGridFixture::SetUp();
        table = openTable("D_Sakhtar");
        showGrid(table.get(), {"SakhtarCod", "SakhtarRaj", "SakhtarNam", "SakhtarLen", "IDX"});
        grid->SetOptions(grid->Options() | ui::dgEditing);
    }
    QString value(const char* field) const { return table->FieldByName(QLatin1String(field))->AsString(); }

    std::unique_ptr<data::TADOTable> table;
};

} // namespace

TEST_F(RecordMemoryTest, RecordCopyIsNameEqualsTextPerGridFieldAndPasteWritesAllButTheIdentity) {
    table->First();
    const QString buffer = global.CopyRecord(grid);
    EXPECT_EQ(buffer, QStringLiteral("SakhtarCod=  1\tSakhtarRaj=1\tSakhtarNam=شماره موتور\t"
                                     "SakhtarLen=20\tIDX=") +
                          value("IDX") + QLatin1Char('\t'));
    table->Append();
    global.PasteRecord(table.get(), grid, buffer);
    EXPECT_EQ(table->State(), data::TDataSetState::dsInsert);
    table->FieldByName("SakhtarRaj")->SetText("9");
    table->Post();
    EXPECT_EQ(scalar("Select SakhtarNam From D_Sakhtar Where SakhtarCod = '  1' And SakhtarRaj = 9"),
              "شماره موتور");
    EXPECT_EQ(scalar("Select Count(Distinct IDX) From D_Sakhtar"), scalar("Select Count(*) From D_Sakhtar"));
}

TEST_F(RecordMemoryTest, RecordPasteIntoAnExistingRowPutsItInEdit) {
    table->First();
    const QString buffer = "SakhtarCod=  1\tSakhtarRaj=1\tSakhtarNam=نو\tSakhtarLen=7\tIDX=999\t";
    const QString idx = value("IDX");
    global.PasteRecord(table.get(), grid, buffer);
    EXPECT_EQ(table->State(), data::TDataSetState::dsEdit);
    EXPECT_EQ(value("SakhtarNam"), "نو");
    EXPECT_EQ(value("SakhtarLen"), "7");
    EXPECT_EQ(value("IDX"), idx);
}

TEST_F(RecordMemoryTest, CellCopyAndPasteGoThroughTheClipboard) {
    table->First();
    grid->SetSelectedIndex(2);
    global.CopyCell(grid);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "شماره موتور");
    table->Next();
    global.PasteCell(grid);
    EXPECT_EQ(table->State(), data::TDataSetState::dsEdit);
    EXPECT_EQ(value("SakhtarNam"), "شماره موتور");
}

TEST_F(RecordMemoryTest, CellPasteLeavesReadOnlyCellsAndReadOnlyGridsAlone) {
    QGuiApplication::clipboard()->setText("متن");
    table->First();
    grid->SetSelectedIndex(2);
    table->FieldByName("SakhtarNam")->SetReadOnly(true);
    global.PasteCell(grid);
    EXPECT_EQ(table->State(), data::TDataSetState::dsBrowse);
    EXPECT_EQ(value("SakhtarNam"), "شماره موتور");

    table->FieldByName("SakhtarNam")->SetReadOnly(false);
    grid->SetOptions(grid->Options() & ~ui::TDBGridOptions(ui::dgEditing));
    global.PasteCell(grid);
    EXPECT_EQ(value("SakhtarNam"), "شماره موتور");
    grid->SetOptions(grid->Options() | ui::dgEditing);
    grid->SetReadOnly(true);
    global.PasteCell(grid);
    EXPECT_EQ(table->State(), data::TDataSetState::dsBrowse);
}
