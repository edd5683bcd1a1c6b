// The statements of the asset register and the tools around it: base-table lookups, field sizes,
// tag checks, names behind codes, totals, barcode tables, batch creation and the recipient picker.

#include "CompanyDatabaseTest.h"

#include <QSet>

using tarvand::testsupport::ResultTable;

namespace {
const QString Temp = QStringLiteral("##TV4512345");
}

class AssetRegisterStatementsTest : public CompanyDatabaseTest {
protected:
    ResultTable namesBehind(const QString& asset) {
        const ResultTable codes = select("Select VezCod, MadehCod, MakanCod, PersonelCod, VazCod, SakhtarCod "
                                         "From D_Amval Where DaraCod = '" +
                                         asset + "'");
        return namesOf(codes.text(0, "VezCod"), codes.text(0, "MadehCod"), codes.text(0, "MakanCod"),
                       codes.text(0, "PersonelCod"), codes.text(0, "VazCod"), codes.text(0, "SakhtarCod"));
    }
    ResultTable namesOf(const QString& vez, const QString& madeh, const QString& makan, const QString& person,
                        const QString& vaz, const QString& sakhtar) {
        return select(
            "Select (Select Top 1 VezNam From D_Vezarat Where VezCod = '" + vez + "')     As VezNam, " +
            "(Select Top 1 MadehNam   From D_Madeh151    Where MadehCod  = '" + madeh + "')   As MadehNam, " +
            "(Select Top 1 MakanNam   From D_Makan       Where MakanCod  = '" + makan + "')   As MakanNam, " +
            "(Select Top 1 [Name]+' '+Family From Person Where Code      = '" + person + "')As PersonName, " +
            "(Select Top 1 VazNam     From D_VazDarae    Where VazCod    = '" + vaz + "')     As VazNam, " +
            "(Select Top 1 SakhtarNam From D_Sakhtar     Where SakhtarCod= '" + sakhtar +
            "') As SakhtarNam ");
    }
};

TEST_F(AssetRegisterStatementsTest, BaseTableLookupsListTheirRowsInCodeOrder) {
    const ResultTable costCentres = select(
        "Select Tafsily2, NamHesab, Koll, Moein, Tafsily, ProjectCod From Tafsily2 Order By Tafsily2 ");
    EXPECT_EQ(costCentres.rowCount(), 9);
    EXPECT_EQ(costCentres.text(0, "Tafsily2"), "010001");
    EXPECT_EQ(costCentres.text(0, "ProjectCod"), "02001");
    EXPECT_EQ(select("Select VazCod, VazNam From D_VazDarae Order By VazCod").texts("VazCod"),
              (QStringList{"  1", "  2", "  3", "  4", "  5", "  6"}));
    EXPECT_EQ(select("Select VezCod, VezNam From D_VezArat Order By VezCod").rowCount(), 6);
    const ResultTable rates =
        select("Select MadehCod, MadehNam, Sharh, Nozooli, Salianeh From D_Madeh151 Order By MadehCod");
    EXPECT_EQ(rates.rowCount(), 8);
    EXPECT_EQ(rates.text(1, "Sharh"), QStringLiteral("مستقيم"));
    EXPECT_EQ(rates.value(1, "Salianeh").toInt(), 10);
    EXPECT_DOUBLE_EQ(rates.value(0, "Nozooli").toDouble(), 8);
    EXPECT_EQ(select("Select MakanCod, MakanNam From D_Makan Order By MakanCod").text(8, "MakanCod"), "  9");
}

TEST_F(AssetRegisterStatementsTest, CharacteristicLookupCarriesTheRowKey) {
    const ResultTable rows =
        select("Select SakhtarCod, SakhtarRaj, SakhtarNam, SakhtarLen, SakhtarType, IDX From "
               "D_Sakhtar Order By SakhtarCod");
    ASSERT_EQ(rows.rowCount(), 10);
    EXPECT_EQ(rows.texts("SakhtarCod").mid(0, 4), (QStringList{"  1", "  1", "  1", "  1"}));
    const QStringList keys = rows.texts("IDX");
    EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()).size(), 10);
    EXPECT_FALSE(keys.contains(QString()));
}

