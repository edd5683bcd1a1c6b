#include "EditorFixture.h"

#include "HostContext.h"
#include "TADOQuery.h"
#include "TBitBtn.h"
#include "TDBGrid.h"
#include "TD_Global.h"
#include "TField.h"
#include "TInfoForm.h"
#include "TMabadiForm.h"
#include "TTempGridForm.h"

#include <QMap>
#include <QTest>

using namespace tarvand;
using data::TDataSetState;

namespace tarvand::testsupport {
namespace {

enum Column { Code, Name, Koll, Moein, Tafsily, Tafsily2, Project };
const char* const Fields[] = {"MabadiCod", "MabadiNam", "Koll", "Moein", "Tafsily", "Tafsily2", "ProjectCod"};

class MabadiEditorTest : public EditorFixture {
protected:
    void SetUp() override {
        start();
        ASSERT_NE(show(InfoForm->Mabadi_TabSheet), nullptr);
        ASSERT_EQ(editor, MabadiForm);
        pickWanted();
        rows().Last();
        press(Qt::Key_Down);
    }
    data::TDataSet& rows() const { return *editor->DataSet(); }
    void select(Column column) { MabadiForm->dbgMabadi->SetSelectedIndex(column); }
    // A new row's code and name typed, each followed by Enter.
    void typeCodeAndName(const QString& code, const QString& name) {
        type(code);
        press(Qt::Key_Return);
        type(name);
        press(Qt::Key_Return);
    }
    QStringList stored(const QString& code) const {
        QStringList cells;
        for (const char* field : Fields)
            cells << column(QStringLiteral("Select %1 From D_Mabadi Where MabadiCod = '%2'")
                                .arg(QLatin1String(field), code))
                         .value(0);
        return cells;
    }
};

// A clerk enters two sources through the pickers alone: Enter walks each row through the levels
// its subsidiary account carries and, when the chain is complete, opens the next row.
TEST_F(MabadiEditorTest, EnterWalksThroughTheLevelsOfTheChosenSubsidiaryAccount) {
    wanted = {{"Koll", " 81"},
              {"Moein", "  3"},
              {"Tafsily", "02002"},
              {"Tafsily2", "010001"},
              {"ProjectCod", "02001"}};
    typeCodeAndName(QStringLiteral("۵"), QStringLiteral("پيمانكار تاسيسات"));
    press(Qt::Key_Return);
    EXPECT_EQ(MabadiForm->dbgMabadi->SelectedIndex(), Moein);
    press(Qt::Key_Return);
    EXPECT_EQ(MabadiForm->dbgMabadi->SelectedIndex(), Tafsily);
    press(Qt::Key_Return);
    EXPECT_EQ(MabadiForm->dbgMabadi->SelectedIndex(), Tafsily2);
    press(Qt::Key_Return);
    EXPECT_EQ(MabadiForm->dbgMabadi->SelectedIndex(), Project);
    press(Qt::Key_Return);
    EXPECT_EQ(dialogs->pickerShown, 5);
    EXPECT_EQ(stored(QStringLiteral("  5")),
              (QStringList{"  5", "پيمانكار تاسيسات", " 81", "  3", "02002", "010001", "02001"}));
    EXPECT_EQ(rows().State(), TDataSetState::dsInsert);
    EXPECT_EQ(MabadiForm->dbgMabadi->SelectedIndex(), Code);

    // A subsidiary account with project accounts only: Enter on it skips the detail columns,
    // which cannot be typed into.
    wanted = {{"Koll", " 13"}, {"Moein", "  1"}, {"ProjectCod", "01002"}};
    typeCodeAndName(QStringLiteral("6"), QStringLiteral("ساخت سوله"));
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    EXPECT_EQ(MabadiForm->dbgMabadi->SelectedIndex(), Project);
    select(Tafsily);
    type(QStringLiteral("12"));
    EXPECT_EQ(MabadiForm->dbgMabadi->EditText(), QString());
    select(Project);
    press(Qt::Key_Return);
    EXPECT_EQ(stored(QStringLiteral("  6")),
              (QStringList{"  6", "ساخت سوله", " 13", "  1", "", "", "01002"}));
    EXPECT_TRUE(dialogs->messages.isEmpty()) << dialogs->messages.join(u'|').toStdString();

    // Left and Right only move; an inactive account chosen in the picker is refused.
    select(Koll);
    press(Qt::Key_Left);
    press(Qt::Key_Right);
    EXPECT_EQ(dialogs->pickerShown, 8);
    wanted = {{"Koll", " 90"}};
    select(Koll);
    press(Qt::Key_Return);
    EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("كد حساب كل غيرفعال مي باشد.")});
    EXPECT_EQ(MabadiForm->dbgMabadi->SelectedIndex(), Koll);
}

