#include "EditorFixture.h"

#include "HostContext.h"
#include "TADOQuery.h"
#include "TBaseEditorForm.h"
#include "TBitBtn.h"
#include "TDBGrid.h"
#include "TField.h"
#include "TGlobal.h"
#include "TInfoForm.h"
#include "TTabSheet.h"
#include "TTempGridForm.h"

#include <QTest>

using namespace tarvand;
using data::TDataSetState;

namespace tarvand::testsupport {
namespace {

// The two views of the detail-2 tab: the accounts (item 1) and their groups (item 0).
class Detail2Test : public EditorFixture {
protected:
    // Starts the module for user 1 after the company's settings were changed as given.
    void startWith(int item, const QStringList& statements = {}) {
        host = std::make_unique<ModuleHost>(1);
        for (const QString& statement : statements)
            host->Exec(statement);
        dialogs = std::make_unique<DialogAnswerer>(*host);
        host->Ostavan();
        ASSERT_NE(show(InfoForm->Tafsily2_TabSheet, item), nullptr);
        // Each picker shows its list; the user chooses the next row of choices with OK.
        dialogs->pick = [this](host::TTempGridForm& picker) {
            const bool chosen =
                !choices.isEmpty() && picker.quTemp->Locate(choices.first().first, choices.first().second);
            EXPECT_TRUE(chosen) << (choices.isEmpty() ? "no choice left"
                                                      : choices.first().first.toStdString());
            if (!choices.isEmpty())
                choices.removeFirst();
            QTest::mouseClick(chosen ? picker.BtnOk : picker.BtnCancel, Qt::LeftButton);
        };
    }
    data::TDataSet& rows() const { return *editor->DataSet(); }
    QStringList grants(const char* table, const QString& code) const {
        return column(
            QStringLiteral("Select UserId From UserPrivilege Where TableName = '%1' And FieldCode = '%2' "
                           "Order By UserId")
                .arg(QLatin1String(table), code));
    }
    QStringList stored(const char* table) const {
        return column(QStringLiteral("Select * From %1").arg(QLatin1String(table)));
    }
    void select(const char* field) {
        editor->Grid()->SetSelectedIndex(TGlobal::FindGridColumn(editor->Grid(), QLatin1String(field)));
    }
    void enter(const QString& text = QString()) {
        type(text);
        press(Qt::Key_Return);
    }
    QList<std::pair<QString, QVariant>> choices;
};

TEST_F(Detail2Test, ANewAccountGetsTheNextCodeOfItsGroupItsChainsThroughThePickersAndGrantsForAll) {
    startWith(1);
    rows().Last();
    press(Qt::Key_Down);
    choices = {{QStringLiteral("Tafsily2GrohCod"), QStringLiteral("02")},
               {QStringLiteral("Koll"), QStringLiteral(" 11")},
               {QStringLiteral("Koll;Moein"), QVariantList{QStringLiteral(" 11"), QStringLiteral("  6")}},
               {QStringLiteral("Koll"), QStringLiteral(" 12")},
               {QStringLiteral("Koll;Moein"), QVariantList{QStringLiteral(" 12"), QStringLiteral("  6")}},
               {QStringLiteral("Koll"), QStringLiteral(" 81")},
               {QStringLiteral("Koll;Moein"), QVariantList{QStringLiteral(" 81"), QStringLiteral("  1")}},
               {QStringLiteral("ProjectCod"), QStringLiteral("01001")}};
    enter();
    EXPECT_EQ(current(0), QStringLiteral("020004")); // after 020003, the group's largest
    // A quote and Latin letters in a Persian name; then Enter through the three chains.
    enter(QStringLiteral("انبار 'قطعات' Spare"));
    for (int pick = 0; pick < 7; ++pick)
        enter();
    EXPECT_TRUE(choices.isEmpty());
    EXPECT_TRUE(dialogs->messages.isEmpty()) << dialogs->messages.join(u'|').toStdString();
    EXPECT_EQ(rows().State(), TDataSetState::dsInsert);
    EXPECT_EQ(
        column(QStringLiteral("Select NamHesab+'|'+Koll+Moein+AKoll+AMoein+HKoll+HMoein+HProjectCod+'|'+"
                              "RecogName+IsActive+IsPosHesab From Tafsily2 Where Tafsily2 = '020004'")),
        QStringList{QStringLiteral("انبار 'قطعات' Spare| 11  6 12  6 81  101001|بدفعالمنفي")});
    EXPECT_EQ(grants("TAFSILY2", QStringLiteral("020004")),
              (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
}

// Refused rows stay in edit with what was typed; neither the accounts nor the grants change.
TEST_F(Detail2Test, RefusedRowsKeepWhatWasTypedAndChangeNothing) {
    startWith(1);
    const QStringList accounts = stored("Tafsily2");
    const QStringList privileges = stored("UserPrivilege");
    ASSERT_TRUE(rows().Locate(QStringLiteral("Tafsily2"), QStringLiteral("010003")));
    const struct {
        const char* field;
        QString typed;
        QString message;
    } refusals[] = {
        {"NamHesab", QStringLiteral("خط توليد  يك"), QStringLiteral("نام مراكز هزينه تكراريي مي باشد.")},
        {"NamHesab", QString(), QStringLiteral("نام مراكز هزينه وارد نشده است.")},
        {"AMoein", QStringLiteral("9"), QStringLiteral("كد حساب معين موجود نمي باشد.")},
        {"HKoll", QStringLiteral("90"), QStringLiteral("كد حساب کل غيرفعال مي باشد.")},
        {"Koll", QString(), QStringLiteral("سرفصل حساب کل خالي مي باشد")},
        {"Tafsily2", QString(), QStringLiteral("كد مراكز هزينه وارد نشده است.")},
    };
    for (const auto& refusal : refusals) {
        dialogs->messages.clear();
        select(refusal.field);
        if (refusal.typed.isEmpty())
            press(Qt::Key_Backspace);
        type(refusal.typed);
        press(Qt::Key_Down);
        EXPECT_EQ(dialogs->messages, QStringList{refusal.message});
        EXPECT_EQ(rows().State(), TDataSetState::dsEdit) << refusal.field;
        EXPECT_TRUE(editor->Grid()->SelectedField()->FieldName().compare(QLatin1String(refusal.field),
                                                                         Qt::CaseInsensitive) == 0)
            << refusal.field;
        EXPECT_EQ(rows().FieldByName(QLatin1String(refusal.field))->AsString().trimmed(),
                  refusal.typed.trimmed());
        press(Qt::Key_Escape);
    }
    EXPECT_EQ(stored("Tafsily2"), accounts);
    EXPECT_EQ(stored("UserPrivilege"), privileges);
}

TEST_F(Detail2Test, ARenamedAccountTakesEveryGrantAlongUnlessDocumentsUseIt) {
    startWith(1);
    ASSERT_TRUE(rows().Locate(QStringLiteral("Tafsily2"), QStringLiteral("010003")));
    select("Tafsily2");
    type(QStringLiteral("010009"));
    press(Qt::Key_Down);
    EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("ركورد گردش دارد.")});
    EXPECT_EQ(column(QStringLiteral("Select Tafsily2 From Tafsily2 Where Tafsily2 In ('010003', '010009')")),
              QStringList{QStringLiteral("010003")});

    // Another account's code: the server's refusal in the user's words, the row kept as typed.
    ASSERT_TRUE(rows().Locate(QStringLiteral("Tafsily2"), QStringLiteral("020003")));
    select("Tafsily2");
    type(QStringLiteral("010001"));
    press(Qt::Key_Down);
    EXPECT_EQ(dialogs->messages.value(1), QStringLiteral("كد مراكز هزينه تكراري مي باشد."));
    EXPECT_EQ(rows().State(), TDataSetState::dsEdit);
    EXPECT_EQ(current(0), QStringLiteral("010001"));
    press(Qt::Key_Escape);
    ASSERT_TRUE(rows().Locate(QStringLiteral("Tafsily2"), QStringLiteral("020003")));
    select("Tafsily2");
    type(QStringLiteral("۲۰۰۹")); // stored as 002009
    press(Qt::Key_Up);
    EXPECT_EQ(grants("TAFSILY2", QStringLiteral("002009")),
              (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_TRUE(grants("TAFSILY2", QStringLiteral("020003")).isEmpty());
    EXPECT_EQ(dialogs->messages.size(), 2);
}

TEST_F(Detail2Test, DeletingAnAccountDropsItsGrantsButUsedAndLinkedAccountsStay) {
    // The demo's payroll system, in the company's own database, uses 030004.
    startWith(1);
    const QStringList privileges = stored("UserPrivilege");
    for (const char* kept : {"010003", "030004"}) {
        ASSERT_TRUE(rows().Locate(QStringLiteral("Tafsily2"), QLatin1String(kept)));
        press(Qt::Key_Delete, Qt::ControlModifier);
        EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("گردش دارد.")}) << kept;
        dialogs->messages.clear();
    }
    EXPECT_EQ(stored("UserPrivilege"), privileges);
    ASSERT_TRUE(rows().Locate(QStringLiteral("Tafsily2"), QStringLiteral("020003")));
    dialogs->answers = {6};
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("آيا حذف شود؟")});
    EXPECT_TRUE(column(QStringLiteral("Select Tafsily2 From Tafsily2 Where Tafsily2 = '020003'")).isEmpty());
    EXPECT_TRUE(grants("TAFSILY2", QStringLiteral("020003")).isEmpty());
}

