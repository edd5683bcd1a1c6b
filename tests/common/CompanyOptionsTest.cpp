#include "EDatabaseError.h"
#include "Exception.h"
#include "ModuleHost.h"
#include "TADOQuery.h"
#include "TDBGrid.h"
#include "TD_Global.h"

#include <QApplication>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace tarvand;
using testsupport::ModuleHost;

TEST(CompanyOptionsTest, ReadsTheSettingsOfTheCompanyAndYearAndEmptyValuesForMissingRows) {
    ModuleHost host{1, ModuleHost::Context::SetNow};
    const TD_Global options;
    EXPECT_EQ(QStringList({options.NamTafsily2, options.NamProject, options.TypeCreateNewAt,
                           options.TypeSarfaslCod, options.TypeDaraCod, options.AstMesure, options.SanadTime,
                           options.SanadType, options.CompanyStartDate}),
              QStringList({"مراكز هزينه", "پروژه", "ALL", "NUM", "NUM", "MAH", "MAH", "KOL", "1398/01/01"}));
    // Closing documents of other systems (TypeSys 'H') and ordinary documents do not count.
    EXPECT_EQ(options.LastCloseDate, QStringLiteral("1402/12/29"));
    // Group code lengths are the declared lengths of the group tables' code columns.
    EXPECT_EQ(QList<int>({options.LenCodGrohTafsily, options.LenCodGrohTafsily2, options.LenCodGrohProject}),
              QList<int>({2, 2, 2}));
    const TDocRange& purchases = options.DocRanges[2]; // D_Buy_Create
    EXPECT_EQ(QStringList({purchases.MinSanadDate, purchases.MaxSanadDate, purchases.MinSanadNo,
                           purchases.MaxSanadNo}),
              QStringList({"1398/03/12", "1403/02/10", "1", "6"}));
    for (const TDocRange& range : options.DocRanges)
        EXPECT_EQ(range.RangeKind + QString::number(range.FromMonth * 100 + range.ToMonth), "SANADDATE112");

    Global->FiscalYear = QStringLiteral("1399");
    const TD_Global withoutRow;
    EXPECT_EQ(withoutRow.NamTafsily2 + withoutRow.TypeSarfaslCod + withoutRow.CompanyStartDate, QString());
    Global->FiscalYear = QStringLiteral("1403");
    host.Exec(QStringLiteral("Delete From Asnad Where TypeSys = 'D'"));
    host.Exec(QStringLiteral("Delete From D_KenarM"));
    host.Exec(QStringLiteral("Drop Table M_GrohProject"));
    const TD_Global emptied;
    EXPECT_EQ(emptied.LastCloseDate, QStringLiteral("1300/00/00"));
    EXPECT_EQ(emptied.LenCodGrohProject, 0);
    EXPECT_EQ(emptied.LenCodGrohTafsily2, 2);
    EXPECT_EQ(emptied.DocRanges[5].MinSanadDate + emptied.DocRanges[5].MaxSanadNo, QString());
    host.Exec(QStringLiteral("Drop Table D_SoulationChange"));
    EXPECT_THROW(TD_Global(), EDatabaseError);
}

