#include "EditorFixture.h"

#include "HostContext.h"
#include "PersianText.h"
#include "TADOQuery.h"
#include "TBitBtn.h"
#include "TComboBox.h"
#include "TDBGrid.h"
#include "TDepartForm.h"
#include "TField.h"
#include "TGlobal.h"
#include "TInfoForm.h"
#include "TPanel.h"
#include "TPersonelForm.h"
#include "TTempGridForm.h"

#include <QTest>

using namespace tarvand;
using data::TDataSetState;

namespace tarvand::testsupport {
namespace {

class PersonelEditorTest : public EditorFixture {
protected:
    void SetUp() override {
        start();
        ASSERT_EQ(show(InfoForm->Personel_TabSheet, 1), PersonelForm);
    }
    data::TDataSet& rows() const { return *editor->DataSet(); }
    // A new row with the cells typed, each but the last followed by Enter; the clerk then leaves
    // the row upwards, which posts it.
    void typeNewRow(const QStringList& cells) {
        rows().Last();
        press(Qt::Key_Down);
        for (const QString& cell : cells) {
            type(cell);
            if (&cell != &cells.last())
                press(Qt::Key_Return);
        }
        press(Qt::Key_Up);
    }
    QString units() const {
        return TGlobal::GetSetting(
            column(QStringLiteral("Select Sdc From Options Where sCode = '011403'")).value(0),
            QStringLiteral("N_DEP_VAHED"));
    }
    QStringList person(const QString& code, const QString& columns) const {
        return column(QStringLiteral("Select ") + columns + QStringLiteral(" From Person Where Code = '") +
                      code + QStringLiteral("'"));
    }
};

TEST_F(PersonelEditorTest, TheTabBindsTheRecipientsChainAndSwitchesBetweenItsTwoLists) {
    EXPECT_EQ(PersonelForm->AccountField(TPersonelForm::KollLevel), QStringLiteral("D_KOLL"));
    EXPECT_EQ(PersonelForm->RoleCode(), QStringLiteral("N"));
    EXPECT_EQ(PersonelForm->dbgPersonel->Columns()->Items(1)->Title()->Caption(),
              QStringLiteral("نام تحويل گيرنده"));
    EXPECT_EQ(PersonelForm->plStatus->Caption(), QStringLiteral("   کد تحويل گيرنده وارد شود"));
    const auto onTop = [] { return InfoForm->plPersonel->childAt(InfoForm->plPersonel->rect().center()); };
    EXPECT_TRUE(PersonelForm->isAncestorOf(onTop()));
    ASSERT_EQ(show(InfoForm->Personel_TabSheet, 0), DepartForm);
    EXPECT_TRUE(DepartForm->isAncestorOf(onTop()));
    ASSERT_EQ(show(InfoForm->Personel_TabSheet, 1), PersonelForm);
    EXPECT_TRUE(PersonelForm->isAncestorOf(onTop()));
    // Each show reads the units afresh: one per unit, the stored selection ticked.
    ASSERT_EQ(PersonelForm->UnitMenu()->Count(), 7);
    ui::TMenuItem* unit7 = PersonelForm->UnitMenu()->Items(6);
    EXPECT_EQ(unit7->ImageIndex(), 17);
    unit7->Click();
    EXPECT_EQ(units(), QStringLiteral("1,2,3,5,7"));
    unit7->Click();
    EXPECT_EQ(units(), QStringLiteral("1,2,3,5"));
}

TEST_F(PersonelEditorTest, ANewPersonGetsThePayrollDefaultsAndTheirUnitIsSelected) {
    // Longer code and name than the columns hold, a quote, Latin among Persian letters.
    typeNewRow({QStringLiteral("۱۲۰۷۷۷"),
                QStringLiteral("Sean O'Connor سعيدي با نامي بسيار بلند كه جا نمي شود"),
                QStringLiteral("اوکانر"), QStringLiteral("4")});
    EXPECT_TRUE(dialogs->messages.isEmpty()) << dialogs->messages.join(u'|').toStdString();
    EXPECT_EQ(person(QStringLiteral("12077"), QStringLiteral("Name")),
              QStringList{QStringLiteral("Sean O'Connor سعيدي با نامي بسيار بلند كه جا نمي ش")});
    EXPECT_EQ(person(QStringLiteral("12077"),
                     QStringLiteral("Sex+Tax+Noe_kar+'|'+IsDelete+'|'+irani+maintax+Name_F")),
              QStringList{QStringLiteral("000| |00بدون نام")});
    EXPECT_EQ(units(), QStringLiteral("1,2,3,4,5"));
}

struct Refusal {
    const char* label;
    QStringList cells; // code, name, family, unit
    const char* message;
    int column; // selected afterwards
};

void PrintTo(const Refusal& refusal, std::ostream* out) {
    *out << refusal.label;
}

class PersonelRefusalTest : public PersonelEditorTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(PersonelRefusalTest, TheRowStaysInInsertWithWhatWasTypedAndNothingIsStored) {
    const QStringList before = column(QStringLiteral("Select Count(*) From Person"));
    typeNewRow(GetParam().cells);
    EXPECT_EQ(dialogs->messages, QStringList{QString::fromUtf8(GetParam().message)});
    EXPECT_EQ(rows().State(), TDataSetState::dsInsert);
    EXPECT_EQ(PersonelForm->dbgPersonel->SelectedIndex(), GetParam().column);
    EXPECT_EQ(rows().FieldByName(QStringLiteral("Family"))->AsString(),
              PersianText::Stored(GetParam().cells[2]));
    EXPECT_EQ(column(QStringLiteral("Select Count(*) From Person")), before);
}

const Refusal Refusals[] = {
    {"NoCode", {"", "بهرام", "نيكو", "3"}, "كد تحويل گيرنده وارد نشده است.", 0},
    {"NoFamily", {"130", "بهرام", "", "3"}, "نام خانوادگي تحويل گيرنده وارد نشده است.", 2},
    {"NameAndFamilyTakenBlanksAside", {"130", "علي", "رضا يي", "3"}, "نام تحويل گيرنده تکراري مي باشد", 1},
    {"UnknownUnit", {"130", "بهرام", "نيكو", "9"}, "واحد سازماني وجود ندارد", 3},
    {"DuplicateCode", {"102", "بهرام", "نيكو", "3"}, "کد تحويل گيرنده تکراري مي باشد. ", 0},
};

INSTANTIATE_TEST_SUITE_P(Rules, PersonelRefusalTest, ::testing::ValuesIn(Refusals),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(PersonelEditorTest, SpaceCyclesTheActivityAndAPersonInUseKeepsTheirCode) {
    ASSERT_TRUE(rows().Locate(QStringLiteral("Code"), QStringLiteral("  101")));
    PersonelForm->dbgPersonel->SetSelectedIndex(4);
    QStringList seen;
    for (int press_ = 0; press_ < 4; ++press_) {
        press(Qt::Key_Space);
        seen << rows().FieldByName(QStringLiteral("ActionType"))->AsString();
    }
    EXPECT_EQ(seen, (QStringList{QString(), QStringLiteral("خريد داخلي"), QStringLiteral("خريد خارجي"),
                                 QStringLiteral("هر دو")}));
    // Person 101 holds assets: a new code is refused and stays typed for the clerk to correct.
    PersonelForm->dbgPersonel->SetSelectedIndex(0);
    type(QStringLiteral("199"));
    press(Qt::Key_Down);
    EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("ركورد گردش دارد.")});
    EXPECT_EQ(rows().State(), TDataSetState::dsEdit);
    EXPECT_EQ(rows().FieldByName(QStringLiteral("Code"))->AsString(), QStringLiteral("  199"));
    EXPECT_EQ(person(QStringLiteral("  101"), QStringLiteral("Name")), QStringList{QStringLiteral("علي")});
}

TEST_F(PersonelEditorTest, EnterWalksTheChainTheSubsidiaryCarriesAndRefusesAnInactiveAccount) {
    ASSERT_TRUE(rows().Locate(QStringLiteral("Code"), QStringLiteral("  104")));
    // General 90 (inactive), then 31; then subsidiary 31/2.
    QStringList choices = {QStringLiteral(" 90"), QStringLiteral(" 31"), QStringLiteral(" 31;  2")};
    dialogs->pick = [&choices](host::TTempGridForm& picker) {
        const QStringList keys = choices.takeFirst().split(u';');
        const QVariant values =
            keys.size() > 1 ? QVariant(QVariantList{keys[0], keys[1]}) : QVariant(keys[0]);
        picker.quTemp->Locate(keys.size() > 1 ? QStringLiteral("Koll;Moein") : QStringLiteral("Koll"),
                              values);
        QTest::mouseClick(picker.BtnOk, Qt::LeftButton);
    };
    const auto selected = [] { return PersonelForm->dbgPersonel->SelectedField()->FieldName(); };
    PersonelForm->dbgPersonel->SetSelectedIndex(5);
    press(Qt::Key_Return);
    EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("كد حساب كل غيرفعال مي باشد.")});
    EXPECT_EQ(selected(), QStringLiteral("D_KOLL"));
    EXPECT_EQ(rows().FieldByName(QStringLiteral("D_KOLL"))->AsString(), QStringLiteral("   "));
    press(Qt::Key_Return);
    EXPECT_EQ(selected(), QStringLiteral("D_MOEIN"));
    press(Qt::Key_Return); // 31/2 carries the detail and the detail-2 levels
    EXPECT_EQ(selected(), QStringLiteral("D_TAFSILY"));
    EXPECT_EQ(rows().FieldByName(QStringLiteral("D_MOEIN"))->AsString(), QStringLiteral("  2"));
}

} // namespace
} // namespace tarvand::testsupport
