// The grid's events: handlers that replace or swallow keys, exceptions from handlers, the popup
// menu, masks and formats of the asset register, and large tables.
#include "EAbort.h"
#include "GridFixture.h"
#include "TField.h"
#include "TPopupMenu.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>

namespace tarvand::ui::test {
namespace {

using data::TDataSetState;

using GridEvents = GridFixture;

TEST_F(GridEvents, OnKeyPressReplacesSwallowsOrAbortsCharactersAndBackspaceGetsThrough) {
    grid->OnKeyPress = [](TObject*, QChar& key) { key = QChar(); };
    type("a");
    EXPECT_EQ(table->State(), TDataSetState::dsBrowse) << "a swallowed first character starts no edit";
    EXPECT_FALSE(grid->EditorMode());
    // A digits-only code column that also maps the Arabic yeh to the Persian one.
    grid->OnKeyPress = [](TObject*, QChar& key) {
        if (key == QChar(0x064A)) {
            key = QChar(0x06CC);
        } else if (key == QLatin1Char('x')) {
            key = QChar();
        } else if (key == QLatin1Char('z')) {
            Abort();
        }
    };
    type("aيxzbc");
    press(Qt::Key_Backspace);
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->text(), "aیb");
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(GridEvents, OnKeyDownSeesEditorKeysAndMayZeroOrReplaceThem) {
    QList<WORD> keys;
    grid->OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
        keys.append(key);
        if (key == VK_DOWN || key == 'Q') {
            key = 0;
        } else if (key == VK_UP) {
            key = VK_DOWN;
        }
    };
    press(Qt::Key_Down);
    EXPECT_EQ(table->RecNo(), 1);
    type("q");
    EXPECT_EQ(table->State(), TDataSetState::dsBrowse);
    press(Qt::Key_Up);
    EXPECT_EQ(table->RecNo(), 2);
    type("ab");
    press(Qt::Key_Return);
    EXPECT_EQ(keys, QList<WORD>({VK_DOWN, 'Q', VK_UP, 'A', 'B', VK_RETURN}));
}

// A key the cell editor has no use for, or one whose handler closed the editor, is not offered a
// second time when it leaves the editor.
TEST_F(GridEvents, EachKeyReachesOnKeyDownOnceEvenWhenTheHandlerClosesTheEditor) {
    QList<WORD> keys;
    grid->OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
        keys.append(key);
        if (key == VK_RETURN)
            grid->SetSelectedIndex(grid->SelectedIndex() + 1); // writes the cell and closes the editor
    };
    type("ab");
    ASSERT_TRUE(grid->EditorMode());
    press(Qt::Key_F5);
    press(Qt::Key_Return);
    EXPECT_EQ(keys, QList<WORD>({'A', 'B', WORD(VK_F1 + 4), VK_RETURN}));
    EXPECT_FALSE(grid->EditorMode());
}

TEST_F(GridEvents,
       ExceptionsFromGridEventsReachTheApplicationAbortStaysSilentAndAGridMayOutliveItsDataSource) {
    grid->OnColEnter = [](TObject*) { throw EDatabaseError("column refused"); };
    press(Qt::Key_Left);
    EXPECT_EQ(errors, QStringList({"column refused"}));
    grid->OnKeyDown = [](TObject*, WORD&, TShiftState) { Abort(); };
    press(Qt::Key_Down);
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(table->RecNo(), 1);
    grid->OnKeyDown = nullptr;
    grid->OnDblClick = [](TObject*) { throw std::runtime_error("picker failed"); };
    const QRect target = grid->visualRect(grid->model()->index(0, 1));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, target.center());
    EXPECT_EQ(errors.last(), "picker failed");
    auto* orphan = new TDBGrid(form.get());
    {
        data::TDataSource shortLived;
        shortLived.SetDataSet(table.get());
        orphan->SetDataSource(&shortLived);
        EXPECT_EQ(orphan->model()->rowCount(), 9);
    }
    EXPECT_EQ(orphan->DataSource(), nullptr);
    EXPECT_EQ(orphan->model()->rowCount(), 0);
    table->Next();
    delete orphan;
}

TEST_F(GridEvents, ADatabaseErrorOnPostIsReportedAndTheRowStays) {
    grid->SetSelectedIndex(0);
    type("  2"); // the stored form of another location's code
    press(Qt::Key_Down);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.at(0).contains("PK_D_Makan")) << errors.at(0).toStdString();
    EXPECT_EQ(table->RecNo(), 1);
    EXPECT_EQ(table->State(), TDataSetState::dsEdit);
}

TEST_F(GridEvents, PopupOpensOnRightClickUnlessRefusedAndItsShortcutWinsOverOnKeyDownEvenWhileEditing) {
    TPopupMenu menu;
    int deletes = 0;
    auto* item = new TMenuItem(&menu);
    item->SetCaption("حذف رديف");
    item->SetShortCut(QKeySequence("Ctrl+Del"));
    item->OnClick = [&](TObject*) { ++deletes; };
    menu.Items()->Add(item);
    bool refuse = true;
    menu.OnPopup = [&](TObject*) {
        if (refuse) {
            Abort();
        }
    };
    grid->SetPopupMenu(&menu);
    const QPoint at = grid->visualRect(grid->model()->index(0, 1)).center();
    QContextMenuEvent first(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid->viewport(), &first);
    EXPECT_EQ(menu.OpenMenu(), nullptr);
    refuse = false;
    QContextMenuEvent second(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid->viewport(), &second);
    ASSERT_NE(menu.OpenMenu(), nullptr);
    EXPECT_EQ(menu.PopupComponent(), grid);
    menu.OpenMenu()->close();
    EXPECT_TRUE(errors.isEmpty());
    int keyDowns = 0;
    grid->OnKeyDown = [&](TObject*, WORD& key, TShiftState) { keyDowns += key == VK_DELETE ? 1 : 0; };
    press(Qt::Key_Delete, Qt::ControlModifier);
    type("a");
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(deletes, 2);
    EXPECT_EQ(keyDowns, 0);
}

class AssetGrid : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        assets = openTable("D_Amval");
        assets->FieldByName("BahreDate")->SetEditMask("0000/00/00");
        assets->FieldByName("EndValue")->SetDisplayFormat("###,###,###,###,0");
        showGrid(assets.get(), {"DaraCod", "BahreDate", "EndValue"});
    }
    std::unique_ptr<data::TADOTable> assets;
};

TEST_F(AssetGrid, DatesGoThroughTheEditMaskAndAmountsShowFormattedEditPlainAndRefuseText) {
    grid->SetSelectedIndex(1);
    type("14020105");
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->text(), "1402/01/05");
    press(Qt::Key_Return);
    EXPECT_EQ(assets->FieldByName("BahreDate")->AsString(), "1402/01/05");
    press(Qt::Key_F2);
    ASSERT_NE(editor(), nullptr);
    editor()->selectAll();
    press(Qt::Key_Delete);
    press(Qt::Key_Return);
    EXPECT_EQ(assets->FieldByName("BahreDate")->AsString(), "//");
    assets->Edit();
    assets->FieldByName("EndValue")->SetAsFloat(1234567);
    EXPECT_EQ(cell(0, 2), "1,234,567");
    grid->SetSelectedIndex(2);
    press(Qt::Key_F2);
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->text(), "1234567");
    editor()->selectAll();
    type("12a");
    press(Qt::Key_Return);
    EXPECT_EQ(errors.size(), 1);
    ASSERT_TRUE(grid->EditorMode());
    EXPECT_EQ(grid->EditText(), "12a");
}

} // namespace
} // namespace tarvand::ui::test
