#include "TsqlTranslator.h"
#include "EDatabaseError.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace tarvand;
using namespace tarvand::sql;

namespace {

std::string translated(const char* tsql) {
    return TsqlTranslator::translate(QString::fromUtf8(tsql)).toStdString();
}

} // namespace

using ::testing::HasSubstr;

TEST(TsqlTranslator, TopBecomesLimitAfterOrderByAndInsideSubqueries) {
    EXPECT_EQ(translated("Select Top 1 NamHesab From Tafsily2 Where Tafsily2 = '010001' Order By NamHesab"),
              "SELECT \"NamHesab\" FROM \"Tafsily2\" WHERE (\"Tafsily2\" = '010001') ORDER BY \"NamHesab\" "
              "LIMIT 1;");
    EXPECT_THAT(translated("Select (Select Top 1 VezNam From D_Vezarat Where VezCod = '1') As VezNam"),
                HasSubstr("WHERE (\"VezCod\" = '1') LIMIT 1) AS \"VezNam\""));
}

TEST(TsqlTranslator, PlusIsDecidedStaticallyWhereTheTypesAreCertain) {
    EXPECT_THAT(translated("Select 'a' + LTrim(x) From T"), HasSubstr("('a' || ltrim(\"x\"))"));
    EXPECT_THAT(translated("Select 1 + Len(x) From T"), HasSubstr("(1 + length(rtrim(\"x\")))"));
    EXPECT_THAT(translated("Select A.Koll + A.Moein From Asnad As A"),
                HasSubstr("tsql_add(\"A\".\"Koll\", \"A\".\"Moein\")"));
}

TEST(TsqlTranslator, FunctionsAndSystemTablesMapToTheBridges) {
    EXPECT_THAT(translated("Select IsNull(Max(d), '1300/00/00') d From Asnad"),
                HasSubstr("ifnull(max(\"d\"), '1300/00/00')"));
    EXPECT_THAT(translated("Select [Name] From Tempdb..SysObjects Where [Name] Like '%x'"),
                HasSubstr("FROM temp.sqlite_master"));
    EXPECT_THAT(translated("Select Name From SysIndexes"), HasSubstr("main.tsql_constraint"));
    EXPECT_THAT(translated("Select PatIndex('%a%', x), COL_LENGTH('T', 'c') From T"),
                HasSubstr("tsql_patindex('%a%', \"x\"), tsql_col_length('T', 'c')"));
    EXPECT_THAT(translated("Select x From Other..Codes"), HasSubstr("ATTACH DATABASE"));
}

TEST(TsqlTranslator, CharacterComparisonsOfExpressionsUseTheServersCollation) {
    EXPECT_THAT(translated("Select 1 From T Where Upper(a) = 'X'"),
                HasSubstr("(upper(\"a\") = 'X' COLLATE TSQL)"));
    EXPECT_THAT(translated("Select 1 From T Where a = 'X'"), HasSubstr("(\"a\" = 'X')"));
    EXPECT_THAT(translated("Select 1 From T Where Tafsily = -1"),
                HasSubstr("(tsql_number(\"Tafsily\", 'int') = -1)"));
}

TEST(TsqlTranslator, SchemaStatementsShowTheirSqliteDefinitions) {
    const std::string table =
        translated("Create Table D_Makan (MakanCod Varchar(3) Not Null, MakanNam Varchar(100) "
                   "Null Default '', IDX Int Identity(1,1), Constraint PK_D_Makan Primary Key "
                   "(MakanCod))");
    EXPECT_THAT(table, HasSubstr("\"MakanCod\" varchar(3) COLLATE TSQL NOT NULL"));
    EXPECT_THAT(table, HasSubstr("DEFAULT ('')"));
    EXPECT_THAT(table, HasSubstr("\"IDX\" INTEGER PRIMARY KEY AUTOINCREMENT"));
    EXPECT_THAT(table, HasSubstr("CREATE UNIQUE INDEX \"PK_D_Makan\" ON \"D_Makan\" (\"MakanCod\")"));
    EXPECT_THAT(translated("Create Unique Index IX On T(c) With Ignore_dup_key "),
                HasSubstr("RAISE(IGNORE)"));
    EXPECT_THAT(translated("Select a, IDX = Identity(Int, 1, 1) Into ##t From T"),
                HasSubstr("INSERT INTO \"##t\" SELECT \"a\", NULL AS \"tsql_identity\" FROM \"T\""));
}

TEST(TsqlTranslator, RejectsWhatItCannotTranslate) {
    EXPECT_THROW(TsqlTranslator::translate("Select * From"), EDatabaseError);
    EXPECT_THROW(TsqlTranslator::translate("Update T Set a = 1 From T Join U On 1 = 1"), EDatabaseError);
    EXPECT_THROW(TsqlTranslator::translate("Declare @t Table (a Int)"), EDatabaseError);
    EXPECT_THROW(TsqlTranslator::translate("Select SubString('a', 1)"), EDatabaseError);
}