// Letters are codes where the company's codes are not numeric; a new group is granted to its
// creator only unless the company grants new codes to all.
TEST_F(Detail2Test, GroupsGrantTheirCreatorFollowTheirCodeAndGoWithTheirGrants) {
    startWith(0,
              {QStringLiteral("Update Options Set Korvash = 'NAMTAFSILY2=مراكز هزينه;NAMPROJECT=پروژه;'")});
    rows().Last();
    press(Qt::Key_Down);
    enter(QStringLiteral("a"));
    enter(QStringLiteral("گروه تست"));
    EXPECT_EQ(grants("GROHTAFSILY2", QStringLiteral("0a")), QStringList{QStringLiteral("1")});

    press(Qt::Key_Escape);
    ASSERT_TRUE(rows().Locate(QStringLiteral("Tafsily2GrohCod"), QStringLiteral("01")));
    select("Tafsily2GrohCod");
    type(QStringLiteral("9"));
    press(Qt::Key_Down);
    EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("ركورد گردش دارد.")});
    ASSERT_TRUE(rows().Locate(QStringLiteral("Tafsily2GrohCod"), QStringLiteral("04")));
    select("Tafsily2GrohCod");
    type(QStringLiteral("5"));
    press(Qt::Key_Up);
    EXPECT_EQ(grants("GROHTAFSILY2", QStringLiteral("05")), QStringList{QStringLiteral("1")});
    EXPECT_TRUE(grants("GROHTAFSILY2", QStringLiteral("04")).isEmpty());

    ASSERT_TRUE(rows().Locate(QStringLiteral("Tafsily2GrohCod"), QStringLiteral("05")));
    dialogs->answers = {6};
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_TRUE(column(QStringLiteral("Select * From GrohTafsily2 Where Tafsily2GrohCod = '05'")).isEmpty());
    EXPECT_TRUE(grants("GROHTAFSILY2", QStringLiteral("05")).isEmpty());
}

} // namespace
} // namespace tarvand::testsupport
