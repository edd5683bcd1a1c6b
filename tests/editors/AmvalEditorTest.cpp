#include "EditorFixture.h"

#include "HostContext.h"
#include "TADOQuery.h"
#include "TAmvalForm.h"
#include "TBitBtn.h"
#include "TCodeSelectForm.h"
#include "TDBGrid.h"
#include "TEdit.h"
#include "TField.h"
#include "TFrmBatch.h"
#include "TGlobal.h"
#include "TInfoForm.h"
#include "TMenuItem.h"
#include "TPopupMenu.h"
#include "TTempGridForm.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>

using namespace tarvand;
using data::TDataSetState;

namespace tarvand::testsupport {
namespace {

class AmvalEditorTest : public EditorFixture {
protected:
    void SetUp() override {
        start();
        ASSERT_NE(show(InfoForm->Amval_TabSheet), nullptr);
        ASSERT_EQ(editor, AmvalForm);
        pickWanted();
    }
    data::TDataSet& rows() const { return *editor->DataSet(); }
    ui::TDBGrid* grid() const { return AmvalForm->dbgAmval; }
    QString selected() const { return grid()->Columns()->Items(grid()->SelectedIndex())->FieldName(); }
    void select(const QString& field) { grid()->SetSelectedIndex(TGlobal::FindGridColumn(grid(), field)); }
    void goTo(const QString& code) {
        ASSERT_TRUE(rows().Locate(QStringLiteral("DaraCod"), code.rightJustified(10)));
    }
    void newRow() {
        rows().Last();
        press(Qt::Key_Down);
        ASSERT_EQ(rows().State(), TDataSetState::dsInsert);
    }
    void enter(const QString& field, const QString& text) {
        select(field);
        type(text);
    }
    QString value(const QString& field) const { return rows().FieldByName(field)->AsString(); }
    // The fields (named with blanks between) of the current row, or as stored for a code.
    QString cells(const QString& fields, const QString& code = QString()) const {
        QStringList values;
        for (const QString& field : fields.split(u' '))
            values << (code.isEmpty() ? value(field)
                                      : column(QStringLiteral("Select %1 From D_Amval Where DaraCod = '%2'")
                                                   .arg(field, code.rightJustified(10)))
                                            .value(0));
        return values.join(u'|');
    }
    bool editable() const { return grid()->Options().testFlag(ui::dgEditing); }
    QString total() const { return column(QStringLiteral("Select Sum(EndValue) From D_Amval")).value(0); }
};

// A clerk registers an asset with the keyboard alone: the lookups chosen with Enter, the method
// taken from the rate row, Enter on the method to its term, the date confirmed, then the three
// account chains, each through the levels its subsidiary account carries; the end of the expense
// chain writes the row and opens the next one.
TEST_F(AmvalEditorTest, EnterWalksARowThroughItsPickersAndTheLevelsOfEachChain) {
    wanted = {{"VezCod", "  2"},        {"MadehCod", "  2"}, {"MakanCod", "  6"},
              {"PersonelCod", "  110"}, {"VazCod", "  1"},   {"SakhtarCod", "  3"},
              {"Koll", " 13"},          {"Moein", "  1"},    {"ProjectCod", "01001"}};
    newRow();
    QStringList walk;
    const auto step = [&](const QString& text = QString()) {
        type(text);
        press(Qt::Key_Return);
        walk << selected();
    };
    step(QStringLiteral("۹۰۰۱"));
    step(QStringLiteral("پمپ آب"));
    select(QStringLiteral("VezCod"));
    for (int i = 0; i < 3; ++i)
        step();
    step(QStringLiteral("5"));
    step(QStringLiteral("1403/02/01"));
    EXPECT_FALSE(editable()); // put into use after the start: the cost comes from documents
    EXPECT_EQ(value(QStringLiteral("EndValue")), QStringLiteral("0"));
    for (int i = 0; i < 8; ++i)
        step();
    step(QStringLiteral("P-9001"));
    step();
    step(QStringLiteral("1403/01/20"));
    for (int i = 0; i < 3; ++i)
        step();
    wanted.insert(QStringLiteral("Koll"), QStringLiteral(" 12"));
    wanted.insert(QStringLiteral("Moein"), QStringLiteral("  4"));
    wanted.insert(QStringLiteral("Tafsily2"), QStringLiteral("030003"));
    for (int i = 0; i < 3; ++i)
        step();
    wanted = {{"Koll", " 81"},
              {"Moein", "  3"},
              {"Tafsily", "02002"},
              {"Tafsily2", "010001"},
              {"ProjectCod", "02001"}};
    for (int i = 0; i < 5; ++i)
        step();
    EXPECT_EQ(
        walk.join(u' '),
        "DaraNam OTHERTAHVILCODE MadehCod RaveshEst Salianeh BahreDate EndValue GarantiEnd "
        "Anbashteh Esshat MakanCod PersonelCod VazCod SakhtarCod PelakOld PelakNew MadeDate DKoll DMoein "
        "DProjectCod Koll Moein Tafsily2 HKoll HMoein HTafsily HTafsily2 HProjectCod DaraCod");
    EXPECT_TRUE(dialogs->messages.isEmpty()) << dialogs->messages.join(u'|').toStdString();
    EXPECT_EQ(rows().State(), TDataSetState::dsInsert);
    EXPECT_EQ(
        cells("DaraNam VezCod MadehCod RaveshEst Salianeh Nozooli BahreDate EndValue MakanCod PersonelCod "
              "VazCod SakhtarCod PelakOld PelakNew MadeDate DKoll DMoein DTafsily DTafsily2 DProjectCod Koll "
              "Moein Tafsily Tafsily2 ProjectCod HKoll HMoein HTafsily HTafsily2 HProjectCod",
              QStringLiteral("9001")),
        "پمپ آب|  2|  2|مستقيم|5|0|1403/02/01|0|  6|  110|  1|  3|P-9001||1403/01/20| 13|  1|||01001| 12|  "
        "4||030003|| 81|  3|02002|010001|02001");
}

// Space and a double click cycle the method, zeroing what the new method does not use.
TEST_F(AmvalEditorTest, SpaceAndDoubleClickCycleTheMethod) {
    goTo(QStringLiteral("2001")); // straight-line, with accumulated depreciation and salvage value
    select(QStringLiteral("RaveshEst"));
    const QString fields = QStringLiteral("RaveshEst Nozooli Salianeh Anbashteh Esshat");
    QStringList seen;
    const auto look = [&] { seen << cells(fields); };
    press(Qt::Key_Space);
    look();
    press(Qt::Key_Space);
    look();
    const QRect cell = grid()->visualRect(grid()->currentIndex());
    QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    look();
    EXPECT_EQ(seen, (QStringList{"نزولي|0|0|1067000000|320000000", "ندارد|0|0|0|0", "مستقيم|0|0|0|0"}));
    EXPECT_FALSE(editable());
    press(Qt::Key_Up); // leaving the row writes it
    EXPECT_EQ(cells(fields, QStringLiteral("2001")), QStringLiteral("مستقيم|0|0|0|0"));
}

// Which cells take typing, by method, by the date of use against the company start (1398/01/01)
// and by the levels of the chain's subsidiary account.
struct EditingCase {
    const char* asset;
    const char* method;
    const char* date;
    QString editable;
    QString locked;
};

TEST_F(AmvalEditorTest, CellsTakeTypingByMethodDateAndAccountLevels) {
    const EditingCase cases[] = {
        {"1001", "ندارد", "1385/04/01", "EndValue", "RaveshEst Nozooli Salianeh Anbashteh Esshat DTafsily2"},
        {"2001", "مستقيم", "1396/05/10", "Salianeh EndValue Anbashteh Esshat DTafsily2 DProjectCod HTafsily2",
         "RaveshEst Nozooli DTafsily HTafsily"},
        {"2002", "مستقيم", "1399/08/01", "Salianeh", "Nozooli EndValue Anbashteh Esshat"},
        {"1101", "نزولي", "1390/07/01", "Nozooli EndValue Anbashteh Esshat Tafsily2",
         "Salianeh DProjectCod Tafsily"},
        {"1104", "نزولي", "1401/03/01", "Nozooli", "Salianeh EndValue Anbashteh Esshat"},
    };
    for (const EditingCase& c : cases) {
        goTo(QString::fromUtf8(c.asset));
        ASSERT_EQ(value(QStringLiteral("RaveshEst")), QString::fromUtf8(c.method));
        ASSERT_EQ(value(QStringLiteral("BahreDate")), QString::fromUtf8(c.date));
        for (const bool expected : {true, false}) {
            for (const QString& field : (expected ? c.editable : c.locked).split(u' ')) {
                select(field);
                EXPECT_EQ(editable(), expected) << c.asset << ' ' << field.toStdString();
            }
        }
    }
    // A locked cell keeps its value whatever is typed.
    goTo(QStringLiteral("2002"));
    enter(QStringLiteral("EndValue"), QStringLiteral("5"));
    EXPECT_EQ(value(QStringLiteral("EndValue")), QStringLiteral("12500000000"));
    EXPECT_EQ(rows().State(), TDataSetState::dsBrowse);
}

// Rows refused when they are left, each with its message; the row stays in edit with what was
// typed and nothing is written.
struct RefusalCase {
    const char* label;
    QStringList cells; // field, text, field, text...
    const char* message;
};

TEST_F(AmvalEditorTest, RefusedPostsKeepTheRowInEdit) {
    const RefusalCase cases[] = {
        {"old tag", {"PelakOld", "A-1101"}, "شماره پلاك قديمي تكراري است !"},
        {"new tag with blanks", {"PelakNew", " 10002"}, "شماره پلاك جديد تكراري است !"},
        {"both tags", {"PelakOld", "A-1102", "PelakNew", "10003"}, "شماره پلاك قديمي تكراري است !"},
        {"asset code", {"DaraCod", "1001"}, "كد وارد شده تكراري مي باشد."},
    };
    for (const RefusalCase& c : cases) {
        dialogs->messages.clear();
        newRow();
        enter(QStringLiteral("DaraCod"), QStringLiteral("9200"));
        enter(QStringLiteral("DaraNam"), QStringLiteral("رد شده"));
        for (int i = 0; i < c.cells.size(); i += 2)
            enter(c.cells.at(i), c.cells.at(i + 1));
        press(Qt::Key_Up);
        EXPECT_EQ(dialogs->messages, QStringList{QString::fromUtf8(c.message)}) << c.label;
        EXPECT_EQ(rows().State(), TDataSetState::dsInsert) << c.label;
        EXPECT_EQ(value(c.cells.at(0)).trimmed(), c.cells.at(1).trimmed()) << c.label;
        EXPECT_EQ(value(QStringLiteral("DaraNam")), QStringLiteral("رد شده")) << c.label;
        press(Qt::Key_Escape);
        press(Qt::Key_Escape);
    }
    EXPECT_EQ(cells(QStringLiteral("DaraNam"), QStringLiteral("9200")), QString());
    EXPECT_EQ(column(QStringLiteral("Select DaraNam From D_Amval Where DaraCod = '      1001'")).value(0),
              QStringLiteral("زمين كارخانه جاده ساوه - 12000 متر مربع"));

    // An asset's own tags, and another's old tag as a new tag, are no duplicates.
    dialogs->messages.clear();
    goTo(QStringLiteral("1102"));
    enter(QStringLiteral("DaraNam"), QStringLiteral("سوله يك"));
    enter(QStringLiteral("PelakNew"), QStringLiteral("A-1101"));
    press(Qt::Key_Up);
    EXPECT_TRUE(dialogs->messages.isEmpty()) << dialogs->messages.join(u'|').toStdString();
    EXPECT_EQ(cells(QStringLiteral("DaraNam PelakOld PelakNew"), QStringLiteral("1102")),
              "سوله يك|A-1102|A-1101");
}

// What a clerk may type wrongly, and what is said and stored when the row is left.
struct InputCase {
    const char* field;
    QString typed;
    const char* message; // nullptr: none
    const char* stored;  // nullptr: not written, the row stays in edit with the text
};

TEST_F(AmvalEditorTest, BadInputIsStoredAsTheColumnAllowsOrKeptInEdit) {
    const char* const badDate = "تاريخ وارد شده اشكال دارد";
    const InputCase cases[] = {
        {"DaraNam", QStringLiteral("ميز 'مدير' \"اول\""), nullptr, "ميز 'مدير' \"اول\""},
        {"DaraNam", QString(120, u'ب'), nullptr,
         "ببببببببببببببببببببببببببببببببببببببببببببببببببببببببببببببببببببببببببببببببببببببببببببببببببب"
         "ب"},
        {"PelakOld", QStringLiteral("P'1"), nullptr, "P'1"},
        {"EndValue", QStringLiteral("۱۲۳۴"), nullptr, "1234"},
        {"EndValue", QStringLiteral("-5"), nullptr, "-5"},
        {"EndValue", QStringLiteral("12ab"), nullptr, nullptr},
        {"DaraCod", QStringLiteral("ab۷"), nullptr, "         7"},
        {"VezCod", QStringLiteral("x'1"), nullptr, "  1"},
        {"BahreDate", QStringLiteral("1403/13/40"), badDate, "1403/13/40"},
        {"MadeDate", QStringLiteral("۱۴۰۳۰۲۳۱"), nullptr, "1403/02/31"},
    };
    int code = 9300;
    for (const InputCase& c : cases) {
        dialogs->messages.clear();
        const QString field = QString::fromUtf8(c.field);
        const QString shown = field + QLatin1Char(' ') + c.typed;
        newRow();
        enter(QStringLiteral("DaraCod"), QString::number(++code));
        if (field != QLatin1String("DaraNam"))
            enter(QStringLiteral("DaraNam"), QStringLiteral("آزمايشي"));
        enter(field, c.typed);
        press(Qt::Key_Return);
        press(Qt::Key_Up);
        const QString key = field == QLatin1String("DaraCod") ? QStringLiteral("7") : QString::number(code);
        EXPECT_EQ(dialogs->messages, c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList())
            << shown.toStdString();
        if (c.stored == nullptr) {
            EXPECT_EQ(rows().State(), TDataSetState::dsInsert) << shown.toStdString();
            EXPECT_EQ(grid()->EditText(), c.typed) << shown.toStdString();
            EXPECT_EQ(cells(QStringLiteral("DaraNam"), key), QString()) << shown.toStdString();
            press(Qt::Key_Escape);
            press(Qt::Key_Escape);
            continue;
        }
        EXPECT_EQ(cells(field, key), QString::fromUtf8(c.stored)) << shown.toStdString();
    }
}

// The totals under the grid follow every post and delete.
TEST_F(AmvalEditorTest, TotalsFollowPostsAndDeletes) {
    const auto shown = [] { return AmvalForm->txtEndFee->Text().remove(u','); };
    EXPECT_EQ(shown(), total());
    newRow();
    enter(QStringLiteral("DaraCod"), QStringLiteral("9400"));
    enter(QStringLiteral("EndValue"), QStringLiteral("1000000"));
    press(Qt::Key_Up);
    EXPECT_EQ(shown(), total());
    EXPECT_EQ(AmvalForm->txtEstAnbashteh->Text(), QStringLiteral("47,564,000,000"));
    goTo(QStringLiteral("9400"));
    dialogs->answers = {6};
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(cells(QStringLiteral("DaraCod"), QStringLiteral("9400")), QString());
    EXPECT_EQ(shown(), total());
    // The names of the current row's codes.
    goTo(QStringLiteral("1101"));
    EXPECT_EQ(AmvalForm->PersonelEdit->Text(), QStringLiteral("علي رضايي"));
}

// Further recipients are ticked in the multi-select picker; the row shows the first one and is
// written at once, the whole list kept for that post.
TEST_F(AmvalEditorTest, FurtherRecipientsAreChosenInTheMultiSelectPicker) {
    goTo(QStringLiteral("4002"));
    select(QStringLiteral("OTHERTAHVILCODE"));
    QTimer::singleShot(0, [] {
        CodeSelectForm->quAnbarSelect->First();
        CodeSelectForm->SelectAllItem->Click();
        QTest::mouseClick(CodeSelectForm->Ok_BitBtn, Qt::LeftButton);
    });
    press(Qt::Key_Return);
    EXPECT_EQ(selected(), QStringLiteral("OTHERTAHVILCODE"));
    EXPECT_EQ(rows().State(), TDataSetState::dsBrowse);
    EXPECT_EQ(CodeSelectForm, nullptr);
    EXPECT_TRUE(dialogs->messages.isEmpty()) << dialogs->messages.join(u'|').toStdString();
}

// The register's own popup commands: batch creation, and barcode labels also on Ctrl+N. The batch writes its
// assets without refreshing the grid; Ctrl+N opens the label designer of the application folder's
// BarCode.dll.
TEST_F(AmvalEditorTest, BatchAndBarcodeCommandsOfThePopupMenu) {
    ui::TMenuItem* menu = AmvalForm->pmGrid->Items();
    // The grid command object's items carry no picture 0, so both close the menu.
    ASSERT_GE(menu->Count(), 2);
    EXPECT_EQ(menu->Items(menu->Count() - 2)->Caption(), QStringLiteral("معرفي دسته اي داراييها"));
    EXPECT_EQ(menu->Items(menu->Count() - 1)->Caption(), QStringLiteral("چاپ باركد ..."));

    const int shown = rows().RecordCount();
    QTimer::singleShot(0, [] {
        FrmBatch->tFromCode->SetText(QStringLiteral("7001"));
        FrmBatch->tToCode->SetText(QStringLiteral("7002"));
        FrmBatch->tYears->SetText(QStringLiteral("4"));
        FrmBatch->tbDate->SetText(QStringLiteral("1403/02/01"));
        QTest::mouseClick(FrmBatch->BtnOk, Qt::LeftButton);
    });
    AmvalForm->BatchItem->Click();
    EXPECT_EQ(
        column(QStringLiteral("Select DaraNam From D_Amval Where DaraCod In ('      7001', '      7002')")),
        QStringList({QStringLiteral("      7001"), QStringLiteral("      7002")}));
    EXPECT_EQ(rows().RecordCount(), shown);

    Global->AppPath = QDir::toNativeSeparators(TARVAND_APP_FOLDER);
    bool designed = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            // Compared here: the module's texts go with the module.
            designed = dialog->objectName() == QLatin1String("LabelDesigner");
            dialog->close();
        }
    });
    press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(designed);
    EXPECT_TRUE(dialogs->messages.isEmpty()) << dialogs->messages.join(u'|').toStdString();
}

} // namespace
} // namespace tarvand::testsupport