TEST_F(AssetRegisterStatementsTest, RecipientLookupJoinsNameAndFamilyIntoATemporaryTable) {
    exec("Select Code As PersonelCod, [Name]+' '+Family As PersonelNam, "
         "D_Koll As Koll, D_Moein As Moein, D_Tafsily As Tafsily, D_Tafsily2 As Tafsily2, D_ProjectCod As "
         "ProjectCod "
         "Into " +
         Temp + " From Person ");
    const ResultTable list = select("Select * From " + Temp + " Order By PersonelCod ");
    ASSERT_EQ(list.rowCount(), 12);
    EXPECT_EQ(list.columns.size(), 7);
    EXPECT_EQ(list.text(0, "PersonelCod"), "   12");
    EXPECT_EQ(list.text(0, "PersonelNam"), QStringLiteral("پرويز اكبري"));
    EXPECT_EQ(list.text(3, "PersonelNam"), QStringLiteral("حسن كريمي"));
    EXPECT_EQ(list.text(3, "Tafsily2"), "030001");
    // A second lookup on the same connection makes a table of its own.
    exec("Select Code As PersonelCod, [Name]+' '+Family As PersonelNam, "
         "D_Koll As Koll, D_Moein As Moein, D_Tafsily As Tafsily, D_Tafsily2 As Tafsily2, D_ProjectCod As "
         "ProjectCod "
         "Into ##TV4512399 From Person ");
    EXPECT_EQ(number("Select Count(*) From ##TV4512399"), 12);
    EXPECT_EQ(number("Select Count(*) From " + Temp), 12);
}

TEST_F(AssetRegisterStatementsTest, RegisterFieldsReportTheirDeclaredLengths) {
    const ResultTable row = select("Select Top 1 * From D_Amval");
    EXPECT_EQ(row.rowCount(), 1);
    ASSERT_EQ(row.columns.size(), 34);
    const QList<std::pair<const char*, int>> sizes = {
        {"DaraCod", 10}, {"DaraNam", 100},   {"RaveshEst", 6}, {"BahreDate", 10},  {"PelakOld", 10},
        {"MakanCod", 3}, {"PersonelCod", 5}, {"DTafsily2", 6}, {"HProjectCod", 5}, {"Salianeh", 0}};
    for (const auto& [name, size] : sizes) {
        const int c = row.column(name);
        ASSERT_GE(c, 0) << name;
        EXPECT_EQ(row.columns[c].size, size) << name;
    }
}

TEST_F(AssetRegisterStatementsTest, TagsAreCountedTrimmedAndOnlyAgainstTheirOwnKind) {
    const QString oldTags = " Select Count(*) As X From D_Amval Where  LTrim(RTrim(PelakOld)) = '%1'";
    const QString newTags = " Select Count(*) As X From D_Amval Where  LTrim(RTrim(PelakNew)) = '%1'";
    EXPECT_EQ(select(oldTags.arg("10012")).value(0, "X").toInt(), 1);
    EXPECT_EQ(select(newTags.arg("10012")).value(0, "X").toInt(), 1);
    EXPECT_EQ(select(oldTags.arg("A-2001")).value(0, "X").toInt(), 1);
    EXPECT_EQ(select(newTags.arg("A-2001")).value(0, "X").toInt(), 0);
    EXPECT_EQ(select(oldTags.arg("")).value(0, "X").toInt(), 21);
    exec("Update D_Amval Set PelakNew = '  10003 ' Where DaraCod = '      6005'");
    EXPECT_EQ(select(newTags.arg("10003")).value(0, "X").toInt(), 2);
}

TEST_F(AssetRegisterStatementsTest, NamesBehindTheCodesOfAnAsset) {
    const ResultTable names = namesBehind("      2001");
    ASSERT_EQ(names.rowCount(), 1);
    EXPECT_EQ(names.text(0, "VezNam"), QStringLiteral("ماشين آلات و تجهيزات"));
    EXPECT_EQ(names.text(0, "MadehNam"), QStringLiteral("ماشين آلات و تجهيزات توليدي"));
    EXPECT_EQ(names.text(0, "MakanNam"), QStringLiteral("كارخانه - سالن توليد يك"));
    EXPECT_EQ(names.text(0, "PersonName"), QStringLiteral("حسن كريمي"));
    EXPECT_EQ(names.text(0, "VazNam"), QStringLiteral("فعال و در حال بهره برداري"));
    EXPECT_TRUE(
        (QStringList{QStringLiteral("سازنده"), QStringLiteral("توان (كيلووات)"), QStringLiteral("رنگ")})
            .contains(names.text(0, "SakhtarNam")));
}

