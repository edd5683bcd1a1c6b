#include "DemoDatabase.h"
#include "ShowModalAndThen.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TDBGrid.h"
#include "TGlobal.h"
#include "TMyDatabase.h"
#include "TSpeedButton.h"
#include "TTempGridForm.h"

#include <QApplication>
#include <QTest>
#include <functional>

#include <gtest/gtest.h>

using tarvand::TGlobal;
using tarvand::TMyDatabase;
using tarvand::data::TADOConnection;
using tarvand::data::TADOQuery;
using tarvand::host::TTempGridForm;
using tarvand::testsupport::DemoDatabase;
namespace ui = tarvand::ui;

namespace {

const QString makanStatement = QStringLiteral("Select MakanCod, MakanNam From D_Makan Order By MakanCod");

// The host's picker over a demo company, as the module finds it.
class TempGridFormTest : public ::testing::Test {
protected:
    TempGridFormTest()
        : connection_(database_.open()), myDatabase_(&connection_, &global_), picker_(&myDatabase_) {
        global_.UserId = 1;
    }

    // The members a base-table lookup fills: the asset locations, positioned on a code.
    void setUpMakanLookup(const QString& code) {
        picker_.ClearSetup();
        picker_.ColumnCount = 2;
        picker_.ColumnTitles[0] = QStringLiteral("كد");
        picker_.ColumnTitles[1] = QStringLiteral("نام مکان");
        picker_.Title = QStringLiteral("انتخاب مکان دارايي");
        picker_.ColumnWidths[0] = 60;
        picker_.ColumnWidths[1] = 400;
        picker_.KeyFields[0] = QStringLiteral("MakanCod");
        picker_.KeyValues[0] = code;
        picker_.OrderField = QStringLiteral("MakanCod");
        picker_.TableName = QStringLiteral("D_Makan");
        openList(makanStatement);
    }

    void openList(const QString& statement) {
        picker_.quTemp->Close();
        picker_.quTemp->SetConnection(myDatabase_.Connection());
        picker_.quTemp->SetSQL(statement);
        picker_.quTemp->Open();
    }

    int showAndThen(const std::function<void()>& act) {
        return tarvand::testsupport::ShowModalAndThen(picker_, act);
    }

    void pressKey(Qt::Key key) {
        QApplication::setActiveWindow(&picker_);
        QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &picker_;
        QTest::keyClick(target, key);
    }

    bool tableExists(const QString& name) {
        TADOQuery query;
        query.SetConnection(&connection_);
        query.SetSQL(QStringLiteral("Select [Name] From Tempdb..SysObjects Where [Name] Like '%") + name +
                     QStringLiteral("'"));
        query.Open();
        return !query.IsEmpty();
    }

    QString current(const char* field) const {
        return picker_.quTemp->FieldByName(QLatin1String(field))->AsString();
    }

    DemoDatabase database_;
    TADOConnection connection_;
    TGlobal global_;
    TMyDatabase myDatabase_;
    TTempGridForm picker_;
};

} // namespace

// The picker starts on the row of the key (the first row for an unknown key), opening a list the
// caller left closed, and Enter chooses that row.
TEST_F(TempGridFormTest, StartsOnTheKeyAndEnterOrADoubleClickChoosesARow) {
    const std::tuple<const char*, bool, const char*> starts[] = {
        {"  4", false, "  4"}, {"999", false, "  1"}, {"  2", true, "  2"}};
    for (const auto& [code, closed, chosen] : starts) {
        setUpMakanLookup(QLatin1String(code));
        if (closed)
            picker_.quTemp->Close();
        EXPECT_EQ(showAndThen([this] { pressKey(Qt::Key_Return); }), ui::mrOk);
        EXPECT_EQ(current("MakanCod"), QLatin1String(chosen)) << code;
    }
    EXPECT_EQ(current("MakanNam"), QStringLiteral("كارخانه - سالن توليد يك"));
    setUpMakanLookup(QStringLiteral("  1"));
    const int result = showAndThen([this] {
        QWidget* cells = picker_.dbgTemp->viewport();
        const QRect third = picker_.dbgTemp->visualRect(picker_.dbgTemp->model()->index(2, 1));
        QTest::mouseClick(cells, Qt::LeftButton, Qt::NoModifier, third.center());
        QTest::mouseDClick(cells, Qt::LeftButton, Qt::NoModifier, third.center());
    });
    EXPECT_EQ(result, ui::mrOk);
    EXPECT_EQ(current("MakanCod"), QStringLiteral("  3"));
}

