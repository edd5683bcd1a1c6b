#include "EAbort.h"
#include "HostContext.h"
#include "HostSession.h"
#include "ModuleHost.h"
#include "TADOQuery.h"
#include "TDBGrid.h"
#include "TDataSource.h"
#include "TDlgMsg.h"
#include "TForm.h"
#include "TGlobal.h"
#include "TImageList.h"
#include "TKorvObject.h"
#include "TMenuItem.h"
#include "TMyDatabase.h"
#include "TPopupMenu.h"

#include <QDir>
#include <QMenu>
#include <gtest/gtest.h>

using namespace tarvand;
using testsupport::MessageAnswers;
using testsupport::ModuleHost;
using K = TKorvObject;

namespace {

// An editor's grid over the asset locations, its popup menu with the window's pictures, and its
// command object configured as the editors configure it.
class KorvObjectTest : public ::testing::Test {
protected:
    explicit KorvObjectTest(int userId = 1) : host(userId, ModuleHost::Context::SetNow) {}

    void SetUp() override {
        query.Name = QStringLiteral("tblMakan");
        query.SetConnection(MyDatabase->Connection());
        source.SetDataSet(&query);
        form.resize(600, 300);
        grid = new ui::TDBGrid(&form);
        grid->SetAlign(ui::alClient);
        grid->SetDataSource(&source);
        auto* menu = new ui::TPopupMenu(grid);
        menu->SetImages(new ui::TImageList(menu));
        grid->SetPopupMenu(menu);
        open(QStringLiteral("Select * From D_Makan"));
        TKorvObject::Settings settings;
        settings.Grid = grid;
        settings.Prog = QStringLiteral("D");
        settings.Item = QStringLiteral("SABT");
        settings.Form = QStringLiteral("MAKAN");
        settings.PropertyCaption = QStringLiteral("مشخصات گزارش [مكان استقرار دارايي]");
        settings.ReportTitle = QStringLiteral("گزارش مكان استقرار دارايي دوره مالي [1403]");
        settings.DependProcedure = QStringLiteral("sp_D_Depended_MakanCode");
        settings.KeyExpression = QStringLiteral("MakanCod");
        settings.KeyField = QStringLiteral("MakanCod");
        settings.TableName = QStringLiteral("D_Makan");
        commands.Configure(settings);
        commands.CreatePopupMenu();
        form.Show();
    }
    void open(const QString& statement) {
        query.SetSQL(statement);
        query.Open();
    }

    // Opens the popup as a right click does; returns whether it opened, and closes it again.
    bool popup() {
        const bool opened = grid->PopupMenu()->Popup(100, 100);
        if (QMenu* menu = grid->PopupMenu()->OpenMenu())
            menu->close();
        return opened;
    }

    bool enabled(K::Command command) const { return commands.MenuItem(command)->Enabled(); }

    // The commands whose enabling the rules decide.
    QList<K::Command> enabledCommands() const {
        QList<K::Command> result;
        for (K::Command command :
             {K::cmSearch, K::cmSaveColumns, K::cmSendTo, K::cmCopyRecord, K::cmPasteRecord, K::cmDelete,
              K::cmFilter, K::cmReportProperties, K::cmPrint, K::cmAdvancedPrint, K::cmAdvancedSort,
              K::cmBestFit, K::cmDbfDos, K::cmDbfWin}) {
            if (enabled(command))
                result << command;
        }
        return result;
    }

    ModuleHost host;
    ui::TForm form;
    data::TADOQuery query;
    data::TDataSource source;
    ui::TDBGrid* grid = nullptr;
    TKorvObject commands;
};

class RestrictedUserTest : public KorvObjectTest {
protected:
    RestrictedUserTest() : KorvObjectTest(2) {}
};

} // namespace

