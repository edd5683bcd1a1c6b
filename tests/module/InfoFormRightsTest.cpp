#include "HostContext.h"
#include "ModuleEntry.h"
#include "ModuleHost.h"
#include "TComboBox.h"
#include "TImage.h"
#include "TInfoForm.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TTabSheet.h"

#include <gtest/gtest.h>

using namespace tarvand;
using testsupport::ModuleHost;

namespace {

// The enabled state of the ten tabs in page order, as "1" and "0".
QString tabStates(const TInfoForm& form) {
    QString states;
    for (int index = 0; index < form.Info_PageControl->PageCount(); ++index)
        states += form.Info_PageControl->Pages(index)->Enabled() ? QLatin1Char('1') : QLatin1Char('0');
    return states;
}

void chooseTafsily2Editor(TInfoForm& form, int item) {
    form.Info_PageControl->SetActivePage(form.Tafsily2_TabSheet);
    form.cmbTafsily2->SetItemIndex(item);
    form.cmbTafsily2Change();
}

void choosePersonelEditor(TInfoForm& form, int item) {
    form.Info_PageControl->SetActivePage(form.Personel_TabSheet);
    form.cmbPersonel->SetItemIndex(item);
    form.cmbPersonelChange();
}

bool showsAccess(const TInfoForm& form) {
    EXPECT_NE(form.imgAccess->Visible(), form.imgNoAccess->Visible());
    return form.imgAccess->Visible();
}

} // namespace

TEST(InfoFormRightsTest, FullUserHasEveryTabAndPanel) {
    ModuleHost host(1);
    host.Ostavan();
    EXPECT_EQ(tabStates(*InfoForm), QStringLiteral("1111111111"));
    EXPECT_TRUE(InfoForm->plClientTafsily2->Enabled());
    EXPECT_TRUE(showsAccess(*InfoForm));
    chooseTafsily2Editor(*InfoForm, 0);
    EXPECT_TRUE(InfoForm->plClientTafsily2->Enabled());
    choosePersonelEditor(*InfoForm, 0);
    EXPECT_TRUE(InfoForm->plPersonel->Enabled());
    EXPECT_TRUE(InfoForm->AccessRights().startsWith(QStringLiteral("D_B_DARAE(Y),D_B_ENDFEE(Y),")));
}

TEST(InfoFormRightsTest, RestrictedUserGetsTheTabsOfItsRights) {
    ModuleHost host(2);
    host.Ostavan();
    // Assets, sources, states, recipients, locations and detail-2 accounts; not cost price,
    // characteristics, depreciation rates or tax groups.
    EXPECT_EQ(tabStates(*InfoForm), QStringLiteral("1000011111"));

    // Detail-2 groups denied next to accounts allowed: the tab stays, its account editor is usable.
    EXPECT_TRUE(InfoForm->plClientTafsily2->Enabled());
    EXPECT_TRUE(showsAccess(*InfoForm));
    chooseTafsily2Editor(*InfoForm, 0);
    EXPECT_FALSE(InfoForm->plClientTafsily2->Enabled());
    EXPECT_FALSE(showsAccess(*InfoForm));
    chooseTafsily2Editor(*InfoForm, 1);
    EXPECT_TRUE(showsAccess(*InfoForm));

    choosePersonelEditor(*InfoForm, 1);
    EXPECT_TRUE(InfoForm->plPersonel->Enabled());
    choosePersonelEditor(*InfoForm, 0);
    EXPECT_FALSE(InfoForm->plPersonel->Enabled());
    EXPECT_FALSE(showsAccess(*InfoForm));
}

TEST(InfoFormRightsTest, ADisabledTabStillShowsItsEditorDisabled) {
    ModuleHost host(2);
    host.Ostavan();
    InfoForm->Info_PageControl->SetActivePage(InfoForm->Gheimat_TabSheet);
    EXPECT_EQ(InfoForm->Info_PageControl->ActivePage(), InfoForm->Gheimat_TabSheet);
    EXPECT_FALSE(showsAccess(*InfoForm));
    ui::TForm* editor = InfoForm->Editor(TInfoForm::GheimatEditor);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->parentWidget(), InfoForm->Gheimat_TabSheet);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(editor->isEnabled());

    InfoForm->Info_PageControl->SetActivePage(InfoForm->Makan_TabSheet);
    EXPECT_TRUE(showsAccess(*InfoForm));
    InfoForm->Info_PageControl->SetActivePage(InfoForm->Gheimat_TabSheet);
    EXPECT_EQ(InfoForm->Editor(TInfoForm::GheimatEditor), editor);
}

TEST(InfoFormRightsTest, UserWithoutRightsRowsKeepsOnlyTheCombinedTabs) {
    ModuleHost host(1);
    host.Exec(QStringLiteral("Delete From UserSdcDetail Where StrId Like 'D_B_%'"));
    host.Ostavan();
    EXPECT_EQ(InfoForm->AccessRights(), QString());
    EXPECT_EQ(tabStates(*InfoForm), QStringLiteral("0000000101"));
    EXPECT_FALSE(InfoForm->plClientTafsily2->Enabled());
    EXPECT_FALSE(showsAccess(*InfoForm));
    choosePersonelEditor(*InfoForm, 1);
    EXPECT_FALSE(InfoForm->plPersonel->Enabled());
}

TEST(InfoFormRightsTest, DetailTwoTabClosesOnlyWhenBothDenialsAreAdjacent) {
    ModuleHost host(2);
    host.Exec(QStringLiteral("Update UserSdcDetail Set [2] = 'N' Where StrId = 'D_B_TT2_T'"));
    host.Ostavan();
    EXPECT_TRUE(InfoForm->AccessRights().contains(QStringLiteral("D_B_TT2_G(N),D_B_TT2_T(N),")));
    EXPECT_FALSE(InfoForm->Tafsily2_TabSheet->Enabled());
    Release_It();

    // A node sorted between the two denials keeps the tab open, with both editors disabled.
    host.Exec(QStringLiteral("Insert Into UserSdcDetail (StrId, Parent, Caption, [1], [2]) Values "
                             "('D_B_TT2_P', 'D_B', 'پروژه ها', 'Y', 'Y')"));
    host.Ostavan();
    EXPECT_TRUE(InfoForm->Tafsily2_TabSheet->Enabled());
    EXPECT_FALSE(InfoForm->plClientTafsily2->Enabled());
    chooseTafsily2Editor(*InfoForm, 0);
    EXPECT_FALSE(InfoForm->plClientTafsily2->Enabled());
}

TEST(InfoFormRightsTest, RecipientsTabClosesWhenBothItsEditorsAreDenied) {
    ModuleHost host(2);
    host.Exec(QStringLiteral("Update UserSdcDetail Set [2] = 'N' Where StrId = 'D_B_TAHVIL_TAHVIL'"));
    host.Ostavan();
    EXPECT_FALSE(InfoForm->Personel_TabSheet->Enabled());
    EXPECT_EQ(tabStates(*InfoForm), QStringLiteral("1000011011"));
}
