// Typing into the grid: the grid's current row is the dataset's cursor, edits start with Edit,
// leaving a row posts it, and refusals keep what the user typed.
#include "EAbort.h"
#include "GridFixture.h"
#include "TField.h"

#include <QHeaderView>
#include <QLineEdit>

namespace tarvand::ui::test {
namespace {

using data::TDataSetState;

class GridEditing : public GridFixture {
protected:
    data::TField* name() const { return table->FieldByName("MakanNam"); }
};

TEST_F(GridEditing, TypingEditsEnterWritesTheFieldLeavingTheRowPostsItAndEscUndoesCellThenRow) {
    type("انبار");
    EXPECT_EQ(table->State(), TDataSetState::dsEdit);
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->text(), "انبار");
    press(Qt::Key_Return);
    EXPECT_EQ(name()->AsString(), "انبار");
    EXPECT_EQ(table->State(), TDataSetState::dsEdit);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_NE(stored("  1"), "انبار");
    press(Qt::Key_Down);
    EXPECT_EQ(table->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(table->RecNo(), 2);
    EXPECT_EQ(currentViewRow(), 1);
    EXPECT_EQ(stored("  1"), "انبار");
    EXPECT_EQ(cell(0, 1), "انبار");
    EXPECT_TRUE(errors.isEmpty());
    const QString before = name()->AsString();
    const int row = currentViewRow();
    type("Q");
    press(Qt::Key_Escape);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(table->State(), TDataSetState::dsEdit);
    EXPECT_EQ(name()->AsString(), before);
    press(Qt::Key_Escape);
    EXPECT_EQ(table->State(), TDataSetState::dsBrowse);
    type("Q");
    press(Qt::Key_Return);
    press(Qt::Key_Escape);
    EXPECT_EQ(table->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(name()->AsString(), before);
    EXPECT_EQ(cell(row, 1), before);
}

TEST_F(GridEditing, ARefusedPostKeepsTheRowInEditWithTheTypedValues) {
    int refusals = 0;
    table->BeforePost = [&](data::TDataSet*) {
        ++refusals;
        Abort();
    };
    type("xyz");
    press(Qt::Key_Down);
    EXPECT_EQ(refusals, 1);
    EXPECT_EQ(table->RecNo(), 1);
    EXPECT_EQ(currentViewRow(), 0);
    EXPECT_EQ(table->State(), TDataSetState::dsEdit);
    EXPECT_EQ(name()->AsString(), "xyz");
    EXPECT_EQ(cell(0, 1), "xyz");
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
    // A click on another row is refused the same way.
    const QRect third = grid->visualRect(grid->model()->index(2, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, third.center());
    EXPECT_EQ(refusals, 2);
    EXPECT_EQ(table->RecNo(), 1);
    EXPECT_EQ(currentViewRow(), 0);
}

TEST_F(GridEditing, DownOnTheLastRowAppendsARowPostedOnlyWhenTypedIntoAndInsertOpensOneAboveTheCurrent) {
    table->Last();
    press(Qt::Key_Down);
    EXPECT_EQ(table->State(), TDataSetState::dsInsert);
    EXPECT_EQ(table->RecordCount(), 10);
    EXPECT_EQ(currentViewRow(), 9);
    press(Qt::Key_Down);
    EXPECT_EQ(table->RecordCount(), 10);
    press(Qt::Key_Up);
    EXPECT_EQ(table->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(table->RecordCount(), 9);
    press(Qt::Key_Down);
    grid->SetSelectedIndex(0);
    type("77");
    press(Qt::Key_Tab);
    type("new place");
    press(Qt::Key_Up);
    EXPECT_EQ(table->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(stored("77"), "new place");
    table->SetRecNo(6);
    EXPECT_EQ(currentViewRow(), 5);
    table->SetRecNo(3);
    EXPECT_EQ(currentViewRow(), 2);
    press(Qt::Key_Insert);
    EXPECT_EQ(table->State(), TDataSetState::dsInsert);
    EXPECT_EQ(table->RecNo(), 3);
    EXPECT_EQ(currentViewRow(), 2);
    EXPECT_TRUE(cell(2, 0).isEmpty());
}

TEST_F(GridEditing, CtrlDeleteDeletesNothingAndClicksMoveTheCursorAndReachTitleAndDoubleClickEvents) {
    QList<WORD> keys;
    TShiftState shift;
    grid->OnKeyDown = [&](TObject*, WORD& key, TShiftState state) {
        keys.append(key);
        shift = state;
    };
    press(Qt::Key_Delete, Qt::ControlModifier);
    // The Ctrl key on its way down is a key of its own, as in the form library.
    EXPECT_EQ(keys, QList<WORD>({VK_CONTROL, VK_DELETE}));
    EXPECT_EQ(shift, TShiftState(ssCtrl));
    EXPECT_EQ(table->RecordCount(), 9);
    EXPECT_EQ(table->State(), TDataSetState::dsBrowse);
    TColumn* clicked = nullptr;
    int doubleClicks = 0;
    grid->OnTitleClick = [&](TColumn* column) { clicked = column; };
    grid->OnDblClick = [&](TObject*) { ++doubleClicks; };
    const QRect target = grid->visualRect(grid->model()->index(4, 2));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, target.center());
    EXPECT_EQ(table->RecNo(), 5);
    EXPECT_EQ(grid->SelectedIndex(), 2);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, target.center());
    EXPECT_EQ(doubleClicks, 1);
    const int titleX = grid->horizontalHeader()->sectionViewportPosition(0) + 5;
    QTest::mouseClick(grid->horizontalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(titleX, 5));
    EXPECT_EQ(clicked, grid->Columns()->Items(0));
}

TEST_F(GridEditing, AnEnterWalkCommitsEachCellAndPendingTextKeepsToTheFieldLengthAndIsWrittenBeforeAPost) {
    grid->OnKeyDown = [this](TObject*, WORD& key, TShiftState) {
        if (key == VK_RETURN && grid->SelectedIndex() < grid->Columns()->Count() - 1) {
            grid->SetSelectedIndex(grid->SelectedIndex() + 1);
        }
    };
    QStringList entered;
    grid->OnColEnter = [&](TObject*) { entered.append(grid->SelectedField()->FieldName()); };
    type("walked");
    press(Qt::Key_Return);
    EXPECT_EQ(name()->AsString(), "walked");
    EXPECT_EQ(entered, QStringList({"Tafsily2"}));
    EXPECT_EQ(grid->SelectedIndex(), 2);
    EXPECT_EQ(grid->currentIndex().column(), 2);
    const QString before = name()->AsString();
    grid->SetSelectedIndex(0);
    type("12345");
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->text(), "123");
    table->Post();
    EXPECT_EQ(table->FieldByName("MakanCod")->AsString(), "123");
    EXPECT_EQ(stored("123"), before);
}

TEST_F(GridEditing, RefusedEditsReadOnlyColumnsAndGridsTakeNoTyping) {
    table->BeforeEdit = [](data::TDataSet*) { Abort(); };
    const QString before = name()->AsString();
    type("q");
    EXPECT_EQ(table->State(), TDataSetState::dsBrowse);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(name()->AsString(), before);
    EXPECT_TRUE(errors.isEmpty());
    table->BeforeEdit = nullptr;
    grid->Columns()->Items(1)->SetReadOnly(true);
    type("x");
    EXPECT_EQ(table->State(), TDataSetState::dsBrowse);
    grid->Columns()->Items(1)->SetReadOnly(false);
    grid->SetOptions(grid->Options() & ~dgEditing);
    type("x");
    EXPECT_EQ(table->State(), TDataSetState::dsBrowse);
    grid->SetOptions(grid->Options() | dgEditing);
    type("x");
    EXPECT_EQ(table->State(), TDataSetState::dsEdit);
}

} // namespace
} // namespace tarvand::ui::test
