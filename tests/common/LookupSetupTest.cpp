#include "Exception.h"
#include "HostContext.h"
#include "HostSession.h"
#include "ModuleHost.h"
#include "TADOQuery.h"
#include "TDBGrid.h"
#include "TD_Global.h"
#include "TGlobal.h"
#include "TMyDatabase.h"
#include "TMyDate.h"
#include "TPanel.h"
#include "TTempGridForm.h"

#include <QApplication>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace tarvand;
using testsupport::ModuleHost;

namespace {

struct Column {
    QString caption;
    int width;
};

// What one set-up must leave in the picker, and the row it must start on.
struct Lookup {
    const char* label;
    std::function<QString(const TD_Global&, QString)> setup;
    QString title;
    QList<Column> columns;
    QString keyField;
    QString orderField;
    QString tableName;
    QString statement;
    QString code;      // the cell text handed over
    QString nameField; // a field of the row the picker starts on
    QString nameValue; // its value
};

// The demo company names its detail-2 accounts and projects in its settings.
const QString Tafsily2Name = QStringLiteral("مراكز هزينه");
const QString ProjectName = QStringLiteral("پروژه");

QList<Lookup> lookups() {
    return {
        {"Tafsily2",
         &TD_Global::SetupTafsily2Lookup,
         QStringLiteral("انتخاب ") + Tafsily2Name,
         {{Tafsily2Name, 70},
          {QStringLiteral("نام ") + Tafsily2Name, 220},
          {QStringLiteral("کل"), 30},
          {QStringLiteral("معين"), 35},
          {QStringLiteral("تفصيلي"), 55},
          {ProjectName, 60}},
         QStringLiteral("Tafsily2"),
         QStringLiteral("Tafsily2"),
         QStringLiteral("Tafsily2"),
         QStringLiteral(
             "Select Tafsily2, NamHesab, Koll, Moein, Tafsily, ProjectCod From Tafsily2 Order By Tafsily2 "),
         QStringLiteral("010003"),
         QStringLiteral("NamHesab"),
         QStringLiteral("كارگاه رنگ")},
        {"VazDarae",
         &TD_Global::SetupVazDaraeLookup,
         QStringLiteral("انتخاب وضعيت دارايي"),
         {{QStringLiteral("كد"), 30}, {QStringLiteral("وضعيت دارايي"), 430}},
         QStringLiteral("VazCod"),
         QStringLiteral("VazCod"),
         QStringLiteral("D_VazDarae"),
         QStringLiteral("Select VazCod, VazNam From D_VazDarae Order By VazCod"),
         QStringLiteral("  3"),
         QStringLiteral("VazNam"),
         QStringLiteral("راكد")},
        {"Vezarat",
         &TD_Global::SetupVezaratLookup,
         QStringLiteral("انتخاب اظهارنامه مالياتي"),
         {{QStringLiteral("كد"), 30}, {QStringLiteral("گروه اظهارنامه مالياتي"), 430}},
         QStringLiteral("VezCod"),
         QStringLiteral("VezCod"),
         QStringLiteral("D_VezArat"),
         QStringLiteral("Select VezCod, VezNam From D_VezArat Order By VezCod"),
         QStringLiteral("  2"),
         QStringLiteral("VezNam"),
         QStringLiteral("ماشين آلات و تجهيزات")},
        {"Madeh151",
         &TD_Global::SetupMadeh151Lookup,
         QStringLiteral("انتخاب ماده 151 قانون مالياتهاي مستقيم"),
         {{QStringLiteral("کد"), 30},
          {QStringLiteral("نام ماده 151 قانون مالياتهاي مستقيم"), 250},
          {QStringLiteral("دستورالعمل"), 80},
          {QStringLiteral("نزولـي"), 50},
          {QStringLiteral("ساليانه"), 50}},
         QStringLiteral("MadehCod"),
         QStringLiteral("MadehCod"),
         QStringLiteral("D_Madeh151"),
         QStringLiteral(
             "Select MadehCod, MadehNam, Sharh, Nozooli, Salianeh From D_Madeh151 Order By MadehCod"),
         QStringLiteral("  4"),
         QStringLiteral("MadehNam"),
         QStringLiteral("اثاثه و منصوبات اداري")},
        {"Sakhtar",
         &TD_Global::SetupSakhtarLookup,
         QStringLiteral("انتخاب مشخصه دارايي"),
         {{QStringLiteral("كد"), 30},
          {QStringLiteral("رج"), 30},
          {QStringLiteral("نام مشخصه"), 300},
          {QStringLiteral("طول"), 40},
          {QStringLiteral("نوع"), 60}},
         QStringLiteral("SakhtarCod"),
         QStringLiteral("IDX"),
         QStringLiteral("D_Sakhtar"),
         QStringLiteral("Select SakhtarCod, SakhtarRaj, SakhtarNam, SakhtarLen, SakhtarType, IDX From "
                        "D_Sakhtar Order By SakhtarCod"),
         QStringLiteral("  1"),
         QStringLiteral("SakhtarNam"),
         QStringLiteral("شماره موتور")},
        {"Makan",
         &TD_Global::SetupMakanLookup,
         QStringLiteral("انتخاب مکان دارايي"),
         {{QStringLiteral("كد"), 60}, {QStringLiteral("نام مکان"), 400}},
         QStringLiteral("MakanCod"),
         QStringLiteral("MakanCod"),
         QStringLiteral("D_Makan"),
         QStringLiteral("Select MakanCod, MakanNam From D_Makan Order By MakanCod"),
         QStringLiteral("  4"),
         QStringLiteral("MakanNam"),
         QStringLiteral("كارخانه - كارگاه رنگ")},
    };
}

class LookupSetupTest : public ::testing::Test {
protected:
    void SetUp() override { options = std::make_unique<TD_Global>(); }

