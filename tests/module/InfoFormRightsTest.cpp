#include "InfoRights.h"
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

bool showsAccess(const TInfoForm& form) {
    EXPECT_NE(form.imgAccess->Visible(), form.imgNoAccess->Visible());
    return form.imgAccess->Visible();
}

// The tab states, then each editor of the combined tabs as chosen in its box (detail-2 accounts
// and groups, recipients and units): "1" usable with the access picture, "0" disabled with the
// no-access picture.
QString rightsShown(TInfoForm& form) {
    QString shown = tabStates(form) + QLatin1Char(' ');
    const std::tuple<ui::TTabSheet*, ui::TComboBox*, ui::TPanel*, void (TInfoForm::*)()> boxes[] = {
        {form.Tafsily2_TabSheet, form.cmbTafsily2, form.plClientTafsily2, &TInfoForm::cmbTafsily2Change},
        {form.Personel_TabSheet, form.cmbPersonel, form.plPersonel, &TInfoForm::cmbPersonelChange}};
    for (const auto& [sheet, box, panel, change] : boxes) {
        for (int item : {1, 0}) {
            form.Info_PageControl->SetActivePage(sheet);
            box->SetItemIndex(item);
            (form.*change)();
            const bool usable = panel->Enabled();
            shown += usable != showsAccess(form) ? QLatin1Char('x')
                     : usable                    ? QLatin1Char('1')
                                                 : QLatin1Char('0');
        }
    }
    return shown;
}

} // namespace

// Restricted: assets, sources, states, recipients, locations and detail-2 accounts; not cost
// price, characteristics, depreciation rates or tax groups. A combined tab closes only when both
// its editors are denied.
TEST(InfoFormRightsTest, EachUserGetsTheTabsAndEditorsOfItsRights) {
    const std::tuple<int, const char*, const char*> users[] = {
        {1, "", "1111111111 1111"},
        {2, "", "1000011111 1010"},
        {1, "Delete From UserSdcDetail Where StrId Like 'D_B_%'", "0000000101 0000"},
        {2, "Update UserSdcDetail Set [2] = 'N' Where StrId In ('D_B_TT2_T', 'D_B_TAHVIL_TAHVIL')",
         "1000011010 0000"}};
    for (const auto& [user, change, shown] : users) {
        ModuleHost host(user);
        if (*change != '\0')
            host.Exec(QLatin1String(change));
        host.Ostavan();
        EXPECT_EQ(rightsShown(*InfoForm), QLatin1String(shown)) << user << ' ' << change;
    }
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

namespace {

// Every decision for a rights string, one letter each (1 allowed, 0 not): the assets, cost-price and
// locations tabs, the detail-2 tab, its accounts and its groups, the recipients tab, recipients and
// organisational units.
QString decisions(const QString& rights) {
    const InfoRights r(rights);
    const bool all[] = {r.allows(QStringLiteral("D_B_DARAE")),
                        r.allows(QStringLiteral("D_B_ENDFEE")),
                        r.allows(QStringLiteral("D_B_MAKAN")),
                        r.tafsily2TabEnabled(),
                        r.tafsily2AccountsAllowed(),
                        r.tafsily2GroupsAllowed(),
                        r.personelTabEnabled(),
                        r.recipientsAllowed(),
                        r.departsAllowed()};
    QString letters;
    for (bool allowed : all)
        letters += allowed ? QLatin1Char('1') : QLatin1Char('0');
    return letters;
}

} // namespace

TEST(InfoRightsTest, EachRightsStringGivesItsDecisions) {
    const std::pair<const char*, const char*> table[] = {
        {"D(Y),D_B_DARAE(Y),D_B_ENDFEE(N),D_B_MAKAN(Y),", "101100100"},
        {"D_B_DARAE(y),", "000100100"}, // flags are case-sensitive
        {"", "000100100"},              // the combined tabs stay, their editors do not
        // The detail-2 tab closes only for two adjacent denials.
        {"D_B_TT2_G(N),D_B_TT2_T(N),", "000000100"},
        {"D_B_TT2_G(N),D_B_TT2_P(Y),D_B_TT2_T(N),", "000100100"},
        {"D_B_TT2_G(N),D_B_TT2_T(Y),", "000110100"},
        {"D_B_TT2_G(Y),D_B_TT2_T(N),", "000101100"},
        // So does the recipients tab, and only in that order.
        {"D_B_TAHVIL_GROH(N),D_B_TAHVIL_TAHVIL(N),", "000100000"},
        {"D_B_TAHVIL_GROH(Y),D_B_TAHVIL_TAHVIL(N),", "000100101"},
        {"D_B_TAHVIL_GROH(N),D_B_TAHVIL_TAHVIL(Y),", "000100110"},
        {"D_B_TAHVIL_TAHVIL(N),D_B_TAHVIL_GROH(N),", "000100100"},
    };
    for (const auto& [rights, expected] : table)
        EXPECT_EQ(decisions(QLatin1String(rights)), QLatin1String(expected)) << rights;
}
