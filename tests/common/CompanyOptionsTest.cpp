#include "DemoDatabase.h"
#include "HostContext.h"
#include "TADOConnection.h"
#include "TD_Global.h"
#include "TGlobal.h"
#include "TMyDatabase.h"

#include <gtest/gtest.h>

using namespace tarvand;

namespace {

// The host context as the entry call leaves it: the module's variables point at the host's objects.
class CompanyOptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        connection.SetConnectionString(QStringLiteral("Provider=SQLite;Data Source=") + demo.path());
        connection.Open();
        global.CompanyCode = QStringLiteral("01");
        global.FiscalYear = QStringLiteral("1403");
        global.WorkDate = QStringLiteral("1403/09/14");
        global.UserId = 1;
        database = std::make_unique<TMyDatabase>(&connection, &global);
        Global = &global;
        MyDatabase = database.get();
    }
    void TearDown() override {
        Global = nullptr;
        MyDatabase = nullptr;
    }

    testsupport::DemoDatabase demo;
    data::TADOConnection connection;
    TGlobal global;
    std::unique_ptr<TMyDatabase> database;
};

} // namespace

TEST_F(CompanyOptionsTest, ReadsSettingsOfTheCompanyAndYear) {
    const TD_Global options;
    EXPECT_EQ(options.NamTafsily2, QStringLiteral("مراكز هزينه"));
    EXPECT_EQ(options.NamProject, QStringLiteral("پروژه"));
    EXPECT_EQ(options.TypeCreateNewAt, QStringLiteral("ALL"));
    EXPECT_EQ(options.TypeSarfaslCod, QStringLiteral("NUM"));
    EXPECT_EQ(options.TypeDaraCod, QStringLiteral("NUM"));
    EXPECT_EQ(options.AstMesure, QStringLiteral("MAH")); // settings values come back upper-cased
    EXPECT_EQ(options.SanadTime, QStringLiteral("MAH"));
    EXPECT_EQ(options.SanadType, QStringLiteral("KOL"));
    EXPECT_EQ(options.CompanyStartDate, QStringLiteral("1398/01/01"));
}

TEST_F(CompanyOptionsTest, LastCloseDateIsTheLatestClosingDocumentOfTheAssetSystem) {
    const TD_Global options;
    // Closing documents of other systems (TypeSys 'H') and ordinary documents do not count.
    EXPECT_EQ(options.LastCloseDate, QStringLiteral("1402/12/29"));

    ASSERT_TRUE(database->ExecSql(QStringLiteral("Delete From Asnad Where TypeSys = 'D'")));
    const TD_Global empty;
    EXPECT_EQ(empty.LastCloseDate, QStringLiteral("1300/00/00"));
}

TEST_F(CompanyOptionsTest, GroupCodeLengthsComeFromDeclaredColumnLengths) {
    const TD_Global options;
    EXPECT_EQ(options.LenCodGrohTafsily, 2);
    EXPECT_EQ(options.LenCodGrohTafsily2, 2);
    EXPECT_EQ(options.LenCodGrohProject, 2);
}

TEST_F(CompanyOptionsTest, AMissingGroupTableGivesLengthZero) {
    ASSERT_TRUE(database->ExecSql(QStringLiteral("Drop Table M_GrohProject")));
    const TD_Global options;
    EXPECT_EQ(options.LenCodGrohProject, 0);
    EXPECT_EQ(options.LenCodGrohTafsily2, 2);
}

TEST_F(CompanyOptionsTest, DocumentRangesPerTableEmptyWhenTableIsEmpty) {
    ASSERT_TRUE(database->ExecSql(QStringLiteral("Delete From D_KenarM")));
    const TD_Global options;
    for (const TDocRange& range : options.DocRanges) {
        EXPECT_EQ(range.RangeKind, QStringLiteral("SANADDATE"));
        EXPECT_EQ(range.FromMonth, 1);
        EXPECT_EQ(range.ToMonth, 12);
    }
    const TDocRange& purchases = options.DocRanges[2]; // D_Buy_Create
    EXPECT_EQ(purchases.MinSanadDate, QStringLiteral("1398/03/12"));
    EXPECT_EQ(purchases.MaxSanadDate, QStringLiteral("1403/02/10"));
    EXPECT_EQ(purchases.MinSanadNo, QStringLiteral("1"));
    EXPECT_EQ(purchases.MaxSanadNo, QStringLiteral("6"));
    const TDocRange& kenar = options.DocRanges[5];
    EXPECT_EQ(kenar.MinSanadDate, QString());
    EXPECT_EQ(kenar.MaxSanadNo, QString());
}

TEST_F(CompanyOptionsTest, ACompanyWithoutOptionsRowGetsEmptySettings) {
    global.FiscalYear = QStringLiteral("1399");
    const TD_Global options;
    EXPECT_EQ(options.NamTafsily2, QString());
    EXPECT_EQ(options.TypeSarfaslCod, QString());
    EXPECT_EQ(options.CompanyStartDate, QString());
    EXPECT_EQ(options.LenCodGrohTafsily2, 2);
}

TEST_F(CompanyOptionsTest, AMissingDocumentTableFailsConstruction) {
    ASSERT_TRUE(database->ExecSql(QStringLiteral("Drop Table D_SoulationChange")));
    EXPECT_THROW(TD_Global(), EDatabaseError);
}
