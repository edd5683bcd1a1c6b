#include "HostContext.h"
#include "ModuleHost.h"
#include "ShellPictures.h"
#include "TApplication.h"
#include "TComboBox.h"
#include "TD_Global.h"
#include "TImage.h"
#include "TImageList.h"
#include "TInfoForm.h"
#include "TLabel.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "TTabSheet.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

using namespace tarvand;
using testsupport::ModuleHost;

TEST(InfoFormLayoutTest, TenTabsInPageOrderWithTheirCaptionsAndImages) {
    ModuleHost host;
    host.Ostavan();
    const struct {
        ui::TTabSheet* sheet;
        const char* caption;
        int image;
    } expected[] = {
        {InfoForm->Amval_TabSheet, "داراييها                 ", 11},
        {InfoForm->Gheimat_TabSheet, "اجزاي بهاي تمام شده ", 10},
        {InfoForm->Sakhtar_TabSheet, "جدول مشخصات دارايي ", 9},
        {InfoForm->Astehlak_TabSheet, "جدول استهلاک ماده 151", 6},
        {InfoForm->Vezarat_TabSheet, "اظهار نامه مالياتي", 5},
        {InfoForm->Mabadi_TabSheet, "مبادي تحويل     ", 4},
        {InfoForm->VazDarae_TabSheet, "وضعيت دارايي         ", 3},
        {InfoForm->Personel_TabSheet, " تحويل گيرندگان       ", 2},
        {InfoForm->Makan_TabSheet, "مكان استقرار دارايي   ", 1},
    };
    ASSERT_EQ(InfoForm->Info_PageControl->PageCount(), 10);
    for (int index = 0; index < 9; ++index) {
        EXPECT_EQ(InfoForm->Info_PageControl->Pages(index), expected[index].sheet) << index;
        EXPECT_EQ(expected[index].sheet->Caption(), QString::fromUtf8(expected[index].caption)) << index;
        EXPECT_EQ(InfoForm->Info_PageControl->TabCaption(index), QString::fromUtf8(expected[index].caption))
            << index;
        EXPECT_EQ(expected[index].sheet->ImageIndex(), expected[index].image) << index;
    }
    EXPECT_EQ(InfoForm->Info_PageControl->Pages(9), InfoForm->Tafsily2_TabSheet);
    EXPECT_EQ(InfoForm->Tafsily2_TabSheet->ImageIndex(), 0);
    EXPECT_EQ(InfoForm->imPopup->Count(), ShellPictures::TabImageCount);
}