    host::TTempGridForm& picker() const { return host.TempGridForm(); }

    void expectPicker(const Lookup& lookup) const {
        SCOPED_TRACE(lookup.label);
        EXPECT_EQ(picker().Caption_Panel->Caption(), lookup.title);
        ASSERT_EQ(picker().ColumnCount, int(lookup.columns.size()));
        for (int index = 0; index < lookup.columns.size(); ++index) {
            EXPECT_EQ(picker().ColumnTitles[index], lookup.columns[index].caption) << index;
            EXPECT_EQ(picker().ColumnWidths[index], lookup.columns[index].width) << index;
        }
        EXPECT_EQ(picker().KeyFields[0], lookup.keyField);
        for (int index = 1; index < host::TTempGridForm::KeyCount; ++index)
            EXPECT_EQ(picker().KeyFields[index], QString()) << index;
        EXPECT_EQ(picker().KeyValues[0], lookup.code);
        EXPECT_EQ(picker().OrderField, lookup.orderField);
        EXPECT_EQ(picker().TableName, lookup.tableName);
    }

    // Opens the statement in the picker's query as a caller does, shows the picker and chooses
    // with Enter the row it starts on.
    int chooseWithEnter(const QString& statement) {
        picker().quTemp->Close();
        picker().quTemp->SetConnection(MyDatabase->Connection());
        picker().quTemp->SetSQL(statement);
        picker().quTemp->Open();
        return testsupport::ShowModalAndThen(picker(), [this] {
            QApplication::setActiveWindow(&picker());
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus != nullptr ? focus : static_cast<QWidget*>(&picker()), Qt::Key_Return);
        });
    }

    QString current(const QString& field) const { return picker().quTemp->FieldByName(field)->AsString(); }

    bool tempTableExists(const QString& name) const {
        data::TADOQuery query;
        query.SetConnection(MyDatabase->Connection());
        query.SetSQL(QStringLiteral("Select [Name] From Tempdb..SysObjects Where [Name] Like '%") +
                     name.mid(2) + QStringLiteral("'"));
        query.Open();
        return !query.IsEmpty();
    }

    ModuleHost host{1, ModuleHost::Context::SetNow};
    std::unique_ptr<TD_Global> options;
};

} // namespace

TEST_F(LookupSetupTest, EachSetupFillsThePickerAndItsStatementLetsTheUserChoose) {
    for (const Lookup& lookup : lookups()) {
        SCOPED_TRACE(lookup.label);
        picker().ClearSetup();
        // Values of an earlier list must not leak into the later key slots.
        picker().KeyValues[1] = QStringLiteral("kept");
        const QString statement = lookup.setup(*options, lookup.code);
        EXPECT_EQ(statement, lookup.statement);
        expectPicker(lookup);
        EXPECT_EQ(picker().KeyValues[1], QStringLiteral("kept")) << "only the first key value is written";

        EXPECT_EQ(chooseWithEnter(statement), 1);
        EXPECT_EQ(current(lookup.keyField), lookup.code);
        EXPECT_EQ(current(lookup.nameField), lookup.nameValue);
        EXPECT_EQ(picker().dbgTemp->Columns()->Count(), int(lookup.columns.size()));
    }
}

