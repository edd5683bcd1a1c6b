// Controls: popup menus, tab sheets, alignment, combo boxes, memos and class names.
#include "EAbort.h"
#include "MultiRowTabBar.h"
#include "TApplication.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TForm.h"
#include "TMemo.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TPopupMenu.h"
#include "TShape.h"
#include "TTabSheet.h"

#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace tarvand::ui {
namespace {

class Controls : public ::testing::Test {
protected:
    void SetUp() override {
        Application->OnException = [this](const std::exception& error) {
            errors.append(QString::fromUtf8(error.what()));
        };
    }
    void TearDown() override { Application->OnException = nullptr; }
    TMenuItem* addItem(TPopupMenu& menu, const QString& caption, const QString& shortCut, int* clicks) {
        auto* item = new TMenuItem(&menu);
        item->SetCaption(caption);
        item->SetShortCut(QKeySequence(shortCut));
        item->OnClick = [clicks](TObject*) { ++*clicks; };
        menu.Items()->Add(item);
        return item;
    }
    QStringList errors;
};

TEST_F(Controls, PopupOpensAfterOnPopupWithVisibleItemsAndShortcutsRunEnabledItemsEvenHiddenOnes) {
    TPopupMenu menu;
    int clicks = 0;
    addItem(menu, "حذف رديف", "Ctrl+Del", &clicks);
    addItem(menu, "-", QString(), &clicks);
    TMenuItem* send = addItem(menu, "ارسال به", QString(), &clicks);
    auto* excel = new TMenuItem;
    excel->SetCaption("Excel");
    send->Add(excel);
    addItem(menu, "کپي خانه به حافظه", "Ctrl+C", &clicks)->SetVisible(false);
    addItem(menu, "چاپ ...", "Ctrl+P", &clicks)->SetEnabled(false);
    auto* barcode = new TMenuItem;
    barcode->SetCaption("چاپ باركد ...");
    menu.Items()->Insert(1, barcode);
    EXPECT_EQ(menu.Items()->Items(1), barcode);
    menu.Items()->Delete(1);
    EXPECT_EQ(send->MenuIndex(), 2);
    EXPECT_EQ(excel->Parent(), send);
    bool refuse = true;
    int asked = 0;
    menu.OnPopup = [&](TObject*) {
        ++asked;
        if (refuse) {
            Abort();
        }
    };
    EXPECT_FALSE(menu.Popup(10, 10));
    EXPECT_EQ(menu.OpenMenu(), nullptr);
    refuse = false;
    ASSERT_TRUE(menu.Popup(10, 10));
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(errors.isEmpty());
    const QList<QAction*> actions = menu.OpenMenu()->actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_EQ(actions.at(0)->text(), "حذف رديف");
    EXPECT_EQ(actions.at(0)->shortcut(), QKeySequence("Ctrl+Del"));
    EXPECT_TRUE(actions.at(1)->isSeparator());
    ASSERT_NE(actions.at(2)->menu(), nullptr);
    EXPECT_EQ(actions.at(2)->menu()->actions().at(0)->text(), "Excel");
    EXPECT_FALSE(actions.at(3)->isEnabled());
    actions.at(0)->trigger();
    EXPECT_EQ(clicks, 1);
    menu.OpenMenu()->close();
    TForm form;
    auto* edit = new TEdit(&form);
    edit->SetPopupMenu(&menu);
    form.Show();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(clicks, 2) << "the hidden copy item runs, the disabled print item does not";
}

class Pages : public Controls {
protected:
    void SetUp() override {
        Controls::SetUp();
        pages = new TPageControl(&form);
        pages->SetAlign(alClient);
        for (int i = 0; i < 3; ++i) {
            auto* sheet = new TTabSheet(pages);
            sheet->SetCaption(QStringLiteral("tab %1").arg(i));
            sheet->SetPageControl(pages);
            sheet->OnShow = [this, i](TObject*) { shown.append(i); };
            sheets.append(sheet);
        }
        form.resize(400, 300);
    }
    TForm form;
    TPageControl* pages = nullptr;
    QList<TTabSheet*> sheets;
    QList<int> shown;
};

TEST_F(Pages, TabsThatDoNotFitWrapOntoMoreRowsAndStayWhole) {
    for (int i = 3; i < 10; ++i) {
        auto* sheet = new TTabSheet(pages);
        sheet->SetCaption(QStringLiteral("ثبت اطلاعات %1").arg(i));
        sheet->SetPageControl(pages);
    }
    form.Show();
    const MultiRowTabBar* bar = pages->TabBar();
    ASSERT_GT(bar->rowCount(), 1);
    for (int i = 0; i < bar->count(); ++i) {
        EXPECT_TRUE(bar->rect().contains(bar->tabRect(i))) << i;
        for (int j = i + 1; j < bar->count(); ++j)
            EXPECT_FALSE(bar->tabRect(i).intersects(bar->tabRect(j))) << i << " " << j;
    }
    // The page starts below the last row of tabs, and the current tab's row is that last row.
    EXPECT_GE(sheets.at(0)->mapTo(pages, QPoint(0, 0)).y(), bar->height());
    EXPECT_EQ(bar->tabRect(0).bottom(), bar->height() - 1);
    pages->SetActivePageIndex(9);
    EXPECT_EQ(bar->tabRect(9).bottom(), bar->height() - 1);
    EXPECT_LT(bar->tabRect(0).bottom(), bar->height() - 1);
    form.resize(2000, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(bar->rowCount(), 1);
}

TEST_F(Pages, ADisabledSheetBlocksItsControlsAndRightToLeftTabsChangeByCodeClickOrKeysShowingEachPageOnce) {
    int changes = 0;
    pages->OnChange = [&changes](TObject*) { ++changes; };
    auto* edit = new TEdit(sheets.at(1));
    sheets.at(1)->SetEnabled(false);
    form.Show();
    EXPECT_GT(pages->TabBar()->tabRect(0).left(), pages->TabBar()->tabRect(1).left());
    pages->SetActivePage(sheets.at(1));
    EXPECT_EQ(shown, QList<int>({0, 1}));
    edit->setFocus();
    QTest::keyClicks(edit, "123");
    EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_FALSE(edit->isEnabled());
    sheets.at(1)->SetEnabled(true);
    edit->setFocus();
    QTest::keyClicks(edit, "123");
    EXPECT_EQ(edit->text(), "123");
    pages->SetActivePageIndex(1);
    EXPECT_EQ(changes, 0);
    QTest::mouseClick(pages->TabBar(), Qt::LeftButton, {}, pages->TabBar()->tabRect(2).center());
    EXPECT_EQ(pages->ActivePage(), sheets.at(2));
    EXPECT_EQ(sheets.at(2)->PageIndex(), 2);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(shown, QList<int>({0, 1, 2}));
    pages->TabBar()->setFocus();
    QTest::keyClick(pages->TabBar(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(pages->ActivePageIndex(), 0);
    QTest::keyClick(pages->TabBar(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(pages->ActivePageIndex(), 2);
    // In a right-to-left bar the previous tab lies to the right.
    QTest::keyClick(pages->TabBar(), Qt::Key_Right);
    EXPECT_EQ(pages->ActivePageIndex(), 1);
}

TEST_F(Controls, AlignedPanelsComboBoxesAndMemosAsTheFormsShowThem) {
    TForm form;
    form.resize(300, 200);
    auto* caption = new TPanel(&form);
    caption->SetHeight(24);
    caption->SetAlign(alTop);
    auto* hint = new TPanel(&form);
    hint->SetHeight(20);
    hint->SetAlign(alBottom);
    auto* client = new TPanel(&form);
    client->SetAlign(alClient);
    auto* combo = new TComboBox(&form);
    combo->SetItems({"گروه تفصيلي", "تفصيلي"});
    int changes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    combo->SetItemIndex(1);
    EXPECT_EQ(changes, 0) << "a change by code is not the user's";
    EXPECT_EQ(combo->Text(), "تفصيلي");
    form.Show();
    EXPECT_EQ(caption->geometry(), QRect(0, 0, 300, 24));
    EXPECT_EQ(hint->geometry(), QRect(0, 180, 300, 20));
    EXPECT_EQ(client->geometry(), QRect(0, 24, 300, 156));
    hint->SetVisible(false);
    EXPECT_EQ(client->geometry(), QRect(0, 24, 300, 176));
    EXPECT_EQ(ClassNameOf(new TShape(&form)), "TShape");
    EXPECT_EQ(client->ClassName(), "TPanel");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Up);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(changes, 1);
    TMemo memo;
    memo.resize(220, 80);
    memo.SetWordWrap(true);
    memo.SetText("one\r\ntwo\nthree");
    EXPECT_EQ(memo.Lines(), QStringList({"one", "two", "three"}));
    EXPECT_EQ(memo.LineCount(), 3);
    memo.SetText(QString(200, QLatin1Char('x')).replace(QLatin1Char('x'), "word "));
    EXPECT_GT(memo.LineCount(), 4);
}

} // namespace
} // namespace tarvand::ui