TEST_F(KorvObjectTest, BuildsTheMenuInOrderWithShortcutsTagsAndHiddenCellItems) {
    const ui::TMenuItem* items = grid->PopupMenu()->Items();
    const QList<std::tuple<QString, QString, int>> expected = {
        {QStringLiteral("راهنما"), QStringLiteral("F1"), K::cmHelp},
        {QStringLiteral("جستجو ..."), QStringLiteral("Ctrl+F"), K::cmSearch},
        {QStringLiteral("ثبت وضعيت ستونها"), QStringLiteral("Ctrl+G"), K::cmSaveColumns},
        {QStringLiteral("بازگشت به وضعيت اوليه ستونها"), QStringLiteral("Alt+G"), K::cmResetColumns},
        {QStringLiteral("ارسال به"), QString(), K::cmSendTo},
        {QStringLiteral("کپي رديف به حافظه"), QStringLiteral("Ctrl+Ins"), K::cmCopyRecord},
        {QStringLiteral("بازيابي رديف از حافظه"), QStringLiteral("Shift+Ins"), K::cmPasteRecord},
        {QStringLiteral("کپي خانه به حافظه"), QStringLiteral("Ctrl+C"), K::cmCopyCell},
        {QStringLiteral("بازيابي خانه از حافظه"), QStringLiteral("Ctrl+V"), K::cmPasteCell},
        {QStringLiteral("حذف رديف"), QStringLiteral("Ctrl+Del"), K::cmDelete},
        {QStringLiteral("پالايش گزارش ..."), QStringLiteral("Ctrl+L"), K::cmFilter},
        {QStringLiteral("مشخصات گزارش ..."), QString(), K::cmReportProperties},
        {QStringLiteral("چاپ ..."), QStringLiteral("Ctrl+P"), K::cmPrint},
        {QStringLiteral("چاپ پيشرفته ..."), QString(), K::cmAdvancedPrint},
        {QStringLiteral("مرتب سازي پيشرفته ..."), QString(), K::cmAdvancedSort},
        {QStringLiteral("تنظيم عرض ستونها"), QString(), K::cmBestFit},
        {QStringLiteral("Dbf->Dos"), QString(), K::cmDbfDos},
        {QStringLiteral("Dbf->Win"), QString(), K::cmDbfWin},
    };
    ASSERT_EQ(items->Count(), expected.size());
    for (int index = 0; index < items->Count(); ++index) {
        const auto& [caption, shortCut, tag] = expected[index];
        EXPECT_EQ(items->Items(index)->Caption(), caption) << index;
        EXPECT_EQ(items->Items(index)->ShortCutText(), shortCut) << index;
        EXPECT_EQ(items->Items(index)->Tag, tag) << index;
        const bool cellItem = tag == K::cmCopyCell || tag == K::cmPasteCell;
        EXPECT_EQ(items->Items(index)->Visible(), !cellItem) << index;
    }

    const ui::TMenuItem* sendTo = commands.MenuItem(K::cmSendTo);
    ASSERT_EQ(sendTo->Count(), 4);
    const QStringList captions = {QStringLiteral("Clipboard (محيط ديگر ...)"), QStringLiteral("Excel"),
                                  QStringLiteral("Word"), QStringLiteral("HTML")};
    const ui::TImageList* images = grid->PopupMenu()->Images();
    for (int index = 0; index < 4; ++index) {
        EXPECT_EQ(sendTo->Items(index)->Caption(), captions[index]);
        EXPECT_EQ(sendTo->Items(index)->Tag, K::cmSendToClipboard + index);
        EXPECT_EQ(sendTo->Items(index)->ImageIndex(), index) << "the pictures added to the menu's empty list";
        EXPECT_FALSE(images->Icon(sendTo->Items(index)->ImageIndex()).isNull());
    }
}

TEST_F(KorvObjectTest, BuildingAgainReplacesTheItemsAndReusesThePictures) {
    commands.CreatePopupMenu();
    EXPECT_EQ(grid->PopupMenu()->Items()->Count(), 18);
    EXPECT_EQ(grid->PopupMenu()->Images()->Count(), 4);
    TKorvObject other;
    other.Configure(commands.Configuration());
    other.CreatePopupMenu();
    EXPECT_EQ(grid->PopupMenu()->Images()->Count(), 4);
    EXPECT_EQ(other.MenuItem(K::cmSendToHtml)->ImageIndex(), 3);
}