TEST_F(AssetRegisterStatementsTest, CodeWithoutARecordShowsNoName) {
    const ResultTable land = namesBehind("      1001");
    EXPECT_TRUE(land.isNull(0, "SakhtarNam"));
    EXPECT_FALSE(land.isNull(0, "PersonName"));
    const ResultTable empty = namesOf("   ", "   ", "   ", "     ", "   ", "   ");
    ASSERT_EQ(empty.rowCount(), 1);
    for (const char* column : {"VezNam", "MadehNam", "MakanNam", "PersonName", "VazNam", "SakhtarNam"}) {
        EXPECT_TRUE(empty.isNull(0, column)) << column;
    }
}

TEST_F(AssetRegisterStatementsTest, TotalsCoverTheWholeRegister) {
    const QString totals =
        "Select Sum(EndValue) As EndValue, Sum(Anbashteh) As Anbashteh, Sum(Esshat) As Esshat "
        "From D_Amval ";
    const ResultTable sums = select(totals);
    EXPECT_DOUBLE_EQ(sums.value(0, "EndValue").toDouble(), 325841000000.0);
    EXPECT_DOUBLE_EQ(sums.value(0, "Anbashteh").toDouble(), 47564000000.0);
    EXPECT_DOUBLE_EQ(sums.value(0, "Esshat").toDouble(), 1520000000.0);
    exec("Delete From D_Amval");
    const ResultTable none = select(totals);
    ASSERT_EQ(none.rowCount(), 1);
    EXPECT_TRUE(none.isNull(0, "EndValue"));
}

TEST_F(AssetRegisterStatementsTest, BarcodeLabelTableNumbersEveryAsset) {
    exec("Select Identity(int,1,1) as idx,DaraCod As KalaCode, DaraNam As KalaName,BahreDate As KalaDate , "
         "Cast(0 As Float) As FeeSales, DaraNam As KalaName2,Cast('1403/05/15' as varchar(10)) As CurDate,"
         "Cast('1' As Varchar(1)) As Amval Into " +
         Temp + "_Temp From D_Amval");
    const ResultTable labels = select("Select * From " + Temp + "_Temp Order By idx");
    ASSERT_EQ(labels.rowCount(), 38);
    EXPECT_EQ(labels.columns.size(), 8);
    for (qsizetype r = 0; r < labels.rowCount(); ++r) {
        EXPECT_EQ(labels.value(r, "idx").toLongLong(), r + 1);
        EXPECT_EQ(labels.value(r, "FeeSales").toDouble(), 0);
        EXPECT_EQ(labels.text(r, "CurDate"), "1403/05/15");
        EXPECT_EQ(labels.text(r, "Amval"), "1");
        EXPECT_EQ(labels.text(r, "KalaName"), labels.text(r, "KalaName2"));
    }
    const QStringList codes = labels.texts("KalaCode");
    EXPECT_EQ(QSet<QString>(codes.begin(), codes.end()).size(), 38);
    const ResultTable prices = [&] {
        exec(" Select DaraCod as xx,EndValue as Fee into " + Temp + "_Fee From D_Amval ");
        return select("Select * From " + Temp + "_Fee Where xx = '      2002'");
    }();
    EXPECT_DOUBLE_EQ(prices.value(0, "Fee").toDouble(), 12500000000.0);
}

TEST_F(AssetRegisterStatementsTest, BatchCreationReadsTheCodeLengthAndFindsOverlaps) {
    EXPECT_EQ(
        select(" Select COL_LENGTH('D_Amval', 'DaraCod') As LenDaraCod ").value(0, "LenDaraCod").toInt(), 10);
    const QString overlap = " Select * From D_Amval Where DaraCod>='%1' And DaraCod<='%2'";
    EXPECT_EQ(select(overlap.arg("      6001", "      6005")).rowCount(), 5);
    EXPECT_EQ(select(overlap.arg("      7001", "      7003")).rowCount(), 0);
    EXPECT_EQ(select(overlap.arg("      5999", "      6001")).rowCount(), 1);
}