namespace {

// What one set-up must leave in the picker, and the row it must start on.
struct Lookup {
    const char* label;
    std::function<QString(const TD_Global&, QString)> setup;
    QString keyField;
    QString orderField;
    QString tableName;
    QString statement;
    QString code;      // the cell text handed over
    QString nameField; // a field of the row the picker starts on
    QString nameValue; // its value
};

QList<Lookup> lookups() {
    return {
        {"Tafsily2", &TD_Global::SetupTafsily2Lookup, "Tafsily2", "Tafsily2", "Tafsily2",
         "Select Tafsily2, NamHesab, Koll, Moein, Tafsily, ProjectCod From Tafsily2 Order By Tafsily2 ",
         "010003", "NamHesab", "كارگاه رنگ"},
        {"VazDarae", &TD_Global::SetupVazDaraeLookup, "VazCod", "VazCod", "D_VazDarae",
         "Select VazCod, VazNam From D_VazDarae Order By VazCod", "  3", "VazNam", "راكد"},
        {"Vezarat", &TD_Global::SetupVezaratLookup, "VezCod", "VezCod", "D_VezArat",
         "Select VezCod, VezNam From D_VezArat Order By VezCod", "  2", "VezNam", "ماشين آلات و تجهيزات"},
        {"Madeh151", &TD_Global::SetupMadeh151Lookup, "MadehCod", "MadehCod", "D_Madeh151",
         "Select MadehCod, MadehNam, Sharh, Nozooli, Salianeh From D_Madeh151 Order By MadehCod", "  4",
         "MadehNam", "اثاثه و منصوبات اداري"},
        // Characteristics are found by code but ordered by their index.
        {"Sakhtar", &TD_Global::SetupSakhtarLookup, "SakhtarCod", "IDX", "D_Sakhtar",
         "Select SakhtarCod, SakhtarRaj, SakhtarNam, SakhtarLen, SakhtarType, IDX From D_Sakhtar Order By "
         "SakhtarCod",
         "  2", "SakhtarCod", "  2"},
        {"Makan", &TD_Global::SetupMakanLookup, "MakanCod", "MakanCod", "D_Makan",
         "Select MakanCod, MakanNam From D_Makan Order By MakanCod", "  4", "MakanNam",
         "كارخانه - كارگاه رنگ"},
    };
}

class LookupSetupTest : public ::testing::Test {
protected:
    void SetUp() override { options = std::make_unique<TD_Global>(); }

    host::TTempGridForm& picker() const { return host.TempGridForm(); }

    void expectPicker(const Lookup& lookup) const {
        SCOPED_TRACE(lookup.label);
        EXPECT_EQ(picker().KeyFields, (std::array<QString, ListPickerSetup::KeyCount>{lookup.keyField}));
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
    }
}

TEST_F(LookupSetupTest, RecipientsComeFromATemporaryTableOfTheSession) {
    const QString statement = options->SetupPersonelLookup(QStringLiteral("  103"));
    const QString table = picker().TableName;
    ASSERT_TRUE(table.startsWith(QStringLiteral("##") + Global->SessionTag)) << table.toStdString();
    EXPECT_EQ(statement, QStringLiteral("Select * From ") + table + QStringLiteral(" Order By PersonelCod "));
    EXPECT_TRUE(tempTableExists(table));
    expectPicker(
        {"Personel", nullptr, "PersonelCod", "PersonelCod", table, QString(), "  103", QString(), QString()});

    EXPECT_EQ(chooseWithEnter(statement), 1);
    EXPECT_EQ(current(QStringLiteral("PersonelCod")), QStringLiteral("  103"));
    EXPECT_EQ(current(QStringLiteral("PersonelNam")), QStringLiteral("حسن كريمي"));
    // The recipient's asset account, under the names the account pickers use.
    EXPECT_EQ(QStringList({current(QStringLiteral("Koll")), current(QStringLiteral("Moein")),
                           current(QStringLiteral("Tafsily")), current(QStringLiteral("Tafsily2"))}),
              QStringList({" 31", "  2", "01001", "030001"}));
}

TEST_F(LookupSetupTest, TwoRecipientListsOnOneConnectionUseTwoTables) {
    int tick = 0;
    TMyDate clock([&tick] { return QTime(9, 30, 0).addMSecs(10 * tick++); });
    MyDate = &clock;
    QStringList tables;
    for (int list = 0; list < 2; ++list) {
        EXPECT_TRUE(options->SetupPersonelLookup(QString()).contains(picker().TableName));
        tables << picker().TableName;
        EXPECT_TRUE(tempTableExists(tables.last()));
    }
    const QString prefix = QStringLiteral("##") + Global->SessionTag;
    EXPECT_EQ(tables, QStringList({prefix + QStringLiteral("342000"), prefix + QStringLiteral("342001")}));
    MyDate = host.Session().MyDate();
    // Without the host's picker a set-up throws instead of crashing.
    TempGridForm = nullptr;
    EXPECT_THROW(options->SetupMakanLookup(QString()), Exception);
}
