// Generated assets for benchmarks: as many as asked, unique codes and tags, modelled on the demo
// register so that every code they carry exists.

#include "CompanyDatabaseTest.h"
#include "DatabaseSetup.h"
#include "Exception.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

using tarvand::sql::DatabaseSetup;
using tarvand::testsupport::ResultTable;

class AssetGeneratorTest : public CompanyDatabaseTest {
protected:
    void generate(int count, quint32 seed = 1403) { DatabaseSetup(*db).generateAssets(count, seed); }
    qlonglong demoAssets = number("Select Count(*) From D_Amval");
};

TEST_F(AssetGeneratorTest, AddsAssetsAfterTheLastCodeWithUniqueRightAlignedCodesAndTags) {
    generate(300, 1);
    generate(200, 2);
    EXPECT_EQ(number("Select Count(*) From D_Amval"), demoAssets + 500);
    EXPECT_EQ(number("Select Count(Distinct DaraCod) From D_Amval"), demoAssets + 500);
    for (const char* tag : {"PelakNew", "PelakOld"}) {
        EXPECT_EQ(number(QStringLiteral("Select Count(Distinct %1) From D_Amval Where %1 <> ''").arg(tag)),
                  number(QStringLiteral("Select Count(*) From D_Amval Where %1 <> ''").arg(tag)));
    }
    for (const QString& code : select("Select DaraCod From D_Amval").texts("DaraCod")) {
        EXPECT_TRUE(QRegularExpression("^ *[1-9][0-9]*$").match(code).hasMatch() && code.size() == 10)
            << code.toStdString();
    }
}

TEST_F(AssetGeneratorTest, GeneratedAssetsReferToExistingCodesAndKeepTheirAccounts) {
    generate(300);
    for (const char* reference :
         {"MakanCod Not In (Select MakanCod From D_Makan)", "PersonelCod Not In (Select Code From Person)",
          "VazCod Not In (Select VazCod From D_VazDarae)",
          "MadehCod Not In (Select MadehCod From D_Madeh151)",
          "VezCod Not In (Select VezCod From D_VezArat)"}) {
        EXPECT_EQ(number(QStringLiteral("Select Count(*) From D_Amval Where %1").arg(reference)), 0)
            << reference;
    }
    // Location, cost centre and accounts come as one set from the modelled asset.
    EXPECT_EQ(number("Select Count(*) From D_Amval As A Inner Join D_Makan As M On (M.MakanCod = A.MakanCod) "
                     "Where A.DTafsily2 <> '' And A.DTafsily2 <> M.Tafsily2"),
              0);
    EXPECT_EQ(
        number("Select Count(*) From D_Amval As A Inner Join D_Madeh151 As M On (M.MadehCod = A.MadehCod) "
               "Where M.Sharh <> A.RaveshEst"),
        0);
}

TEST_F(AssetGeneratorTest, NamesDatesAndAmountsVary) {
    generate(400);
    const ResultTable rows = select("Select DaraNam, BahreDate, MadeDate, EndValue, Anbashteh From D_Amval "
                                    "Where DaraCod > '      6005'");
    ASSERT_EQ(rows.rowCount(), 400);
    const QStringList names = rows.texts("DaraNam");
    const QStringList dates = rows.texts("BahreDate");
    EXPECT_GT(QSet<QString>(names.begin(), names.end()).size(), 360);
    EXPECT_GT(QSet<QString>(dates.begin(), dates.end()).size(), 300);
    const QRegularExpression date("^1[34][0-9]{2}/(0[1-9]|1[0-2])/(0[1-9]|[12][0-9]|3[01])$");
    for (qsizetype r = 0; r < rows.rowCount(); ++r) {
        const QString use = rows.text(r, "BahreDate");
        EXPECT_TRUE(date.match(use).hasMatch()) << use.toStdString();
        EXPECT_LE(rows.text(r, "MadeDate"), use);
        EXPECT_GT(rows.value(r, "EndValue").toDouble(), 0);
        EXPECT_LE(rows.value(r, "Anbashteh").toDouble(), rows.value(r, "EndValue").toDouble());
        if (use >= "1398/01/01") {
            EXPECT_EQ(rows.value(r, "Anbashteh").toDouble(), 0) << use.toStdString();
        }
    }
}

TEST_F(AssetGeneratorTest, SameSeedGivesTheSameAssets) {
    tarvand::testsupport::DemoDatabase other;
    auto otherDb = other.open();
    generate(30, 77);
    DatabaseSetup(*otherDb).generateAssets(30, 77);
    const QString all = "Select * From D_Amval Order By DaraCod";
    EXPECT_EQ(select(all).rows, ResultTable::read(*otherDb, all).rows);
}

TEST_F(AssetGeneratorTest, EmptyRegisterHasNothingToModelOn) {
    exec("Delete From D_Amval");
    EXPECT_THROW(generate(10), tarvand::Exception);
    EXPECT_EQ(number("Select Count(*) From D_Amval"), 0);
}

class DemoDatabaseFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString file = dir.filePath("company.db");
};

TEST_F(DemoDatabaseFileTest, FailedCreationLeavesNoFileBehind) {
    const QString missingFolder = dir.filePath("no/such/folder/company.db");
    EXPECT_THROW(DatabaseSetup::createDemoDatabase(missingFolder), tarvand::Exception);
    EXPECT_FALSE(QFile::exists(missingFolder));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}
