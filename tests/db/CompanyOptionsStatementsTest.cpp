// The statements that read and write the company options and the ranges of the asset documents,
// run on the demo company exactly as the module sends them.

#include "CompanyDatabaseTest.h"

using tarvand::testsupport::ResultTable;

class CompanyOptionsStatementsTest : public CompanyDatabaseTest {};

TEST_F(CompanyOptionsStatementsTest, OptionsRowOfCompanyAndYearHoldsTheSettingsTexts) {
    const ResultTable options =
        select("Select Dara, Korvash, Company_StartDate From Options Where sCode = '011403'");
    ASSERT_EQ(options.rowCount(), 1);
    EXPECT_EQ(options.columns.size(), 3);
    EXPECT_TRUE(options.text(0, "Korvash").contains(QStringLiteral("NAMTAFSILY2=مراكز هزينه;")));
    EXPECT_TRUE(options.text(0, "Dara").contains("TYPEDARACOD=NUM;"));
    EXPECT_EQ(options.text(0, "Company_StartDate"), "1398/01/01");
}

TEST_F(CompanyOptionsStatementsTest, EachFiscalYearReadsItsOwnOptionsRow) {
    EXPECT_EQ(select("Select Top 1 Sdc From Options Where SCode = '011403'").text(0, "Sdc"),
              "N_DEP_VAHED=1,2,3,5;");
    EXPECT_EQ(select("Select Top 1 Sdc From Options Where SCode = '011402'").text(0, "Sdc"),
              "N_DEP_VAHED=1,2,3;");
    EXPECT_EQ(
        select("Select Dara, Korvash, Company_StartDate From Options Where sCode = '021403'").rowCount(), 0);
}

TEST_F(CompanyOptionsStatementsTest, LastCloseDateIsTheLatestClosingDocumentOfTheAssetSystem) {
    const QString statement = "Select IsNull(Max(SanadDate), '1300/00/00') SanadDate From Asnad "
                              "Where TypeSys='D' And WhatDoc In ('98', '99')";
    const ResultTable result = select(statement);
    ASSERT_EQ(result.rowCount(), 1);
    // A later closing document of another system and a later ordinary asset document do not count.
    EXPECT_EQ(result.text(0, "SanadDate"), "1402/12/29");
}

TEST_F(CompanyOptionsStatementsTest, LastCloseDateWithoutClosingDocumentsIsTheDefault) {
    exec("Delete From Asnad Where TypeSys = 'D'");
    const ResultTable result = select("Select IsNull(Max(SanadDate), '1300/00/00') SanadDate From Asnad "
                                      "Where TypeSys='D' And WhatDoc In ('98', '99')");
    EXPECT_EQ(result.text(0, "SanadDate"), "1300/00/00");
}

TEST_F(CompanyOptionsStatementsTest, GroupCodeLengthsAreTheDeclaredLengths) {
    const ResultTable lengths =
        select("Select COL_LENGTH('GrohTafsily', 'TafsilyGrohCod') As LenCodGrohTafsily, "
               "COL_LENGTH('GrohTafsily2', 'Tafsily2GrohCod') As LenCodGrohTafsily2, "
               "COL_LENGTH('M_GrohProject', 'ProjectGrohCod') As LenCodGrohProject ");
    ASSERT_EQ(lengths.rowCount(), 1);
    EXPECT_EQ(lengths.value(0, "LenCodGrohTafsily").toInt(), 2);
    EXPECT_EQ(lengths.value(0, "LenCodGrohTafsily2").toInt(), 2);
    EXPECT_EQ(lengths.value(0, "LenCodGrohProject").toInt(), 2);
}

TEST_F(CompanyOptionsStatementsTest, GroupCodeLengthOfAMissingColumnOrTableIsNull) {
    const ResultTable lengths =
        select("Select COL_LENGTH('GrohTafsily', 'NoSuchColumn') As LenCodGrohTafsily, "
               "COL_LENGTH('GrohTafsily2', 'Tafsily2GrohCod') As LenCodGrohTafsily2, "
               "COL_LENGTH('NoSuchTable', 'ProjectGrohCod') As LenCodGrohProject ");
    EXPECT_TRUE(lengths.isNull(0, "LenCodGrohTafsily"));
    EXPECT_EQ(lengths.value(0, "LenCodGrohTafsily2").toInt(), 2);
    EXPECT_TRUE(lengths.isNull(0, "LenCodGrohProject"));
}

