#include "BridgeFixture.h"

using namespace tarvand::sql::test;

namespace {

class BridgeExpressionTest : public BridgeFixture {
protected:
    BridgeExpressionTest() {
        db->execute("Create Table Koll (Koll Varchar(5) Not Null, NamHesab Varchar(50) Null, Qty Int Null, "
                    "Price Float Null, Constraint PK_Koll Primary Key (Koll))");
        db->execute("Insert Into Koll Values (' 11', 'Cash', 5, 1.5)");
        db->execute("Insert Into Koll Values (' 12', 'Bank', 7, 2.25)");
        db->execute("Insert Into Koll Values ('00012', 'Zero padded', Null, Null)");
    }
};

} // namespace

TEST_F(BridgeExpressionTest, PlusConcatenatesTextAddsNumbersAndPropagatesNull) {
    EXPECT_EQ(value("Select 'a' + 'b'"), "ab");
    EXPECT_EQ(value("Select 2 + 3"), "5");
    EXPECT_EQ(value("Select Koll + NamHesab From Koll Where NamHesab = 'Cash'"), " 11Cash");
    EXPECT_EQ(value("Select Qty + Price From Koll Where NamHesab = 'Cash'"), "6.5");
    EXPECT_EQ(value("Select Qty + 1 From Koll Where NamHesab = 'Bank'"), "8");
    EXPECT_EQ(value("Select NamHesab + Null From Koll Where NamHesab = 'Cash'"), "NULL");
    EXPECT_EQ(value("Select Koll + Qty From Koll Where NamHesab = 'Cash'"), "16");
}

TEST_F(BridgeExpressionTest, PlusOfANonNumericTextAndANumberFailsAsOnTheServer) {
    EXPECT_EQ(error("Select NamHesab + Qty From Koll"),
              "Conversion failed when converting the varchar value 'Cash' to data type int.");
}

TEST_F(BridgeExpressionTest, LiteralsWithSemicolonsAndPlusSignsStayIntact) {
    EXPECT_EQ(value("Select 'K=1;+x' + ';'"), "K=1;+x;");
    EXPECT_EQ(value("Select N'مراكز هزينه'"), QStringLiteral("مراكز هزينه"));
    EXPECT_EQ(value("Select 'O''Brien'"), "O'Brien");
}

TEST_F(BridgeExpressionTest, TopBecomesALimitAlsoInSubqueries) {
    EXPECT_EQ(rows("Select Top 1 NamHesab From Koll Order By Qty Desc"), QStringList{"Bank"});
    EXPECT_EQ(value("Select (Select Top 1 NamHesab From Koll Where Koll = ' 12') As N"), "Bank");
    EXPECT_EQ(rows("Select Top 2 Koll From Koll Order By Koll").size(), 2);
}

TEST_F(BridgeExpressionTest, StringFunctionsBehaveAsInTsql) {
    EXPECT_EQ(value("Select Len('ab  ')"), "2");
    EXPECT_EQ(value("Select Len(LTrim(RTrim('  ab  ')))"), "2");
    EXPECT_EQ(value("Select '[' + LTrim(' a ') + ']' + '[' + RTrim(' a ') + ']'"), "[a ][ a]");
    EXPECT_EQ(value("Select SubString('abcdef', 2, 3)"), "bcd");
    EXPECT_EQ(value("Select SubString('abc', 0, 2)"), "a");
    EXPECT_EQ(value("Select SubString('abc', 3, 10)"), "c");
    EXPECT_EQ(value("Select Upper('abc') + Lower('DEF')"), "ABCdef");
    EXPECT_EQ(value("Select IsNull(Null, 'x')"), "x");
    EXPECT_EQ(value("Select IsNull(Max(Qty), 0) From Koll Where 1 = 2"), "0");
    EXPECT_EQ(value("Select Replace('a''b''c', '''', '''''')"), "a''b''c");
    EXPECT_EQ(value("Select CharIndex('c', 'abcabc', 4)"), "6");
    EXPECT_EQ(value("Select Left('abcd', 2) + Right('abcd', 2)"), "abcd");
}

TEST_F(BridgeExpressionTest, PatIndexUnderstandsTsqlWildcards) {
    EXPECT_EQ(value("Select PatIndex('%12%', '11,12,13')"), "4");
    EXPECT_EQ(value("Select PatIndex('%99%', '11,12,13')"), "0");
    EXPECT_EQ(value("Select PatIndex('%[0-9]%', 'ab7c')"), "3");
    EXPECT_EQ(value("Select PatIndex('%[^a]%', 'aab')"), "3");
    EXPECT_EQ(value("Select PatIndex('a_c%', 'abcd')"), "1");
    EXPECT_EQ(value("Select PatIndex('%C', 'abc')"), "3");
    EXPECT_EQ(value("Select PatIndex(('%' + LTrim(RTrim(' 12 ')) + '%'), '11,12,')"), "4");
    EXPECT_EQ(
        value("Select Count(*) From Koll Where PatIndex('%' + SubString(Koll, 2, 2) + '%', '12,55') > 0"),
        "1");
}