// The chain typed straight into the cells and checked when the row is left.
struct ChainCase {
    const char* label;
    QStringList cells;   // Koll, Moein, Tafsily, Tafsily2, ProjectCod as typed, then typed over from Koll
    const char* message; // nullptr: the row is accepted
    Column column;       // where the grid stands after a refusal
    bool picker;         // a refusal for a missing account opens the picker
    QStringList stored;  // the accepted row's chain
};

const ChainCase Chains[] = {
    {"EmptyGeneral", {"", "1", "", "", ""}, "سرفصل حساب کل خالي مي باشد", Koll, true, {}},
    {"MissingGeneral", {"99", "1", "", "", ""}, "كد حساب كل موجود نمي باشد.", Koll, true, {}},
    {"InactiveGeneral", {"90", "1", "", "", ""}, "كد حساب کل غيرفعال مي باشد.", Koll, false, {}},
    {"MissingSubsidiary", {"11", "7", "", "", ""}, "كد حساب معين موجود نمي باشد.", Moein, true, {}},
    {"InactiveSubsidiary", {"11", "9", "", "", ""}, "كد حساب معين غيرفعال مي باشد.", Moein, false, {}},
    {"EmptyDetail", {"31", "1", "", "", ""}, "کد حساب تفصيلي خالي مي باشد.", Tafsily, true, {}},
    {"DetailOutsideTheGroups",
     {"31", "1", "4001", "", ""},
     "كد حساب تفصيلي موجود نمي باشد.",
     Tafsily,
     true,
     {}},
    {"InactiveDetail", {"31", "1", "1003", "", ""}, "كد حساب تفصيلي غيرفعال مي باشد.", Tafsily, false, {}},
    {"EmptyDetail2", {"11", "5", "", "", ""}, "کد حساب مراكز هزينه خالي مي باشد.", Tafsily2, true, {}},
    {"Detail2OutsideTheGroups",
     {"11", "3", "", "30001", "1001"},
     "كد حساب مراكز هزينه موجود نمي باشد.",
     Tafsily2,
     true,
     {}},
    {"InactiveDetail2",
     {"11", "5", "", "30004", ""},
     "كد حساب مراكز هزينه غيرفعال مي باشد.",
     Tafsily2,
     false,
     {}},
    {"Detail2NotInTheSubsidiarysList",
     {"31", "2", "1001", "10001", ""},
     "كد حساب مراكز هزينه موجود نمي باشد.",
     Tafsily2,
     true,
     {}},
    {"TheDetailsOwnDetail2List",
     {"31", "2", "2001", "10001", ""},
     nullptr,
     Code,
     false,
     {" 31", "  2", "02001", "010001", ""}},
    {"EmptyProject", {"13", "1", "", "", ""}, "کد پروژه خالي مي باشد.", Project, true, {}},
    {"ProjectOutsideTheGroups", {"13", "1", "", "", "2001"}, "كد پروژه موجود نمي باشد.", Project, true, {}},
    {"InactiveProject", {"13", "2", "1001", "", "2002"}, "كد پروژه غيرفعال مي باشد.", Project, false, {}},
    {"TheDetail2sOwnProjectList",
     {"81", "1", "", "10001", "1001"},
     "كد پروژه موجود نمي باشد.",
     Project,
     true,
     {}},
    {"ProjectUnderADetail2WithoutAList",
     {"81", "1", "", "30001", "1001"},
     nullptr,
     Code,
     false,
     {" 81", "  1", "", "030001", "01001"}},
    {"LevelsNotCarriedAreCleared",
     {"81", "3", "2002", "10001", "1001", "5", "1"},
     nullptr,
     Code,
     false,
     {"  5", "  1", "", "", ""}},
};