TEST_F(CompanyOptionsStatementsTest, DocumentRangeSpansTheDatesAndNumbersOfATable) {
    const ResultTable range =
        select("Select Min(sDate) As MinSanadDate, Max(sDate) As MaxSanadDate, "
               "Min(SanadNoAmval) As MinSanadNo, Max(SanadNoAmval) As MaxSanadNo From D_Buy_Create");
    ASSERT_EQ(range.rowCount(), 1);
    EXPECT_EQ(range.text(0, "MinSanadDate"), "1398/03/12");
    EXPECT_EQ(range.text(0, "MaxSanadDate"), "1403/02/10");
    EXPECT_EQ(range.text(0, "MinSanadNo"), "1");
    EXPECT_EQ(range.text(0, "MaxSanadNo"), "6");
}

TEST_F(CompanyOptionsStatementsTest, DocumentRangeOfEveryDocumentTableIsOneRow) {
    for (const char* table :
         {"D_AsaseChange", "D_FirstTadil", "D_Buy_Create", "D_ForoshDaymeh", "D_DaraeReduce", "D_KenarM",
          "D_KenarD", "D_Tahvil_Antegal", "D_SoulationChange"}) {
        const ResultTable range =
            select(QStringLiteral("Select Min(sDate) As MinSanadDate, Max(sDate) As MaxSanadDate, "
                                  "Min(SanadNoAmval) As MinSanadNo, Max(SanadNoAmval) As MaxSanadNo From %1")
                       .arg(table));
        EXPECT_EQ(range.rowCount(), 1) << table;
        EXPECT_EQ(range.columns.size(), 4) << table;
    }
}

TEST_F(CompanyOptionsStatementsTest, DocumentRangeOfAnEmptyTableIsNull) {
    const ResultTable range = select("Select Min(sDate) As MinSanadDate, Max(sDate) As MaxSanadDate, "
                                     "Min(SanadNoAmval) As MinSanadNo, Max(SanadNoAmval) As MaxSanadNo From "
                                     "D_SoulationChange");
    ASSERT_EQ(range.rowCount(), 1);
    for (const char* column : {"MinSanadDate", "MaxSanadDate", "MinSanadNo", "MaxSanadNo"}) {
        EXPECT_TRUE(range.isNull(0, column)) << column;
    }
}

TEST_F(CompanyOptionsStatementsTest, LinkSettingsOfTheCostCentreEditorAreRead) {
    const ResultTable link = select(" Select ERTEBAT From Options Where SCode ='011403'");
    ASSERT_EQ(link.rowCount(), 1);
    EXPECT_EQ(link.text(0, "ERTEBAT"), "DBSNAME_M=;TBLNAME_M=;FLDNAME_M=;");
}

TEST_F(CompanyOptionsStatementsTest, AccountingSettingsAreReadByLookupAndByTheirOwnQuery) {
    const QString lookedUp =
        select("Select Top 1 Korvash From Options Where SCode = '011403'").text(0, "Korvash");
    const QString read = select("Select Korvash From Options Where SCode='011403'").text(0, "Korvash");
    EXPECT_EQ(lookedUp, read);
    EXPECT_TRUE(read.contains("TYPESARFASLCOD=NUM", Qt::CaseInsensitive));
    EXPECT_TRUE(read.contains(QStringLiteral("NAMPROJECT=پروژه;")));
}

TEST_F(CompanyOptionsStatementsTest, UnitSelectionIsWrittenBackToItsOwnOptionsRow) {
    EXPECT_EQ(exec("Update Options Set Sdc = 'N_DEP_VAHED=1,2,3,5,7;' Where SCode = '011403'"), 1);
    EXPECT_EQ(select("Select Top 1 Sdc From Options Where SCode = '011403'").text(0, "Sdc"),
              "N_DEP_VAHED=1,2,3,5,7;");
    EXPECT_EQ(select("Select Top 1 Sdc From Options Where SCode = '011402'").text(0, "Sdc"),
              "N_DEP_VAHED=1,2,3;");
}
