#include "HostContext.h"
#include "HostSession.h"
#include "ModuleEntry.h"
#include "ModuleHost.h"
#include "TD_Global.h"
#include "TDlgMsg.h"
#include "TForm.h"
#include "TGlobal.h"
#include "TInfoForm.h"
#include "TMyDatabase.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TSpeedButton.h"
#include "TTabSheet.h"
#include "TTempGridForm.h"

#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tarvand;
using testsupport::ModuleHost;
using testsupport::ProcessDeferredDeletes;

namespace {

// Shows every tab once, and both editors of each combined tab, so that every editor slot is filled.
void visitEveryEditor(TInfoForm& form) {
    for (int index = 0; index < form.Info_PageControl->PageCount(); ++index)
        form.Info_PageControl->SetActivePageIndex(index);
    form.Info_PageControl->SetActivePage(form.Tafsily2_TabSheet);
    form.cmbTafsily2->SetItemIndex(0);
    form.cmbTafsily2Change();
    form.Info_PageControl->SetActivePage(form.Personel_TabSheet);
    form.cmbPersonel->SetItemIndex(0);
    form.cmbPersonelChange();
}

} // namespace

TEST(EntryTest, OstavanStoresTheContextAndEmbedsTheWindowMaximised) {
    ModuleHost host;
    host.Ostavan();
    ASSERT_NE(InfoForm, nullptr);
    EXPECT_EQ(Global, host.Session().Global());
    EXPECT_EQ(MyDate, host.Session().MyDate());
    EXPECT_EQ(MyDatabase, host.Session().MyDatabase());
    EXPECT_EQ(TempGridForm, &host.TempGridForm());
    EXPECT_EQ(ShowStateForm, &host.ShowStateForm());
    EXPECT_EQ(DlgMsg, &host.DlgMsg());
    EXPECT_EQ(InfoForm->parentWidget(), host.ClientPanel());
    EXPECT_EQ(InfoForm->Align(), ui::alClient);
    EXPECT_TRUE(InfoForm->isVisible());
    EXPECT_EQ(InfoForm->geometry(), host.ClientPanel()->rect());
    EXPECT_NE(InfoForm->DGlobal, nullptr);
    EXPECT_EQ(InfoForm->Info_PageControl->ActivePage(), InfoForm->Tafsily2_TabSheet);
}

TEST(EntryTest, SecondCallKeepsWindowStateAndOptionsAndReplacesTheContext) {
    ModuleHost host;
    host.Ostavan();
    TInfoForm* first = InfoForm;
    TD_Global* options = InfoForm->DGlobal;
    InfoForm->Info_PageControl->SetActivePage(InfoForm->Makan_TabSheet);
    // Options read again would show the new name.
    host.Exec(QStringLiteral("Update Options Set Korvash = 'NAMTAFSILY2=پروژه ها;' Where sCode = '011403'"));
    ModuleHost other(2);
    ::Ostavan(host.ClientPanel(), other.Session().Global(), other.Session().MyDate(),
              other.Session().MyDatabase(), &other.TempGridForm(), &other.ShowStateForm(), &other.DlgMsg());

    EXPECT_EQ(InfoForm, first);
    EXPECT_EQ(InfoForm->DGlobal, options);
    EXPECT_EQ(InfoForm->DGlobal->NamTafsily2, QStringLiteral("مراكز هزينه"));
    EXPECT_EQ(Global, other.Session().Global());
    EXPECT_EQ(MyDatabase, other.Session().MyDatabase());
    EXPECT_EQ(DlgMsg, &other.DlgMsg());
    EXPECT_EQ(TempGridForm, &other.TempGridForm());
    EXPECT_EQ(InfoForm->Info_PageControl->ActivePage(), InfoForm->Makan_TabSheet);
    EXPECT_NE(InfoForm->Editor(TInfoForm::MakanEditor), nullptr);
    Release_It();
}

TEST(EntryTest, CallWithAnotherParentShowsTheWindowAgainAndRereadsRights) {
    ModuleHost host;
    host.Ostavan();
    EXPECT_TRUE(InfoForm->Gheimat_TabSheet->Enabled());
    host.Exec(QStringLiteral("Update UserSdcDetail Set [1] = 'N' Where StrId = 'D_B_ENDFEE'"));
    ui::TPanel other(host.ClientPanel());
    other.resize(host.ClientPanel()->size());
    other.show();
    host.Ostavan(&other);
    EXPECT_EQ(InfoForm->parentWidget(), &other);
    EXPECT_FALSE(InfoForm->Gheimat_TabSheet->Enabled());
    EXPECT_TRUE(InfoForm->AccessRights().contains(QStringLiteral("D_B_ENDFEE(N),")));
    Release_It();
}