TEST_F(TempGridFormTest, EscAndTheCloseButtonCancelAndAnEmptyListCannotBeChosenFrom) {
    setUpMakanLookup(QStringLiteral("  2"));
    EXPECT_EQ(showAndThen([this] { pressKey(Qt::Key_Escape); }), ui::mrCancel);
    EXPECT_EQ(showAndThen([this] { picker_.sb_Closed->click(); }), ui::mrCancel);
    openList(QStringLiteral("Select MakanCod, MakanNam From D_Makan Where 1 = 2"));
    EXPECT_EQ(showAndThen([this] {
                  pressKey(Qt::Key_Return);
                  EXPECT_TRUE(picker_.IsModal());
                  pressKey(Qt::Key_Escape);
              }),
              ui::mrCancel);
}

TEST_F(TempGridFormTest, DropsTheTemporaryTableItWasGivenWhenItClosesButNeverATableOfTheCompany) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        ASSERT_TRUE(
            myDatabase_.ExecSql(QStringLiteral("Select MakanCod, MakanNam Into ##U1_PICK From D_Makan")));
        ASSERT_TRUE(tableExists(QStringLiteral("U1_PICK")));
        setUpMakanLookup(QStringLiteral("  5"));
        picker_.TableName = QStringLiteral("##U1_PICK");
        openList(QStringLiteral("Select * From ##U1_PICK Order By MakanCod"));
        showAndThen([this, key] { pressKey(key); });
        EXPECT_FALSE(tableExists(QStringLiteral("U1_PICK")));
    }
    // The choice stays readable after the table is gone.
    EXPECT_EQ(current("MakanCod"), QStringLiteral("  5"));
    setUpMakanLookup(QStringLiteral("  1"));
    showAndThen([this] { pressKey(Qt::Key_Escape); });
    openList(makanStatement);
    EXPECT_GT(picker_.quTemp->RecordCount(), 0);
    EXPECT_EQ(picker_.quTemp->Connection(), &connection_);
}

TEST_F(TempGridFormTest, LocatesOnSeveralKeysAndIgnoresValuesOfUnusedKeys) {
    picker_.ClearSetup();
    picker_.KeyFields = {QStringLiteral("Koll"), QStringLiteral("Moein"), QString(), QString()};
    openList(QStringLiteral("Select Moein, Koll, NamHesab From Moein Order By Koll, Moein"));
    // The last row, found by both of its keys.
    picker_.quTemp->Last();
    const QString koll = current("Koll");
    const QString moein = current("Moein");
    const QString name = current("NamHesab");
    picker_.quTemp->First();
    picker_.KeyValues = {koll, moein, QStringLiteral("stale"), QStringLiteral("stale")};
    EXPECT_EQ(showAndThen([this] { pressKey(Qt::Key_Return); }), ui::mrOk);
    EXPECT_EQ(current("NamHesab"), name);
}

TEST_F(TempGridFormTest, ShowsRowsInTheOrderOfTheOrderField) {
    picker_.ClearSetup();
    picker_.ColumnCount = 5;
    picker_.OrderField = QStringLiteral("IDX");
    openList(QStringLiteral("Select SakhtarCod, SakhtarRaj, SakhtarNam, SakhtarLen, SakhtarType, IDX From "
                            "D_Sakhtar Order By SakhtarNam"));
    showAndThen([this] {
        TADOQuery* rows = picker_.quTemp;
        int previous = 0;
        for (rows->First(); !rows->Eof(); rows->Next()) {
            const int idx = rows->FieldByName(QStringLiteral("IDX"))->AsInteger();
            EXPECT_GT(idx, previous);
            previous = idx;
        }
        // Only the first five fields are columns: IDX orders but is not shown.
        EXPECT_EQ(picker_.dbgTemp->Columns()->Count(), 5);
        picker_.SetModalResult(ui::mrCancel);
    });
}

// The configured columns with their titles and widths; every field under its name when no count
// fits the list.
TEST_F(TempGridFormTest, ShowsTheConfiguredColumnsOrEveryFieldUnderItsName) {
    const std::tuple<int, const char*, int> counts[] = {
        {2, "كد:60|نام مکان:400", 460}, {0, "MakanCod|MakanNam", 0}, {7, "كد|نام مکان", 0}};
    for (const auto& [count, columns, width] : counts) {
        setUpMakanLookup(QStringLiteral("  1"));
        picker_.ColumnCount = count;
        showAndThen([this, count, columns, width] {
            QStringList shown;
            for (int index = 0; index < picker_.dbgTemp->Columns()->Count(); ++index) {
                const ui::TColumn* column = picker_.dbgTemp->Columns()->Items(index);
                shown << column->Title()->Caption() +
                             (count == 2 ? QLatin1Char(':') + QString::number(column->Width()) : QString());
            }
            EXPECT_EQ(shown.join(QLatin1Char('|')), QString::fromUtf8(columns)) << count;
            EXPECT_GE(picker_.Width(), width);
            picker_.SetModalResult(ui::mrCancel);
        });
    }
    EXPECT_EQ(picker_.Caption(), QStringLiteral("انتخاب مکان دارايي"));
}
