#include "BridgeFixture.h"

using namespace tarvand::sql::test;

namespace {

// A statement and every row it gives (cells joined by '|'), or the message of the error it raises
// ("*": any message). Some hold on the embedded database only: on PostgreSQL messages name objects
// in lower case.
struct Expression {
    QString statement;
    QStringList rows;
    QString error = {};
    bool embeddedOnly = false;
};

const QString TooDeep = "Select " + QString(5000, u'(') + "1" + QString(5000, u')');
const QString TooLong = "Select 1" + QStringLiteral(" + 1").repeated(5000);
const QString CashToInt = "Conversion failed when converting the varchar value 'Cash' to data type int.";

// clang-format off
const QList<Expression> Expressions = {
    // Plus joins texts, adds numbers, converts a numeric text and propagates NULL.
    {"Select 'a' + 'b'", {"ab"}}, {"Select 2 + 3", {"5"}},
    {"Select Koll + NamHesab From Koll Where NamHesab = 'Cash'", {" 11Cash"}},
    {"Select Qty + Price From Koll Where NamHesab = 'Cash'", {"6.5"}},
    {"Select Qty + 1 From Koll Where NamHesab = 'Bank'", {"8"}},
    {"Select NamHesab + Null From Koll Where NamHesab = 'Cash'", {"NULL"}},
    {"Select Koll + Qty From Koll Where NamHesab = 'Cash'", {"16"}},
    {"Select NamHesab + Qty From Koll", {}, CashToInt},
    // Literals keep their separators, quotes and Persian text.
    {"Select 'K=1;+x' + ';'", {"K=1;+x;"}}, {"Select N'مراكز هزينه'", {"مراكز هزينه"}},
    {"Select 'O''Brien'", {"O'Brien"}},
    // Top becomes a limit, also in subqueries.
    {"Select Top 1 NamHesab From Koll Order By Qty Desc", {"Bank"}},
    {"Select (Select Top 1 NamHesab From Koll Where Koll = ' 12') As N", {"Bank"}},
    {"Select Top 2 Koll From Koll Order By Koll", {" 11", " 12"}},
    // String functions.
    {"Select Len('ab  ')", {"2"}}, {"Select Len(LTrim(RTrim('  ab  ')))", {"2"}},
    {"Select '[' + LTrim(' a ') + ']' + '[' + RTrim(' a ') + ']'", {"[a ][ a]"}},
    {"Select SubString('abcdef', 2, 3)", {"bcd"}}, {"Select SubString('abc', 0, 2)", {"a"}},
    {"Select SubString('abc', 3, 10)", {"c"}}, {"Select Upper('abc') + Lower('DEF')", {"ABCdef"}},
    {"Select IsNull(Null, 'x')", {"x"}}, {"Select IsNull(Max(Qty), 0) From Koll Where 1 = 2", {"0"}},
    {"Select Replace('a''b''c', '''', '''''')", {"a''b''c"}}, {"Select CharIndex('c', 'abcabc', 4)", {"6"}},
    {"Select Left('abcd', 2) + Right('abcd', 2)", {"abcd"}},
    // PatIndex with the server's wildcards.
    {"Select PatIndex('%12%', '11,12,13')", {"4"}}, {"Select PatIndex('%99%', '11,12,13')", {"0"}},
    {"Select PatIndex('%[0-9]%', 'ab7c')", {"3"}}, {"Select PatIndex('%[^a]%', 'aab')", {"3"}},
    {"Select PatIndex('a_c%', 'abcd')", {"1"}}, {"Select PatIndex('%C', 'abc')", {"3"}},
    {"Select PatIndex(('%' + LTrim(RTrim(' 12 ')) + '%'), '11,12,')", {"4"}},
    {"Select Count(*) From Koll Where PatIndex('%' + SubString(Koll, 2, 2) + '%', '12,55') > 0", {"1"}},
    // Cast converts and truncates like the server.
    {"Select Cast('abcdef' As Varchar(3))", {"abc"}}, {"Select Cast(12 As Varchar(20)) + 'x'", {"12x"}},
    {"Select Cast(' 42 ' As Int) + 1", {"43"}}, {"Select Cast(0 As Float)", {"0"}},
    {"Select Cast('2.5' As Float) * 2", {"5"}}, {"Select Cast(2.6 As Int)", {"2"}},
    {"Select Cast('ab' As Char(4)) + '|'", {"ab  |"}}, {"Select Cast('12.345' As Numeric(5, 2))", {"12.35"}},
    {"Select Cast('x1' As Int)", {}, "Conversion failed when converting the varchar value 'x1' to data type int."},
    // Character comparisons ignore case and trailing blanks, not leading ones.
    {"Select Count(*) From Koll Where NamHesab = 'CASH   '", {"1"}},
    {"Select Count(*) From Koll Where Upper(NamHesab) = 'cash'", {"1"}},
    {"Select Count(*) From Koll Where NamHesab + 'x' = 'cASHX'", {"1"}},
    {"Select Count(*) From Koll Where NamHesab In ('bank ', 'CASH')", {"2"}},
    {"Select Count(*) From Koll Where RTrim(NamHesab) + '  ' = NamHesab And Upper(NamHesab) In ('CASH ', 'x')", {"1"}},
    {"Select Count(*) From Koll Where 'ab' = 'AB  ' Or Koll = 'far too long'", {"3"}},
    {"Select Count(*) From (Select GetDate() As D) As X Where D > Cast('2000-01-01' As DateTime)", {"1"}},
    {"Select Count(*) From (Select NamHesab From Koll Union Select Upper(NamHesab) + ' ' From Koll) As X", {"3"}},
    {"Select Count(*) From (Select Distinct Upper(M.NamHesab) As N From Koll K Join Moein M On M.Koll + ' ' = "
     "K.Koll) As X", {"1"}},
    {"Select DataLength(Upper('ab  ')), DataLength(NamHesab + ' '), Len(NamHesab + ' ') From Koll Where Koll = ' 11'",
     {"4|5|4"}},
    {"Select Replace(NamHesab + '  ', 'c', '.') + '|', Replace('a.b.C*', '.c*', '$1') From Koll Where Koll = ' 11'",
     {".ash  ||a.b$1"}},
    {"Select Count(*) From Rights Where StrId Like '%!_[A-Z]!_%' Escape '!'", {"1"}},
    {"Select Count(*) From Rights Where StrId Like 'D!%[_]%' Escape '!'", {"0"}},
    {"Select Count(*) From Koll Where Koll = ' 11'", {"1"}}, {"Select Count(*) From Koll Where Koll = '11'", {"0"}},
    {"Select Count(*) From Koll Where NamHesab Like 'c%'", {"1"}},
    // Like ignores the trailing blanks of the value, not those of the pattern.
    {"Select Count(*) From Koll Where NamHesab + '  ' Like 'cash' Or NamHesab + ' ' Like '[b]ank' Or "
     "NamHesab Like 'Zero padded '", {"2"}},
    // Expressions of a union, and the columns of a derived table, compare as character values.
    {"Select Count(*) From (Select Upper(NamHesab) As N From Koll Union Select NamHesab + ' ' From Koll) As X",
     {"3"}},
    {"Select Count(*) From (Select Distinct N From (Select Upper(NamHesab) As N From Koll Union All Select "
     "NamHesab + ' ' From Koll) As U) As X", {"3"}},
    // An unquoted number converts the character column; a numeric column keeps its value.
    {"Select NamHesab From Koll Where Koll = 12 Order By NamHesab", {"Bank", "Zero padded"}},
    {"Select Count(*) From Koll Where Koll = -1", {"0"}}, {"Select Count(*) From Koll Where Koll In (11, 99)", {"1"}},
    {"Select Count(*) From Koll Where 12 = Koll", {"2"}}, {"Select Count(*) From Koll Where '00012' = 12", {"3"}},
    {"Select Count(*) From Koll Where Price = 1", {"0"}}, {"Select Count(*) From Koll Where Price = 1.5", {"1"}},
    {"Select Count(*) From Koll Where NamHesab = 3", {}, CashToInt},
    // Bracketed names, aliases and alias assignments.
    {"Select StrId, [12] As UserId, X = [Name] + '!' From Rights Where StrId Like 'D[_]B%'", {"D_B_DARAE|Y|n!"}},
    // Group By with Having over a subquery, Distinct, Case.
    {" Select Top 1 [NamHesab]  From Koll  Group By [NamHesab] Having Len(LTrim(RTrim([NamHesab])))>=    \t(Select "
     "Max(Len(LTrim(RTrim([NamHesab]))))-0 From Koll ) ", {"Zero padded"}},
    {"Select Count(*) From (Select Distinct SubString(Koll, 2, 1) As D From Koll) As X", {"2"}},
    {"Select Case When Qty > 6 Then 'big' When Qty Is Null Then 'none' Else 'small' End From Koll Order By Koll",
     {"small", "big", "none"}},
    // The column fit's statements: the FROM part comes upper-cased, straight after the slack.
    {" Select Top 1 [NamHesab]  FROM KOLL  WHERE KOLL <> ' 11' Group By [NamHesab] Having Len(LTrim(RTrim("
     "[NamHesab])))>=    \t(Select Max(Len(LTrim(RTrim([NamHesab]))))-0FROM KOLL WHERE KOLL <> ' 11' ) ",
     {"Zero padded"}},
    {" Select Top 1 [Qty]   From Koll Group By [Qty] Having Len(LTrim(RTrim([Qty])))>=    \t(Select Max(Len(LTrim("
     "RTrim([Qty]))))-0 From Koll ) ", {"5"}},
    {" Select Sum([Qty]) As X FROM KOLL WHERE KOLL <> '00012'", {"12"}},
    // Joins on concatenated keys.
    {"Select M.NamHesab From Asnad As A Inner Join Moein As M On(A.Koll+A.Moein = M.Koll+M.Moein)", {"Petty cash"}},
    {"Select K.NamHesab, M.NamHesab From Moein As M, Koll As K Where K.Koll = M.Koll And M.Koll+M.Moein In "
     "(' 11  1')", {"Cash|Petty cash"}},
    {"Select Count(*) From Asnad A Left Outer Join Moein M On (A.Koll+A.Moein = M.Koll+M.Moein) Where M.Koll Is "
     "Null", {"1"}},
    // Syntax errors and unsupported constructs; absurd nesting is refused before it exhausts the stack.
    {"Select From Koll", {}, "Incorrect syntax near 'From'."},
    {"Select * From Koll Where (", {}, "*"},
    {"Select Identity(Int, 1, 1) As X From Koll", {},
     "The IDENTITY function can only be used when the SELECT statement has an INTO clause."},
    {"Select Nope From Koll", {}, "Invalid column name 'Nope'."},
    {"Select K.Nope From Koll K", {}, "The multi-part identifier \"K.Nope\" could not be bound."},
    {"Select * From Nope", {}, "Invalid object name 'Nope'."},
    {"Select a b c From Koll", {}, "Incorrect syntax near 'c'."},
    {"Select NamHesab From", {}, "Incorrect syntax near the end of the statement."},
    {"Select 'abc", {}, "*"}, {"Select [abc", {}, "*"}, {"Select 1 /* open", {}, "*"}, {"Select `x`", {}, "*"},
    {"Select 0x1F", {}, "*"}, {"Select 1 sp_x 'a'", {}, "*"}, {"Select Koll From Srv.Db.dbo.Koll", {}, "*"},
    {"Select SubString('a', 1)", {}, "*"}, {"Declare @t Table (a Int)", {}, "*"},
    // Comments are skipped, nested ones too; numbers are taken whole.
    {"Select 1.5 + .5 + 1e3 -- trailing + 'x\n/* outer /* nested */ 'y' */ From Koll Where Koll = ' 11'",
     {"1002"}},
    {"Update Koll Set Qty = 1 From Koll Join Moein On 1 = 1", {},
     "Update … From is not supported by the embedded database; use a subquery."},
    {"Create Table T (a Int Identity(1, 2))", {},
     "Identity increments other than 1 are not supported by the embedded database."},
    {"Create Table T (a Int Check (a > 0))", {},
     "Check and foreign-key constraints are not supported by the embedded database."},
    {"Create Procedure p @a Int Output As Select 1", {},
     "Output parameters are not supported by the embedded database."},
    {"Select Top 10 Percent * From Koll", {},
     "Top … Percent and Top … With Ties are not supported by the embedded database."},
    {TooDeep, {}, "The statement is nested too deeply."},
    {TooLong, {}, "The statement is too complex: more than 1000 operators."},
    // Keys ignore trailing blanks, lengths hold, Select … Into keeps the declared types (last: they change rows).
    {"Insert Into Koll (Koll, NamHesab) Values (' 11  ', 'x')", {}, "*"},
    {"Insert Into Koll (Koll, NamHesab) Values ('123456', 'x')", {}, "String or binary data would be truncated."},
    {"Update Koll Set Qty = Qty Where Koll In (' 11', ' 12 '); Select @@RowCount", {"2"}},
    {"Select * Into KollCopy From Koll; Select Col_Length('KollCopy', 'Koll'), Count(*) From KollCopy Where "
     "NamHesab = 'cash '", {"5|1"}},
    {"Select Cast(NamHesab As Varchar(10)) As C, NamHesab + Koll As J, 'ab' As L Into Made From Koll; Select "
     "Count(*) From Made Where C = 'cash ' And J = 'CASH 11  ' And L = 'AB '", {"1"}},
};
// clang-format on

class BridgeExpressionTest : public BridgeFixture {
protected:
    void SetUp() override {
        db->execute("Create Table Koll (Koll Varchar(5) Not Null, NamHesab Varchar(50) Null, Qty Int Null, "
                    "Price Float Null, Constraint PK_Koll Primary Key (Koll))");
        db->execute("Insert Into Koll Values (' 11', 'Cash', 5, 1.5)");
        db->execute("Insert Into Koll Values (' 12', 'Bank', 7, 2.25)");
        db->execute("Insert Into Koll Values ('00012', 'Zero padded', Null, Null)");
        db->execute("Create Table Moein (Koll Varchar(3), Moein Varchar(3), NamHesab Varchar(50))");
        db->execute("Create Table Asnad (Koll Varchar(3), Moein Varchar(3))");
        db->execute("Insert Into Moein Values (' 11', '  1', 'Petty cash')");
        db->execute("Insert Into Asnad Values (' 11', '  1')");
        db->execute("Insert Into Asnad Values (' 11', '  2')");
        db->execute("Create Table Rights (StrId Varchar(20), [12] Varchar(1), [Name] Varchar(10))");
        db->execute("Insert Into Rights Values ('D_B_DARAE', 'Y', 'n')");
    }
};

} // namespace