TEST(EntryTest, CloseButtonFreesTheWindowAndReleaseItThenDoesNothing) {
    ModuleHost host;
    host.Ostavan();
    QPointer<TInfoForm> window = InfoForm;
    QPointer<TPendingEditorForm> editor = InfoForm->PendingEditor(TInfoForm::Tafsily2Editor);
    ASSERT_NE(editor, nullptr);
    InfoForm->sb_Closed->click();
    EXPECT_EQ(InfoForm, nullptr);
    ProcessDeferredDeletes();
    EXPECT_EQ(window, nullptr);
    EXPECT_EQ(editor, nullptr);
    Release_It();
    EXPECT_EQ(InfoForm, nullptr);
}

TEST(EntryTest, OstavanAfterCloseMakesAFreshWindowWithFreshOptions) {
    ModuleHost host;
    host.Ostavan();
    QPointer<TInfoForm> first = InfoForm;
    InfoForm->Close();
    ProcessDeferredDeletes();
    ASSERT_EQ(first, nullptr);

    host.Exec(QStringLiteral("Update Options Set Korvash = 'NAMTAFSILY2=پروژه ها;' Where sCode = '011403'"));
    host.Ostavan();
    ASSERT_NE(InfoForm, nullptr);
    EXPECT_EQ(InfoForm->DGlobal->NamTafsily2, QStringLiteral("پروژه ها"));
    EXPECT_EQ(InfoForm->Editor(TInfoForm::MakanEditor), nullptr);
    EXPECT_NE(InfoForm->PendingEditor(TInfoForm::Tafsily2Editor), nullptr);
}

TEST(EntryTest, ReleaseItDestroysTheEditorsInTheirFixedOrder) {
    ModuleHost host;
    host.Ostavan();
    visitEveryEditor(*InfoForm);
    QStringList destroyed;
    for (int slot = 0; slot < TInfoForm::EditorCount; ++slot) {
        ui::TForm* editor = InfoForm->Editor(static_cast<TInfoForm::EditorSlot>(slot));
        ASSERT_NE(editor, nullptr) << slot;
        QObject::connect(editor, &QObject::destroyed,
                         [&destroyed, slot] { destroyed << QString::number(slot); });
    }
    Release_It();
    EXPECT_EQ(InfoForm, nullptr);
    EXPECT_EQ(destroyed.join(QLatin1Char(',')), QStringLiteral("0,1,2,3,4,5,6,7,8,9,10,11"));
}

TEST(EntryTest, WindowDestroyedWithItsParentLeavesNoDanglingVariable) {
    ModuleHost host;
    auto parent = std::make_unique<ui::TPanel>(host.ClientPanel());
    parent->show();
    host.Ostavan(parent.get());
    ASSERT_NE(InfoForm, nullptr);
    parent.reset();
    EXPECT_EQ(InfoForm, nullptr);
    Release_It();
}

TEST(EntryTest, ToolkitMessagesGoThroughTheDialogWhileTheWindowLives) {
    ModuleHost host;
    EXPECT_FALSE(static_cast<bool>(host.Session().MyDatabase()->OnShowMsg));
    host.Ostavan();
    ASSERT_TRUE(static_cast<bool>(MyDatabase->OnShowMsg));
    QString shown;
    QTimer::singleShot(0, [&] {
        shown = host.DlgMsg().Caption();
        host.DlgMsg().Close();
    });
    EXPECT_EQ(MyDatabase->OnShowMsg(QStringLiteral("پيام"), QStringLiteral("عنوان"), QStringLiteral("1IR")),
              1);
    EXPECT_EQ(shown, QStringLiteral("عنوان"));
    Release_It();
    EXPECT_FALSE(static_cast<bool>(host.Session().MyDatabase()->OnShowMsg));
}

TEST(EntryTest, ReleaseItWithoutWindowDoesNothing) {
    ASSERT_EQ(InfoForm, nullptr);
    Release_It();
    EXPECT_EQ(InfoForm, nullptr);
}