TEST(InfoFormLayoutTest, WindowCaptionStripAndHintLine) {
    ModuleHost host;
    host.Ostavan();
    EXPECT_EQ(InfoForm->Caption(), QStringLiteral(" ثبت اطلاعات پايه داراييها"));
    EXPECT_EQ(InfoForm->ClassName(), QStringLiteral("TInfoForm"));
    EXPECT_EQ(InfoForm->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(InfoForm->font().pixelSize(), 13);
    EXPECT_EQ(InfoForm->BorderStyle(), ui::bsNone);
    EXPECT_EQ(InfoForm->Caption_Panel->Caption(), QStringLiteral("               ثبت اطلاعات پايه داراييها"));
    EXPECT_EQ(InfoForm->Caption_Panel->Height(), 24);
    EXPECT_EQ(InfoForm->Caption_Panel->Alignment(), ui::taLeftJustify);
    EXPECT_EQ(InfoForm->HintPanel->Align(), ui::alBottom);
    EXPECT_EQ(InfoForm->HintPanel->Height(), 20);
    EXPECT_EQ(InfoForm->HintPanel->BevelOuter(), ui::bvLowered);
    EXPECT_EQ(InfoForm->sb_Minimized->Hint(), QStringLiteral("كوچك كردن فرم"));
    EXPECT_EQ(InfoForm->sb_Closed->Hint(), QStringLiteral("بستن فرم"));
    EXPECT_EQ(InfoForm->imgAccess->size(), QSize(32, 22));
    EXPECT_EQ(InfoForm->Info_PageControl->Align(), ui::alClient);
    EXPECT_EQ(InfoForm->cmbTafsily2->Width(), 120);
    EXPECT_EQ(InfoForm->Panel2->Height(), 28);
    EXPECT_EQ(InfoForm->plClientTafsily2->Align(), ui::alClient);
    EXPECT_EQ(InfoForm->cmbPersonel->Items(),
              QStringList({QStringLiteral("واحد سازماني"), QStringLiteral("تحويل گيرندگان")}));
    EXPECT_EQ(InfoForm->cmbPersonel->ItemIndex(), 1);
}

TEST(InfoFormLayoutTest, CaptionButtonsSitAtTheRightEndOfAScreenWideStrip) {
    ModuleHost host;
    host.Ostavan();
    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    EXPECT_EQ(InfoForm->Close_Shape->Left(), screenWidth - 21 - 12);
    EXPECT_EQ(InfoForm->sb_Closed->Left(), InfoForm->Close_Shape->Left() + 1);
    EXPECT_EQ(InfoForm->Min_Shape->Left(), InfoForm->sb_Closed->Left() - 20 - 3);
    EXPECT_EQ(InfoForm->sb_Minimized->Left(), InfoForm->Min_Shape->Left() + 1);
}

TEST(InfoFormLayoutTest, DetailTwoTabIsNamedAfterTheCompanysDetailTwoAccounts) {
    ModuleHost host;
    host.Ostavan();
    EXPECT_EQ(InfoForm->cmbTafsily2->Items(),
              QStringList({QStringLiteral("گروه مراكز هزينه"), QStringLiteral("مراكز هزينه")}));
    EXPECT_EQ(InfoForm->cmbTafsily2->ItemIndex(), 1);
    const QString caption = InfoForm->Tafsily2_TabSheet->Caption();
    EXPECT_TRUE(caption.startsWith(QStringLiteral("مراكز هزينه ")));
    EXPECT_EQ(caption.trimmed(), QStringLiteral("مراكز هزينه"));
    // Padded until one more blank would reach the reference width, which is that name with seven.
    const QFontMetrics metrics(InfoForm->font());
    const int reference = metrics.horizontalAdvance(QStringLiteral("مراكز هزينه       "));
    EXPECT_GE(metrics.horizontalAdvance(caption) + 4, reference);
    EXPECT_LT(metrics.horizontalAdvance(caption.chopped(1)) + 4, reference);
}

TEST(InfoFormLayoutTest, AWideDetailTwoNameIsNotPadded) {
    ModuleHost host;
    host.Exec(QStringLiteral("Update Options Set Korvash = 'NAMTAFSILY2=مراكز هزينه و پروژه هاي عمراني;' "
                             "Where sCode = '011403'"));
    host.Ostavan();
    EXPECT_EQ(InfoForm->Tafsily2_TabSheet->Caption(), QStringLiteral("مراكز هزينه و پروژه هاي عمراني"));
}

TEST(InfoFormLayoutTest, FirstShowEmbedsOnlyTheDetailTwoEditor) {
    ModuleHost host;
    host.Ostavan();
    TPendingEditorForm* editor = InfoForm->PendingEditor(TInfoForm::Tafsily2Editor);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->parentWidget(), InfoForm->plClientTafsily2);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(editor->lbMessage->Caption().contains(QStringLiteral("«مراكز هزينه»")));
    for (int slot = 0; slot < TInfoForm::EditorCount; ++slot) {
        if (slot != TInfoForm::Tafsily2Editor)
            EXPECT_EQ(InfoForm->Editor(static_cast<TInfoForm::EditorSlot>(slot)), nullptr) << slot;
    }
    // Editors are made by the application's form factory, like every form of the module.
    EXPECT_TRUE(ui::Application->Forms().contains(editor));
    EXPECT_TRUE(ui::Application->Forms().contains(InfoForm));
}

TEST(InfoFormLayoutTest, BothEditorsOfACombinedTabShareItsPanelLastShownOnTop) {
    ModuleHost host;
    host.Ostavan();
    InfoForm->Info_PageControl->SetActivePage(InfoForm->Personel_TabSheet);
    TPendingEditorForm* recipients = InfoForm->PendingEditor(TInfoForm::PersonelEditor);
    ASSERT_NE(recipients, nullptr);
    InfoForm->cmbPersonel->SetItemIndex(0);
    InfoForm->cmbPersonelChange();
    ui::TForm* units = InfoForm->Editor(TInfoForm::DepartEditor);
    ASSERT_NE(units, nullptr);
    EXPECT_EQ(units->parentWidget(), InfoForm->plPersonel);
    EXPECT_EQ(recipients->parentWidget(), InfoForm->plPersonel);
    const QObjectList children = InfoForm->plPersonel->children();
    EXPECT_GT(children.indexOf(units), children.indexOf(recipients));
}