void PrintTo(const ChainCase& c, std::ostream* out) {
    *out << c.label;
}

class MabadiChainTest : public MabadiEditorTest, public ::testing::WithParamInterface<ChainCase> {};

TEST_P(MabadiChainTest, TheChainIsCheckedLevelByLevelWhenTheRowIsLeft) {
    const ChainCase& c = GetParam();
    // Codes holding a letter elsewhere in the chart do not disturb the check of other codes.
    host->Exec(QStringLiteral("Insert Into Tafsily (Tafsily, NamHesab) Values ('0000ت', 'ت')"));
    host->Exec(QStringLiteral("Insert Into Tafsily2 (Tafsily2, NamHesab) Values ('00000ت', 'ت')"));
    typeCodeAndName(QStringLiteral("7"), QStringLiteral("منبع آزمايشي"));
    for (int level = 0; level < c.cells.size(); ++level) {
        select(Column(Koll + level % 5));
        type(c.cells.at(level));
    }
    press(Qt::Key_Up);
    if (c.message == nullptr) {
        EXPECT_TRUE(dialogs->messages.isEmpty()) << dialogs->messages.join(u'|').toStdString();
        EXPECT_EQ(stored(QStringLiteral("  7")).mid(Koll), c.stored);
        return;
    }
    EXPECT_EQ(dialogs->messages, QStringList{QString::fromUtf8(c.message)});
    EXPECT_EQ(dialogs->pickerShown, c.picker ? 1 : 0);
    EXPECT_EQ(MabadiForm->dbgMabadi->SelectedIndex(), c.column);
    EXPECT_EQ(rows().State(), TDataSetState::dsInsert);
    EXPECT_EQ(rows().FieldByName(QStringLiteral("MabadiNam"))->AsString(), QStringLiteral("منبع آزمايشي"));
    EXPECT_TRUE(stored(QStringLiteral("  7")).first().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Chains, MabadiChainTest, ::testing::ValuesIn(Chains),
                         [](const auto& info) { return std::string(info.param.label); });

// Account columns take what the company's code type allows; a quote typed into a code is looked
// up as text and refused, never sent as part of a statement.
TEST_F(MabadiEditorTest, AccountColumnsFollowTheCompanysCodeType) {
    typeCodeAndName(QStringLiteral("8"), QStringLiteral("منبع"));
    select(Koll);
    type(QStringLiteral("1a'۱"));
    EXPECT_EQ(MabadiForm->dbgMabadi->EditText(), QStringLiteral("11"));
    press(Qt::Key_Escape);
    press(Qt::Key_Escape);

    InfoForm->DGlobal->TypeSarfaslCod = QStringLiteral("CHAR");
    rows().Last();
    press(Qt::Key_Down);
    select(Code);
    typeCodeAndName(QStringLiteral("8"), QStringLiteral("منبع"));
    select(Koll);
    type(QStringLiteral("1'1"));
    press(Qt::Key_Up);
    EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("كد حساب كل موجود نمي باشد.")});
    EXPECT_EQ(rows().FieldByName(QStringLiteral("Koll"))->AsString(), QStringLiteral("1'1"));
    EXPECT_EQ(rows().State(), TDataSetState::dsInsert);
}

} // namespace
} // namespace tarvand::testsupport