using BridgeExpressionTestOnEachBackend = OnEachBackend<BridgeExpressionTest>;
TARVAND_ON_EACH_BACKEND(BridgeExpressionTestOnEachBackend);

TEST_P(BridgeExpressionTestOnEachBackend, StatementsGiveTheServersResultsOrErrors) {
    for (const Expression& e : Expressions) {
        SCOPED_TRACE(e.statement.left(200).toStdString());
        if (e.embeddedOnly && !server.isEmpty()) {
            continue;
        }
        if (e.error.isEmpty()) {
            EXPECT_EQ(rows(e.statement), e.rows);
        } else if (e.error == u"*") {
            EXPECT_FALSE(error(e.statement).isEmpty());
        } else {
            EXPECT_EQ(error(e.statement), e.error);
        }
    }
}

TEST_P(BridgeExpressionTestOnEachBackend, AliasesNameTheResultColumnsAndPositionalParametersBindInOrder) {
    auto cursor = db->query("Select IsNull(Max(Koll), '000') K, Total = Sum(Qty) From Koll");
    EXPECT_EQ(cursor->columns()[0].name, "K");
    EXPECT_EQ(cursor->columns()[1].name, "Total");
    EXPECT_EQ(rows("Select NamHesab From Koll Where Qty > ? And Koll <> ?", {4, QStringLiteral(" 12")}),
              QStringList{"Cash"});
    EXPECT_EQ(value("Select Top 1 NamHesab From Koll Where Koll = ? Order By Koll", {QStringLiteral(" 12")}),
              "Bank");
    // Trailing blanks count neither beside a column nor beside a literal; a value too long finds nothing.
    EXPECT_EQ(value("Select Count(*) From Koll Where Koll In (?, ?) And ? = 'BANK'",
                    {QStringLiteral("far too long"), QStringLiteral(" 11  "), QStringLiteral("bank  ")}),
              "1");
    // Placeholders count through the whole text, whatever statement holds them.
    db->execute("Update Koll Set Qty = ? Where Koll = ' 11'; Update Koll Set Qty = ? Where Koll = ' 12'",
                {1, 2});
    EXPECT_EQ(rows("Select Qty From Koll Where Qty Is Not Null Order By Koll"), QStringList({"1", "2"}));
}