TEST_F(KorvObjectTest, ItemsAreEnabledForWhatTheGridHolds) {
    open(QStringLiteral("Select * From D_Makan Where MakanCod = 'none'"));
    ASSERT_TRUE(popup());
    EXPECT_EQ(enabledCommands(), QList<K::Command>()) << "nothing to act on in an empty grid";
    EXPECT_TRUE(enabled(K::cmHelp));

    open(QStringLiteral("Select * From D_Makan Where MakanCod = '  1'"));
    ASSERT_TRUE(popup());
    EXPECT_EQ(enabledCommands(),
              QList<K::Command>({K::cmSaveColumns, K::cmSendTo, K::cmCopyRecord, K::cmDelete, K::cmFilter,
                                 K::cmReportProperties, K::cmPrint, K::cmBestFit, K::cmDbfDos, K::cmDbfWin}));

    open(QStringLiteral("Select * From D_Makan Where MakanCod In ('  1', '  2')"));
    ASSERT_TRUE(popup());
    EXPECT_TRUE(enabled(K::cmSearch)) << "searching needs two rows";
    EXPECT_FALSE(enabled(K::cmPasteRecord)) << "the row memory is empty";
    commands.RowMemory = QStringLiteral("  9\tانبار");
    ASSERT_TRUE(popup());
    EXPECT_TRUE(enabled(K::cmPasteRecord));
    EXPECT_FALSE(enabled(K::cmAdvancedPrint)) << "only report grids";
    EXPECT_FALSE(enabled(K::cmAdvancedSort));
    EXPECT_TRUE(commands.MenuItem(K::cmFilter)->Visible());
}

TEST_F(KorvObjectTest, ReportGridsGetAdvancedPrintAndSortAndGridsWithoutTableNoFilter) {
    TKorvObject::Settings settings = commands.Configuration();
    settings.Item = QStringLiteral("REPORT");
    settings.TableName = QStringLiteral("  ");
    commands.Configure(settings);
    commands.CreatePopupMenu();
    ASSERT_TRUE(popup());
    EXPECT_TRUE(enabled(K::cmAdvancedPrint));
    EXPECT_TRUE(enabled(K::cmAdvancedSort));
    EXPECT_FALSE(commands.MenuItem(K::cmFilter)->Visible());
}

TEST_F(KorvObjectTest, PrintRefusedTurnsOffBothPrintCommands) {
    host.Exec(QStringLiteral("Update UserSdc Set KORVASH = 'COPY=YES;PRINT=NO;' Where UserId = '1'"));
    TKorvObject::Settings settings = commands.Configuration();
    settings.Item = QStringLiteral("REPORT");
    commands.Configure(settings);
    commands.CreatePopupMenu();
    ASSERT_TRUE(popup());
    EXPECT_EQ(Global->PrintAllowed, QStringLiteral("NO")) << "the rights are read on every opening";
    EXPECT_FALSE(enabled(K::cmPrint));
    EXPECT_FALSE(enabled(K::cmAdvancedPrint));
    EXPECT_TRUE(enabled(K::cmSendTo));
    EXPECT_TRUE(enabled(K::cmDbfWin));
}

TEST_F(RestrictedUserTest, CopyRefusedTurnsOffSendingAndDbaseExports) {
    ASSERT_TRUE(popup());
    EXPECT_EQ(Global->CopyAllowed, QStringLiteral("NO"));
    EXPECT_FALSE(enabled(K::cmSendTo));
    EXPECT_FALSE(enabled(K::cmDbfDos));
    EXPECT_FALSE(enabled(K::cmDbfWin));
    EXPECT_TRUE(enabled(K::cmPrint));
    EXPECT_TRUE(enabled(K::cmCopyRecord)) << "the row memory is not a copy to other programs";
}

TEST_F(KorvObjectTest, AClosedDatasetShowsNoPopupAtAll) {
    query.Close();
    EXPECT_FALSE(popup());
    EXPECT_EQ(grid->PopupMenu()->OpenMenu(), nullptr);
    EXPECT_THROW(commands.PopupMenuPopup(grid->PopupMenu()), EAbort);
}

TEST_F(KorvObjectTest, GridMenusLockedByTheToolkitStayClosed) {
    Global->GridMenusAllowed = false;
    EXPECT_FALSE(popup());
    Global->GridMenusAllowed = true;
    EXPECT_TRUE(popup());
}

TEST_F(KorvObjectTest, DeleteOfACodeInUseIsRefused) {
    ASSERT_TRUE(MyDatabase->IsCodeUsed(QStringLiteral("sp_D_Depended_MakanCode"), QStringLiteral("  3")));
    ASSERT_TRUE(query.Locate(QStringLiteral("MakanCod"), QStringLiteral("  3")));
    {
        MessageAnswers answers(host.DlgMsg(), {ui::mrOk});
        commands.MenuItem(K::cmDelete)->Click();
        ASSERT_EQ(answers.Messages().size(), 1);
        EXPECT_EQ(answers.Messages()[0].text, QStringLiteral("گردش دارد."));
        EXPECT_EQ(answers.Messages()[0].kind, QStringLiteral("1E"));
    }
    EXPECT_EQ(query.RecordCount(), 9);
    EXPECT_EQ(query.Tag, 0);
}