TEST_F(AssetRegisterStatementsTest, BatchCreatedAssetsTakeTheirMethodAndDefaults) {
    exec(QStringLiteral(" Insert Into d_amval (daracod,daranam,raveshest,nozooli,salianeh,bahredate) Select "
                        "'      7001','ميز تحرير7001','مستقيم',0,5,'1403/05/01'"));
    exec(QStringLiteral(" Insert Into d_amval (daracod,daranam,raveshest,nozooli,salianeh,bahredate) Select "
                        "'      7002','      7002','نزولي',12.5,0,'1403/05/01'"));
    const ResultTable rows =
        select("Select * From D_Amval Where DaraCod In ('      7001', '      7002') Order By DaraCod");
    ASSERT_EQ(rows.rowCount(), 2);
    EXPECT_EQ(rows.text(0, "DaraNam"), QStringLiteral("ميز تحرير7001"));
    EXPECT_EQ(rows.text(0, "RaveshEst"), QStringLiteral("مستقيم"));
    EXPECT_EQ(rows.value(0, "Salianeh").toInt(), 5);
    EXPECT_DOUBLE_EQ(rows.value(1, "Nozooli").toDouble(), 12.5);
    EXPECT_EQ(rows.text(1, "DaraNam"), "      7002");
    EXPECT_EQ(rows.value(0, "EndValue").toDouble(), 0);
    EXPECT_EQ(rows.text(0, "MakanCod"), "");
    EXPECT_EQ(rows.text(0, "BahreDate"), "1403/05/01");
}

class RecipientPickerStatementsTest : public CompanyDatabaseTest {
protected:
    void SetUp() override {
        exec("Select ' ' As sSelect, Code, Name+' '+Family  As Name Into " + Temp + " From Person");
    }
    QStringList ticked() {
        return select("Select Code From " + Temp + " Where sSelect = 'ض' ").texts("Code");
    }
    QSet<QString> tickedSet() {
        const QStringList codes = ticked();
        return QSet<QString>(codes.begin(), codes.end());
    }
};

TEST_F(RecipientPickerStatementsTest, ListCopiesEveryPersonUnticked) {
    const ResultTable list = select("Select * From " + Temp + " Order By Code ");
    ASSERT_EQ(list.rowCount(), 12);
    EXPECT_EQ(list.columns.size(), 3);
    EXPECT_EQ(list.text(1, "Name"), QStringLiteral("علي رضايي"));
    EXPECT_TRUE(ticked().isEmpty());
}

TEST_F(RecipientPickerStatementsTest, InitialSelectionTicksEveryCodeFoundInsideTheText) {
    exec("Update " + Temp +
         " Set sSelect = 'ض' Where (PatIndex(('%'+LTrim(RTrim(Code))+'%'), '101,112') > 0) ");
    // 12 is found inside 112.
    EXPECT_EQ(tickedSet(), (QSet<QString>{"  101", "   12"}));
}

TEST_F(RecipientPickerStatementsTest, SelectAllNoneAndInvert) {
    exec("Update " + Temp + " Set sSelect = 'ض' Where (PatIndex(('%'+LTrim(RTrim(Code))+'%'), '105') > 0) ");
    exec("Update " + Temp + " Set sSelect = Case When sSelect = 'ض' Then ' ' Else 'ض' End ");
    EXPECT_EQ(ticked().size(), 11);
    EXPECT_FALSE(ticked().contains("  105"));
    exec("Update " + Temp + " Set sSelect = Case When sSelect = 'ض' Then ' ' Else 'ض' End ");
    EXPECT_EQ(ticked(), QStringList{"  105"});
    exec("Update " + Temp + " Set sSelect = 'ض'");
    EXPECT_EQ(ticked().size(), 12);
    exec("Update " + Temp + " Set sSelect = ' '");
    EXPECT_TRUE(ticked().isEmpty());
}
