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

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QTest>

using namespace tarvand;
using data::TDataSetState;

namespace tarvand::testsupport {
namespace {

// One editor as a clerk meets it: its tab, what it stores, and the cells typed after the name of
// a new row (each followed by Enter) until the row is written and the next one opened.
struct EditorCase {
    const char* label;
    ui::TTabSheet* TInfoForm::*sheet;
    const char* table;
    const char* codeField;
    const char* nameField;
    int codeWidth;      // 0: the code is stored as typed
    QStringList before; // cells between code and name
    QStringList after;
    int choice = 0;               // of a combined tab
    const char* jumpTo = nullptr; // the column the clerk selects after the name, if any
};

const EditorCase Editors[] = {
    {"VazDarae", &TInfoForm::VazDarae_TabSheet, "D_VazDarae", "VazCod", "VazNam", 3, {}, {}},
    {"Vezarat", &TInfoForm::Vezarat_TabSheet, "D_VezArat", "VezCod", "VezNam", 3, {}, {}},
    {"Gheimat", &TInfoForm::Gheimat_TabSheet, "D_Gheimat", "GheimatCod", "GheimatNam", 3, {}, {}},
    {"Makan", &TInfoForm::Makan_TabSheet, "D_Makan", "MakanCod", "MakanNam", 3, {}, {QString()}},
    // Enter on the name starts straight-line depreciation and leads to the years.
    {"Astehlak",
     &TInfoForm::Astehlak_TabSheet,
     "D_Madeh151",
     "MadehCod",
     "MadehNam",
     3,
     {},
     {QString(), QStringLiteral("۵")}},
    {"Sakhtar",
     &TInfoForm::Sakhtar_TabSheet,
     "D_Sakhtar",
     "SakhtarCod",
     "SakhtarNam",
     3,
     {QStringLiteral("۱")},
     {QStringLiteral("۱۲"), QString()}},
    // Enter on the general and subsidiary accounts chooses them in the pickers.
    {"Mabadi",
     &TInfoForm::Mabadi_TabSheet,
     "D_Mabadi",
     "MabadiCod",
     "MabadiNam",
     3,
     {},
     {QString(), QString()}},
    {"Depart", &TInfoForm::Personel_TabSheet, "Depart_1", "Code_field", "Desk", 0, {}, {}},
    // Two-digit group codes fill their column.
    {"GrohTafsily2",
     &TInfoForm::Tafsily2_TabSheet,
     "GrohTafsily2",
     "Tafsily2GrohCod",
     "Tafsily2GrohNam",
     0,
     {},
     {}},
    // Family name, a unit typed and taken in its list, no activity.
    {"Personel",
     &TInfoForm::Personel_TabSheet,
     "Person",
     "Code",
     "Name",
     5,
     {},
     {QStringLiteral("کریمی"), QStringLiteral("۳"), QString()},
     1},
    // The asset is left from the end of its expense chain, which its empty accounts make the last.
    {"Amval",
     &TInfoForm::Amval_TabSheet,
     "D_Amval",
     "DaraCod",
     "DaraNam",
     10,
     {},
     {QString()},
     0,
     "HProjectCod"},
};

void PrintTo(const std::tuple<EditorCase, bool>& e, std::ostream* out) {
    *out << std::get<0>(e).label << (std::get<1>(e) ? " on PostgreSQL" : "");
}

// Each editor over a company file and over a company on a PostgreSQL server.
class AllEditorsTest : public EditorFixture,
                       public ::testing::WithParamInterface<std::tuple<EditorCase, bool>> {
protected:
    static const EditorCase& param() { return std::get<0>(GetParam()); }
    void SetUp() override {
        start(1, std::get<1>(GetParam()));
        ASSERT_NE(show(InfoForm->*param().sheet, param().choice), nullptr);
        // The location's account is chosen in the picker; a source is credited to the first
        // general account and its first subsidiary account, which carries no lower levels; a
        // person's unit is taken as typed.
        dialogs->pick = [](host::TTempGridForm& picker) {
            if (picker.quTemp->FindField(QStringLiteral("Tafsily2")) != nullptr)
                picker.quTemp->Locate(QStringLiteral("Tafsily2"), QStringLiteral("020001"));
            QTest::mouseClick(picker.BtnOk, Qt::LeftButton);
        };
        rows().Last();
        press(Qt::Key_Down);
        ASSERT_EQ(rows().State(), TDataSetState::dsInsert);
    }
    data::TDataSet& rows() const { return *editor->DataSet(); }
    QString stored(const QString& code) const {
        const int width = param().codeWidth;
        return width > 0 ? QString(width - code.size(), QLatin1Char(' ')) + code : code;
    }
    // The names stored under a code.
    QStringList names(const QString& code) const {
        const EditorCase& e = param();
        return column(QStringLiteral("Select %1 From %2 Where %3 = '%4'")
                          .arg(QLatin1String(e.nameField), QLatin1String(e.table), QLatin1String(e.codeField),
                               stored(code)));
    }
    void typeRow(const QString& code, const QString& name) {
        const EditorCase& e = param();
        for (const QString& cell : QStringList{code} + e.before + QStringList{name}) {
            type(cell);
            press(Qt::Key_Return);
        }
        if (e.jumpTo != nullptr)
            editor->Grid()->SetSelectedIndex(
                TGlobal::FindGridColumn(editor->Grid(), QString::fromUtf8(e.jumpTo)));
        for (const QString& cell : e.after) {
            type(cell);
            press(Qt::Key_Return);
        }
    }
    bool gridHasKeys() {
        QWidget* focus = keyTarget();
        return focus == editor->Grid() || editor->Grid()->isAncestorOf(focus);
    }
    void clickTitle(int column) {
        QHeaderView* header = editor->Grid()->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }
};

TEST_P(AllEditorsTest, RowsTypedOneAfterAnotherOnAPersianKeyboardAreStoredAsTheCompanyWritesThem) {
    const int before = rows().RecordCount();
    // Persian and Arabic-Indic digits, Persian yeh and keheh.
    typeRow(QStringLiteral("۷۱"), QStringLiteral("کالای یدکی"));
    EXPECT_TRUE(gridHasKeys());
    typeRow(QStringLiteral("٧٢"), QStringLiteral("کمد"));
    EXPECT_TRUE(gridHasKeys());
    EXPECT_EQ(names(QStringLiteral("71")), QStringList{QStringLiteral("كالاي يدكي")});
    EXPECT_EQ(names(QStringLiteral("72")), QStringList{QStringLiteral("كمد")});
    EXPECT_EQ(rows().State(), TDataSetState::dsInsert);
    EXPECT_EQ(editor->Grid()->SelectedIndex(), 0);
    EXPECT_TRUE(dialogs->messages.isEmpty()) << dialogs->messages.join(u'|').toStdString();

    // The clerk drops the empty row, deletes the last one typed and sorts by name both ways.
    press(Qt::Key_Escape);
    rows().Last();
    ASSERT_EQ(rows().FieldByName(QLatin1String(param().nameField))->AsString(), QStringLiteral("كمد"));
    dialogs->answers = {6};
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_TRUE(names(QStringLiteral("72")).isEmpty());
    EXPECT_EQ(rows().RecordCount(), before); // the one typed kept, the empty one dropped
    int at = 0;
    while (editor->Grid()->Columns()->Items(at)->FieldName() != QLatin1String(param().nameField))
        ++at;
    clickTitle(at);
    rows().First();
    const QString first = current(at);
    clickTitle(at);
    rows().Last();
    EXPECT_EQ(current(at), first);
    EXPECT_EQ(names(QStringLiteral("71")), QStringList{QStringLiteral("كالاي يدكي")});
}

TEST_P(AllEditorsTest, TheCodeTakesDigitsOnlyAndAPastedCodeIsStoredTrimmed) {
    type(QStringLiteral("a۴ب"));
    EXPECT_EQ(editor->Grid()->EditText(), QStringLiteral("4"));
    press(Qt::Key_Backspace);
    EXPECT_EQ(editor->Grid()->EditText(), QString());
    press(Qt::Key_Escape);
    QApplication::clipboard()->setText(QStringLiteral("۵۸ "));
    press(Qt::Key_V, Qt::ControlModifier);
    typeRow(QString(), QStringLiteral("چسبانده"));
    EXPECT_EQ(names(QStringLiteral("58")), QStringList{QStringLiteral("چسبانده")});
}

const auto label = [](const auto& info) { return std::string(std::get<0>(info.param).label); };
INSTANTIATE_TEST_SUITE_P(Editors, AllEditorsTest,
                         ::testing::Combine(::testing::ValuesIn(Editors), ::testing::Values(false)), label);
INSTANTIATE_TEST_SUITE_P(OnPostgres, AllEditorsTest,
                         ::testing::Combine(::testing::ValuesIn(Editors), ::testing::Values(true)), label);

} // namespace
} // namespace tarvand::testsupport