TEST_F(LookupSetupTest, CharacteristicsLocateByCodeButAreOrderedByTheirIndex) {
    const QString statement = options->SetupSakhtarLookup(QStringLiteral("  2"));
    EXPECT_EQ(picker().KeyFields[0], QStringLiteral("SakhtarCod"));
    EXPECT_EQ(picker().OrderField, QStringLiteral("IDX"));
    EXPECT_EQ(chooseWithEnter(statement), 1);
    EXPECT_EQ(current(QStringLiteral("SakhtarCod")), QStringLiteral("  2"));
}

TEST_F(LookupSetupTest, RecipientsComeFromATemporaryTableOfTheSession) {
    const Lookup recipients{"Personel",
                            &TD_Global::SetupPersonelLookup,
                            QStringLiteral("انتخاب تحويل گيرنده دارايي"),
                            {{QStringLiteral("تحويل گيرنده"), 75},
                             {QStringLiteral("نام تحويل گيرنده"), 200},
                             {QStringLiteral("کل"), 30},
                             {QStringLiteral("معين"), 35},
                             {QStringLiteral("تفصيلي"), 55},
                             {Tafsily2Name, 65},
                             {ProjectName, 65}},
                            QStringLiteral("PersonelCod"),
                            QStringLiteral("PersonelCod"),
                            QString(),
                            QString(),
                            QStringLiteral("  103"),
                            QStringLiteral("PersonelNam"),
                            QStringLiteral("حسن كريمي")};
    const QString statement = options->SetupPersonelLookup(recipients.code);
    const QString table = picker().TableName;
    ASSERT_TRUE(table.startsWith(QStringLiteral("##") + Global->SessionTag)) << table.toStdString();
    EXPECT_EQ(statement, QStringLiteral("Select * From ") + table + QStringLiteral(" Order By PersonelCod "));
    EXPECT_TRUE(tempTableExists(table));
    Lookup expected = recipients;
    expected.tableName = table;
    expectPicker(expected);

    EXPECT_EQ(chooseWithEnter(statement), 1);
    EXPECT_EQ(current(QStringLiteral("PersonelCod")), QStringLiteral("  103"));
    EXPECT_EQ(current(QStringLiteral("PersonelNam")), QStringLiteral("حسن كريمي"));
    // The recipient's asset account, under the names the account pickers use.
    EXPECT_EQ(current(QStringLiteral("Koll")), QStringLiteral(" 31"));
    EXPECT_EQ(current(QStringLiteral("Moein")), QStringLiteral("  2"));
    EXPECT_EQ(current(QStringLiteral("Tafsily")), QStringLiteral("01001"));
    EXPECT_EQ(current(QStringLiteral("Tafsily2")), QStringLiteral("030001"));
    // The picker drops the table when it closes.
    EXPECT_FALSE(tempTableExists(table));
}

TEST_F(LookupSetupTest, TwoRecipientListsOnOneConnectionUseTwoTables) {
    int tick = 0;
    TMyDate clock([&tick] { return QTime(9, 30, 0).addMSecs(10 * tick++); });
    MyDate = &clock;
    const QString first = options->SetupPersonelLookup(QString());
    const QString firstTable = picker().TableName;
    const QString second = options->SetupPersonelLookup(QString());
    const QString secondTable = picker().TableName;
    EXPECT_NE(firstTable, secondTable);
    EXPECT_NE(first, second);
    EXPECT_TRUE(tempTableExists(firstTable));
    EXPECT_TRUE(tempTableExists(secondTable));
    EXPECT_EQ(firstTable, QStringLiteral("##") + Global->SessionTag + QStringLiteral("342000"));
    EXPECT_EQ(secondTable, QStringLiteral("##") + Global->SessionTag + QStringLiteral("342001"));
    MyDate = host.Session().MyDate();
}

TEST_F(LookupSetupTest, SetupWithoutTheHostPickerThrowsInsteadOfCrashing) {
    TempGridForm = nullptr;
    EXPECT_THROW(options->SetupMakanLookup(QString()), Exception);
}
