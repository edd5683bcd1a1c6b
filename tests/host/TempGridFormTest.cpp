#include "DemoDatabase.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TDBGrid.h"
#include "TGlobal.h"
#include "TMyDatabase.h"
#include "TPanel.h"
#include "TSpeedButton.h"
#include "TTempGridForm.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
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
        picker_.Caption_Panel->SetCaption(QStringLiteral("انتخاب مکان دارايي"));
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

    // Shows the picker modally and does `act` once its modal loop runs.
    int showAndThen(std::function<void()> act) {
        QTimer::singleShot(0, &picker_, [this, act] {
            EXPECT_TRUE(picker_.IsModal());
            act();
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, &picker_, [this] {
            ADD_FAILURE() << "the picker did not end its modal loop";
            picker_.SetModalResult(-1);
        });
        watchdog.start(10000);
        return picker_.ShowModal();
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

TEST_F(TempGridFormTest, StartsOnTheKeyAndEnterChoosesThatRow) {
    setUpMakanLookup(QStringLiteral("  4"));
    const int result = showAndThen([this] {
        EXPECT_EQ(current("MakanCod"), QStringLiteral("  4"));
        pressKey(Qt::Key_Return);
    });
    EXPECT_EQ(result, ui::mrOk);
    EXPECT_EQ(current("MakanCod"), QStringLiteral("  4"));
    EXPECT_EQ(current("MakanNam"), QStringLiteral("كارخانه - كارگاه رنگ"));
}

TEST_F(TempGridFormTest, ShowsTheConfiguredColumnsTitleAndWidths) {
    setUpMakanLookup(QStringLiteral("  1"));
    showAndThen([this] {
        ui::TDBGridColumns* columns = picker_.dbgTemp->Columns();
        ASSERT_EQ(columns->Count(), 2);
        EXPECT_EQ(columns->Items(0)->FieldName(), QStringLiteral("MakanCod"));
        EXPECT_EQ(columns->Items(0)->Title()->Caption(), QStringLiteral("كد"));
        EXPECT_EQ(columns->Items(1)->Title()->Caption(), QStringLiteral("نام مکان"));
        EXPECT_EQ(columns->Items(0)->Width(), 60);
        EXPECT_EQ(columns->Items(1)->Width(), 400);
        EXPECT_EQ(picker_.Caption(), QStringLiteral("انتخاب مکان دارايي"));
        EXPECT_GE(picker_.Width(), 460);
        picker_.SetModalResult(ui::mrCancel);
    });
}

TEST_F(TempGridFormTest, DoubleClickChoosesTheRowUnderTheMouse) {
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

TEST_F(TempGridFormTest, EscAndTheCloseButtonCancel) {
    setUpMakanLookup(QStringLiteral("  2"));
    EXPECT_EQ(showAndThen([this] { pressKey(Qt::Key_Escape); }), ui::mrCancel);
    setUpMakanLookup(QStringLiteral("  2"));
    EXPECT_EQ(showAndThen([this] { picker_.sb_Closed->click(); }), ui::mrCancel);
}

TEST_F(TempGridFormTest, AnEmptyListCannotBeChosenFrom) {
    setUpMakanLookup(QString());
    openList(QStringLiteral("Select MakanCod, MakanNam From D_Makan Where 1 = 2"));
    const int result = showAndThen([this] {
        pressKey(Qt::Key_Return);
        EXPECT_TRUE(picker_.IsModal());
        pressKey(Qt::Key_Escape);
    });
    EXPECT_EQ(result, ui::mrCancel);
}

TEST_F(TempGridFormTest, DropsTheTemporaryTableItWasGivenWhenItCloses) {
    ASSERT_TRUE(
        myDatabase_.ExecSql(QStringLiteral("Select MakanCod, MakanNam Into ##U1_PICK1 From D_Makan")));
    ASSERT_TRUE(tableExists(QStringLiteral("U1_PICK1")));
    setUpMakanLookup(QStringLiteral("  5"));
    picker_.TableName = QStringLiteral("##U1_PICK1");
    openList(QStringLiteral("Select * From ##U1_PICK1 Order By MakanCod"));
    EXPECT_EQ(showAndThen([this] { pressKey(Qt::Key_Return); }), ui::mrOk);
    EXPECT_FALSE(tableExists(QStringLiteral("U1_PICK1")));
    // The choice stays readable after the table is gone.
    EXPECT_EQ(current("MakanCod"), QStringLiteral("  5"));
}

TEST_F(TempGridFormTest, DropsTheTemporaryTableAlsoWhenCancelled) {
    ASSERT_TRUE(
        myDatabase_.ExecSql(QStringLiteral("Select MakanCod, MakanNam Into ##U1_PICK2 From D_Makan")));
    setUpMakanLookup(QString());
    picker_.TableName = QStringLiteral("##U1_PICK2");
    openList(QStringLiteral("Select * From ##U1_PICK2"));
    EXPECT_EQ(showAndThen([this] { pressKey(Qt::Key_Escape); }), ui::mrCancel);
    EXPECT_FALSE(tableExists(QStringLiteral("U1_PICK2")));
}

TEST_F(TempGridFormTest, NeverDropsATableOfTheCompany) {
    setUpMakanLookup(QStringLiteral("  1"));
    EXPECT_EQ(showAndThen([this] { pressKey(Qt::Key_Escape); }), ui::mrCancel);
    TADOQuery query;
    query.SetConnection(&connection_);
    query.SetSQL(makanStatement);
    query.Open();
    EXPECT_GT(query.RecordCount(), 0);
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

TEST_F(TempGridFormTest, UnknownKeysLeaveTheListOnItsFirstRow) {
    setUpMakanLookup(QStringLiteral("999"));
    EXPECT_EQ(showAndThen([this] { pressKey(Qt::Key_Return); }), ui::mrOk);
    EXPECT_EQ(current("MakanCod"), QStringLiteral("  1"));
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

TEST_F(TempGridFormTest, WithoutAColumnCountShowsEveryFieldUnderItsName) {
    setUpMakanLookup(QStringLiteral("  1"));
    picker_.ColumnCount = 0;
    showAndThen([this] {
        ui::TDBGridColumns* columns = picker_.dbgTemp->Columns();
        ASSERT_EQ(columns->Count(), 2);
        EXPECT_EQ(columns->Items(1)->Title()->Caption(), QStringLiteral("MakanNam"));
        picker_.SetModalResult(ui::mrCancel);
    });
}

TEST_F(TempGridFormTest, MoreColumnsThanFieldsShowEveryField) {
    setUpMakanLookup(QStringLiteral("  1"));
    picker_.ColumnCount = 7;
    showAndThen([this] {
        EXPECT_EQ(picker_.dbgTemp->Columns()->Count(), 2);
        picker_.SetModalResult(ui::mrCancel);
    });
}

TEST_F(TempGridFormTest, OpensAListTheCallerLeftClosed) {
    setUpMakanLookup(QStringLiteral("  2"));
    picker_.quTemp->Close();
    EXPECT_EQ(showAndThen([this] { pressKey(Qt::Key_Return); }), ui::mrOk);
    EXPECT_EQ(current("MakanCod"), QStringLiteral("  2"));
}

TEST_F(TempGridFormTest, ItsQueryStartsOnTheHostsConnection) {
    EXPECT_EQ(picker_.quTemp->Connection(), &connection_);
    EXPECT_EQ(picker_.dbgTemp->DataSource(), picker_.dsTemp);
    EXPECT_TRUE(picker_.dbgTemp->ReadOnly());
}