TEST_F(KorvObjectTest, DeleteOfAFreeCodeAsksAndDeletesOnYesOnly) {
    ASSERT_FALSE(MyDatabase->IsCodeUsed(QStringLiteral("sp_D_Depended_MakanCode"), QStringLiteral("  9")));
    int tagSeenByBeforeDelete = -1;
    query.BeforeDelete = [&](data::TDataSet* dataset) { tagSeenByBeforeDelete = dataset->Tag; };
    ASSERT_TRUE(query.Locate(QStringLiteral("MakanCod"), QStringLiteral("  9")));
    {
        MessageAnswers answers(host.DlgMsg(), {ui::mrNo});
        commands.DeleteRow();
        ASSERT_EQ(answers.Messages().size(), 1);
        EXPECT_EQ(answers.Messages()[0].text, QStringLiteral("آيا حذف شود؟"));
        EXPECT_EQ(answers.Messages()[0].kind, QStringLiteral("3Q"));
    }
    EXPECT_EQ(query.RecordCount(), 9);
    {
        MessageAnswers answers(host.DlgMsg(), {ui::mrYes});
        commands.DeleteRow();
    }
    EXPECT_EQ(tagSeenByBeforeDelete, 10);
    EXPECT_EQ(query.RecordCount(), 8);
    data::TADOQuery check;
    check.SetConnection(MyDatabase->Connection());
    check.SetSQL(QStringLiteral("Select * From D_Makan Where MakanCod = '  9'"));
    check.Open();
    EXPECT_TRUE(check.IsEmpty());
}

TEST_F(KorvObjectTest, DeleteWhileInsertingCancelsTheNewRowWithoutAsking) {
    query.Append();
    query.FieldByName(QStringLiteral("MakanCod"))->SetAsString(QStringLiteral(" 10"));
    MessageAnswers answers(host.DlgMsg(), {});
    commands.DeleteRow();
    EXPECT_EQ(query.State(), data::TDataSetState::dsBrowse);
    EXPECT_EQ(query.RecordCount(), 9);
}

TEST_F(KorvObjectTest, KeyExpressionJoinsDisplayTextsWithUnderscores) {
    // A procedure that reports only the characteristic row 2 of code 1 as used.
    host.Exec(QStringLiteral("Create Procedure sp_Test_Depended_Sakhtar @Code Varchar(20) As "
                             "Select Case When @Code = '  1_2' Then 1 Else 0 End As UsedCount"));
    query.Name = QStringLiteral("tblSakhtar");
    open(QStringLiteral("Select * From D_Sakhtar"));
    TKorvObject::Settings settings = commands.Configuration();
    settings.DependProcedure = QStringLiteral("sp_Test_Depended_Sakhtar");
    settings.KeyExpression = QStringLiteral("SakhtarCod+'_'+SakhtarRaj");
    commands.Configure(settings);
    commands.CreatePopupMenu();

    ASSERT_TRUE(
        query.Locate(QStringLiteral("SakhtarCod;SakhtarRaj"), QVariantList{QStringLiteral("  1"), 2}));
    EXPECT_EQ(commands.KeyValue(query), QStringLiteral("  1_2"));
    {
        MessageAnswers answers(host.DlgMsg(), {ui::mrOk});
        commands.DeleteRow();
        ASSERT_EQ(answers.Messages().size(), 1);
        EXPECT_EQ(answers.Messages()[0].text, QStringLiteral("گردش دارد."));
    }
    ASSERT_TRUE(
        query.Locate(QStringLiteral("SakhtarCod;SakhtarRaj"), QVariantList{QStringLiteral("  1"), 3}));
    EXPECT_EQ(commands.KeyValue(query), QStringLiteral("  1_3"));
    const int before = query.RecordCount();
    {
        MessageAnswers answers(host.DlgMsg(), {ui::mrYes});
        commands.DeleteRow();
    }
    EXPECT_EQ(query.RecordCount(), before - 1);
}
