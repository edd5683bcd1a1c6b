// Moving around the grid: empty tables, sorting, hidden columns, column widths and focus.
#include "GridFixture.h"
#include "TEdit.h"
#include "TField.h"

#include <QHeaderView>

namespace tarvand::ui::test {
namespace {

using data::TDataSetState;

class GridNavigation : public GridFixture {
protected:
    void emptyTheTable() {
        tester.reset();
        form.reset();
        connection.Execute("Delete From D_Makan");
        table = openTable("D_Makan");
        showGrid(table.get(), {"MakanCod", "MakanNam"});
    }
};

TEST_F(GridNavigation, EscOnTheOnlyNewRowOfAnEmptyTableLeavesNoRowAndTypingStartsOne) {
    emptyTheTable();
    EXPECT_EQ(grid->model()->rowCount(), 0);
    press(Qt::Key_Down);
    EXPECT_EQ(table->State(), TDataSetState::dsInsert);
    press(Qt::Key_Escape);
    EXPECT_EQ(table->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(table->RecordCount(), 0);
    EXPECT_EQ(grid->model()->rowCount(), 0);
    EXPECT_FALSE(grid->currentIndex().isValid());
    type("5");
    EXPECT_EQ(table->State(), TDataSetState::dsInsert);
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->text(), "5");
    EXPECT_EQ(currentViewRow(), 0);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(GridNavigation, SortingKeepsTheCurrentRecordAndEditorModeOpensWithoutEditingAndClosesWriting) {
    table->SetRecNo(2);
    const QString code = table->FieldByName("MakanCod")->AsString();
    table->SetSort(" MakanCod DESC ");
    EXPECT_EQ(cell(0, 0), "  9");
    EXPECT_EQ(cell(currentViewRow(), 0), code);
    EXPECT_EQ(currentViewRow(), table->RecNo() - 1);
    grid->SetEditorMode(true);
    ASSERT_TRUE(grid->EditorMode());
    EXPECT_EQ(table->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(grid->EditText(), table->FieldByName("MakanNam")->Text());
    press(Qt::Key_End);
    type("!");
    EXPECT_EQ(table->State(), TDataSetState::dsEdit);
    grid->SetEditorMode(false);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_TRUE(table->FieldByName("MakanNam")->AsString().endsWith(QLatin1Char('!')));
}

TEST_F(GridNavigation, TabWalksVisibleColumnsAndWrapsToTheNextRowOrLeavesWithoutTheTabsOption) {
    auto* other = new TEdit(form.get()); // somewhere else Tab could go
    other->show();
    grid->Columns()->Items(2)->SetVisible(false);
    EXPECT_TRUE(grid->isColumnHidden(2));
    press(Qt::Key_Tab);
    EXPECT_EQ(grid->SelectedIndex(), 0);
    EXPECT_EQ(table->RecNo(), 2);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(table->RecNo(), 1);
    EXPECT_EQ(grid->SelectedIndex(), 2);
    EXPECT_EQ(QApplication::focusWidget(), grid);
    grid->SetSelectedIndex(1);
    grid->SetOptions(grid->Options() & ~dgTabs);
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), other);
    EXPECT_EQ(grid->SelectedIndex(), 1);
}

// Right to left: the next column is on the left.
TEST_F(GridNavigation, ArrowsEndAndPageKeysMoveInVisualOrderAndWidthsArePixelsBothWays) {
    press(Qt::Key_Left);
    EXPECT_EQ(grid->SelectedIndex(), 2);
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    EXPECT_EQ(grid->SelectedIndex(), 0);
    press(Qt::Key_End);
    EXPECT_EQ(grid->SelectedIndex(), 2);
    form->resize(640, 140);
    const int page = grid->VisibleRowCount();
    ASSERT_LT(page, 8);
    press(Qt::Key_PageDown);
    EXPECT_EQ(table->RecNo(), 1 + page);
    press(Qt::Key_PageUp);
    EXPECT_EQ(table->RecNo(), 1);
    press(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(table->RecNo(), 9);
    grid->Columns()->Items(1)->SetWidth(250);
    EXPECT_EQ(grid->columnWidth(1), 250);
    grid->horizontalHeader()->resizeSection(1, 180);
    EXPECT_EQ(grid->Columns()->Items(1)->Width(), 180);
}

TEST_F(GridNavigation, LeavingTheGridWritesTheCellRunsOnExitAndDropsANewRowNobodyTypedInto) {
    auto* other = new TEdit(form.get());
    other->show();
    int exits = 0;
    int enters = 0;
    grid->OnExit = [&](TObject*) { ++exits; };
    grid->OnEnter = [&](TObject*) { ++enters; };
    type("typed");
    other->setFocus();
    EXPECT_EQ(table->FieldByName("MakanNam")->AsString(), "typed");
    EXPECT_EQ(exits, 1);
    grid->setFocus();
    EXPECT_EQ(enters, 1);
    press(Qt::Key_Down);
    EXPECT_EQ(stored("  1"), "typed");
    press(Qt::Key_Insert);
    EXPECT_EQ(table->RecordCount(), 10);
    other->setFocus();
    EXPECT_EQ(table->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(table->RecordCount(), 9);
}

TEST_F(GridNavigation, AReadOnlyGridNeitherEditsNorAppends) {
    grid->SetReadOnly(true);
    type("x");
    table->Last();
    press(Qt::Key_Down);
    press(Qt::Key_Insert);
    EXPECT_EQ(table->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(table->RecordCount(), 9);
    EXPECT_TRUE(errors.isEmpty());
}

} // namespace
} // namespace tarvand::ui::test