TEST_F(BridgeExpressionTest, CastConvertsAndTruncatesLikeTheServer) {
    EXPECT_EQ(value("Select Cast('abcdef' As Varchar(3))"), "abc");
    EXPECT_EQ(value("Select Cast(12 As Varchar(20)) + 'x'"), "12x");
    EXPECT_EQ(value("Select Cast(' 42 ' As Int) + 1"), "43");
    EXPECT_EQ(value("Select Cast(0 As Float)"), "0.0");
    EXPECT_EQ(value("Select Cast('2.5' As Float) * 2"), "5.0");
    EXPECT_EQ(value("Select Cast(2.6 As Int)"), "2");
    EXPECT_EQ(value("Select Cast('ab' As Char(4)) + '|'"), "ab  |");
    EXPECT_EQ(value("Select Cast('12.345' As Numeric(5, 2))"), "12.35");
    EXPECT_EQ(error("Select Cast('x1' As Int)"),
              "Conversion failed when converting the varchar value 'x1' to data type int.");
}

TEST_F(BridgeExpressionTest, CharacterComparisonsIgnoreCaseAndTrailingBlanks) {
    EXPECT_EQ(value("Select Count(*) From Koll Where NamHesab = 'CASH   '"), "1");
    EXPECT_EQ(value("Select Count(*) From Koll Where Upper(NamHesab) = 'cash'"), "1");
    EXPECT_EQ(value("Select Count(*) From Koll Where NamHesab + 'x' = 'cASHX'"), "1");
    EXPECT_EQ(value("Select Count(*) From Koll Where NamHesab In ('bank ', 'CASH')"), "2");
    EXPECT_EQ(value("Select Count(*) From Koll Where Koll = ' 11'"), "1");
    EXPECT_EQ(value("Select Count(*) From Koll Where Koll = '11'"), "0");
    EXPECT_EQ(value("Select Count(*) From Koll Where NamHesab Like 'c%'"), "1");
}

TEST_F(BridgeExpressionTest, AnUnquotedNumberConvertsTheCharacterColumn) {
    EXPECT_EQ(rows("Select NamHesab From Koll Where Koll = 12 Order By NamHesab"),
              QStringList({"Bank", "Zero padded"}));
    EXPECT_EQ(value("Select Count(*) From Koll Where Koll = -1"), "0");
    EXPECT_EQ(value("Select Count(*) From Koll Where Koll In (11, 99)"), "1");
    EXPECT_EQ(value("Select Count(*) From Koll Where 12 = Koll"), "2");
    EXPECT_EQ(value("Select Count(*) From Koll Where '00012' = 12"), "3");
    // A numeric column keeps its value: 1.5 is not 1.
    EXPECT_EQ(value("Select Count(*) From Koll Where Price = 1"), "0");
    EXPECT_EQ(value("Select Count(*) From Koll Where Price = 1.5"), "1");
    EXPECT_EQ(error("Select Count(*) From Koll Where NamHesab = 3"),
              "Conversion failed when converting the varchar value 'Cash' to data type int.");
}

TEST_F(BridgeExpressionTest, BracketedNamesAliasesAndAliasAssignments) {
    db->execute("Create Table Rights (StrId Varchar(20), [12] Varchar(1), [Name] Varchar(10))");
    db->execute("Insert Into Rights Values ('D_B_DARAE', 'Y', 'n')");
    EXPECT_EQ(rows("Select StrId, [12] As UserId, X = [Name] + '!' From Rights Where StrId Like 'D[_]B%'"),
              QStringList{"D_B_DARAE|Y|n!"});
    auto cursor = db->query("Select IsNull(Max(Koll), '000') K, Total = Sum(Qty) From Koll");
    EXPECT_EQ(cursor->columns()[0].name, "K");
    EXPECT_EQ(cursor->columns()[1].name, "Total");
}

TEST_F(BridgeExpressionTest, GroupByHavingWithSubqueryDistinctAndCase) {
    EXPECT_EQ(
        rows(
            " Select Top 1 [NamHesab]  From Koll  Group By [NamHesab] Having Len(LTrim(RTrim([NamHesab])))>= "
            "   \t(Select Max(Len(LTrim(RTrim([NamHesab]))))-0 From Koll ) "),
        QStringList{"Zero padded"});
    EXPECT_EQ(value("Select Count(*) From (Select Distinct SubString(Koll, 2, 1) As D From Koll) As X"), "2");
    EXPECT_EQ(
        rows("Select Case When Qty > 6 Then 'big' When Qty Is Null Then 'none' Else 'small' End From Koll "
             "Order By Koll"),
        QStringList({"small", "big", "none"}));
}

TEST_F(BridgeExpressionTest, JoinsOnConcatenatedKeys) {
    db->execute("Create Table Moein (Koll Varchar(3), Moein Varchar(3), NamHesab Varchar(50))");
    db->execute("Create Table Asnad (Koll Varchar(3), Moein Varchar(3))");
    db->execute("Insert Into Moein Values (' 11', '  1', 'Petty cash')");
    db->execute("Insert Into Asnad Values (' 11', '  1')");
    db->execute("Insert Into Asnad Values (' 11', '  2')");
    EXPECT_EQ(
        rows("Select M.NamHesab From Asnad As A Inner Join Moein As M On(A.Koll+A.Moein = M.Koll+M.Moein)"),
        QStringList{"Petty cash"});
    EXPECT_EQ(rows("Select K.NamHesab, M.NamHesab From Moein As M, Koll As K Where K.Koll = M.Koll And "
                   "M.Koll+M.Moein In (' 11  1')"),
              QStringList{"Cash|Petty cash"});
    EXPECT_EQ(
        value("Select Count(*) From Asnad A Left Outer Join Moein M On (A.Koll+A.Moein = M.Koll+M.Moein) "
              "Where M.Koll Is Null"),
        "1");
}

TEST_F(BridgeExpressionTest, PositionalParametersBindInOrder) {
    EXPECT_EQ(rows("Select NamHesab From Koll Where Qty > ? And Koll <> ?", {4, QStringLiteral(" 12")}),
              QStringList{"Cash"});
    EXPECT_EQ(value("Select Top 1 NamHesab From Koll Where Koll = ? Order By Koll", {QStringLiteral(" 12")}),
              "Bank");
    // Placeholders count through the whole text, whatever statement holds them.
    db->execute("Update Koll Set Qty = ? Where Koll = ' 11'; Update Koll Set Qty = ? Where Koll = ' 12'",
                {1, 2});
    EXPECT_EQ(rows("Select Qty From Koll Where Qty Is Not Null Order By Koll"), QStringList({"1", "2"}));
}

TEST_F(BridgeExpressionTest, SyntaxErrorsAndUnsupportedConstructsAreDatabaseErrors) {
    EXPECT_EQ(error("Select From Koll"), "Incorrect syntax near 'From'.");
    EXPECT_FALSE(error("Select Top 10 Percent * From Koll").isEmpty());
    EXPECT_EQ(error("Select Identity(Int, 1, 1) As X From Koll"),
              "The IDENTITY function can only be used when the SELECT statement has an INTO clause.");
    EXPECT_EQ(error("Select Nope From Koll"), "Invalid column name 'Nope'.");
    EXPECT_EQ(error("Select * From Nope"), "Invalid object name 'Nope'.");
    EXPECT_FALSE(error("Select * From Koll Where (").isEmpty());
    // Absurd nesting and operator chains are refused instead of exhausting the stack.
    EXPECT_EQ(error("Select " + QString(5000, u'(') + "1" + QString(5000, u')')),
              "The statement is nested too deeply.");
    EXPECT_EQ(error("Select 1" + QStringLiteral(" + 1").repeated(5000)),
              "The statement is too complex: more than 1000 operators.");
}

TEST_F(BridgeExpressionTest, LongestValueQueryOfTheColumnFitRunsOnTheQuerysOwnParts) {
    // The FROM part of a query comes upper-cased and follows the slack without a blank.
    EXPECT_EQ(
        rows(" Select Top 1 [NamHesab]  FROM KOLL  WHERE KOLL <> ' 11' Group By [NamHesab] Having "
             "Len(LTrim(RTrim([NamHesab])))>=    \t(Select Max(Len(LTrim(RTrim([NamHesab]))))-0FROM KOLL "
             "WHERE KOLL <> ' 11' ) "),
        QStringList{"Zero padded"});
    EXPECT_EQ(
        rows(" Select Top 1 [Qty]   From Koll Group By [Qty] Having Len(LTrim(RTrim([Qty])))>=    \t(Select "
             "Max(Len(LTrim(RTrim([Qty]))))-0 From Koll ) ")
            .size(),
        1);
    EXPECT_EQ(value(" Select Sum([Qty]) As X FROM KOLL WHERE KOLL <> '00012'"), "12");
}
