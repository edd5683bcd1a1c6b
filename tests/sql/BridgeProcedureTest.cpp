#include "BridgeFixture.h"

using namespace tarvand::sql;
using namespace tarvand::sql::test;

namespace {

// A statement and the rows it gives (cells joined by '|'), or the message of its error; Done: the
// statement runs without an error. Steps run in order on one database.
struct Step {
    QString statement;
    QStringList rows;
    QString error = {};
};

const QStringList Done = {"<done>"};
const QString Missing = "Could not find stored procedure 'sp_Depended_Person'.";

// clang-format off
const QList<Step> Steps = {
    // The name test evaluates the column expression given as text; quotes cannot break it.
    {"sp_Is_Name_Repeated 'Person', 'Name+Family', 'AliRezaei'", {"1"}},
    {"sp_Is_Name_Repeated 'Person', 'Name+Family', 'AliAkbari'", {}},
    {"sp_Is_Name_Repeated 'D_Sakhtar', 'Cast(SakhtarCod As Varchar(20))+SakhtarNam', '  1Colour'", {"1"}},
    {"Exec sp_Is_Name_Repeated 'Person', 'Name', 'ali'", {"1"}},
    {"sp_Is_Name_Repeated 'Person', 'Name+Family', 'O''NeilSmith'", {"1"}},
    {"sp_Is_Name_Repeated 'Person', 'Name', 'x'' Or ''1''=''1'", {}},
    {"sp_Depended_Person '999'", {"0"}}, {"Execute sp_Depended_Person @Code = '  102'", {"1"}},
    // Variables, conditions and the last result set; a varchar(3) parameter keeps three characters.
    {"sp_Classify '10'", {"many|10"}}, {"sp_Classify '101'", {"one|101"}}, {"sp_Classify '9', 5", {"none|9"}},
    {"sp_Classify '10123'", {"one|101"}},
    // Loops, Return, and assignment from the last row.
    {"sp_Sum 4", {"10|  102"}}, {"sp_Sum 20", {}},
    {"sp_A", {"a"}}, {"sp_B", {"b"}}, {"sp_Outer '101'", {"1"}},
    {"sp_Forever", {}, "Maximum stored procedure, function, trigger, or view nesting level exceeded (limit 32)."},
    // Dynamic SQL runs in a scope of its own.
    {"sp_Scope", {}, "Must declare the scalar variable \"@x\"."},
    {"sp_Write 'D''Arcy'", Done}, {"Select Name From Person Where Code = '  103'", {"D'Arcy"}},
    {"Declare @s Varchar(3), @i Int, @f Float Set @s = 'abcdef' Set @i = '42' Set @f = 1 Select @s, @i + 1, @f / 2",
     {"abc|43|0.5"}},
    {"Declare @i Int Set @i = 'x'", {}, "Conversion failed when converting the varchar value 'x' to data type int."},
    {"Declare @a Int Declare @A Int", {}, "The variable name '@A' has already been declared. Variable names must "
     "be unique within a query batch or stored procedure."},
    {"sp_Missing 'x'", {}, "Could not find stored procedure 'sp_Missing'."},
    {"sp_Depended_Person", {},
     "Procedure or function 'sp_Depended_Person' expects parameter '@Code', which was not supplied."},
    {"sp_Depended_Person 'a', 'b'", {}, "Procedure or function sp_Depended_Person has too many arguments specified."},
    {"Create Procedure sp_Depended_Person @X Int As Select 1", {},
     "There is already an object named 'sp_Depended_Person' in the database."},
    {"Declare @a Int Set @b = 1", {}, "Must declare the scalar variable \"@b\"."},
    {"Alter Procedure sp_Depended_Person @Code Varchar(20) As Select -1 As UsedCount", Done},
    {"sp_Depended_Person '101'", {"-1"}}, {"sp_Outer '101'", {"-1"}},
    {"Drop Procedure sp_Depended_Person", Done}, {"sp_Depended_Person '101'", {}, Missing},
};
// clang-format on

class BridgeProcedureTest : public BridgeFixture {
protected:
    void SetUp() override {
        db->execute("Create Table Person (Code Varchar(5) Not Null, Name Varchar(30), Family Varchar(40))");
        db->execute("Insert Into Person Values ('  101', 'Ali', 'Rezaei')");
        db->execute("Insert Into Person Values ('  102', 'O''Neil', 'Smith')");
        db->execute("Create Table D_Sakhtar (SakhtarCod Varchar(3), SakhtarNam Varchar(100))");
        db->execute("Insert Into D_Sakhtar Values ('  1', 'Colour')");
        db->execute(
            "Create Procedure sp_Is_Name_Repeated\n"
            "    @Table    Varchar(128),\n"
            "    @NameExpr Varchar(1000),\n"
            "    @Value    Varchar(1000)\n"
            "As\n"
            "Exec('Select 1 From ' + @Table + ' Where ' + @NameExpr + ' = ''' + Replace(@Value, '''', "
            "'''''') + '''')");
        db->execute("Create Procedure sp_Depended_Person @Code Varchar(20) As\n"
                    "Select (Select Count(*) From Person Where LTrim(RTrim(Code)) = LTrim(RTrim(@Code))) As "
                    "UsedCount");
    }
};

} // namespace

using BridgeProcedureTestOnEachBackend = OnEachBackend<BridgeProcedureTest>;
TARVAND_ON_EACH_BACKEND(BridgeProcedureTestOnEachBackend);

TEST_P(BridgeProcedureTestOnEachBackend, ProcedureCallsGiveTheServersResultsOrErrors) {
    db->execute(
        "Create Procedure sp_Classify @Code Varchar(3), @Limit Int = 1 As\n"
        "Begin\n"
        "  Set NoCount On\n"
        "  Declare @n Int, @label Varchar(5)\n"
        "  Select @n = Count(*) From Person Where Code Like '%' + @Code + '%'\n"
        "  If @n > @Limit Set @label = 'many' Else If @n = 0 Set @label = 'none' Else Set @label = 'one'\n"
        "  Select @n As Hits\n"
        "  Select @label As Label, @Code As Code\n"
        "End");
    db->execute("Create Procedure sp_Sum @Upto Int As\n"
                "Declare @i Int, @total Int, @last Varchar(5)\n"
                "Select @i = 1, @total = 0\n"
                "While @i <= @Upto Begin Set @total = @total + @i Set @i = @i + 1 End\n"
                "Select @last = Code From Person Order By Code\n"
                "If @total > 100 Return\n"
                "Select @total As Total, @last As LastCode");
    // A script with GO lines creates several procedures.
    db->execute("Create Procedure sp_A As Select 'a'\nGO\nCreate Procedure sp_B As\nSelect 'b'\n  go\n");
    db->execute("Create Procedure sp_Outer @Code Varchar(20) As Exec sp_Depended_Person @Code");
    db->execute("Create Procedure sp_Forever As Exec sp_Forever");
    db->execute("Create Procedure sp_Scope As Declare @x Int Set @x = 1 Exec('Select @x')");
    db->execute(
        "Create Procedure sp_Write @Name Varchar(30) As\n"
        "Declare @sql Varchar(200)\n"
        "Set @sql = 'Insert Into Person Values (''  103'', ''' + Replace(@Name, '''', '''''') + ''', '''')'\n"
        "Exec(@sql)");
    for (const Step& step : Steps) {
        SCOPED_TRACE(step.statement.toStdString());
        if (!step.error.isEmpty()) {
            EXPECT_EQ(error(step.statement), step.error);
        } else if (step.rows == Done) {
            EXPECT_EQ(error(step.statement), QString());
        } else {
            EXPECT_EQ(rows(step.statement), step.rows);
        }
    }
}

TEST_P(BridgeProcedureTestOnEachBackend, TheDependencyCountIsNamedPersistsAndTakesPlaceholders) {
    auto cursor = db->query("sp_Depended_Person '101'");
    ASSERT_EQ(cursor->columns().size(), 1);
    EXPECT_EQ(cursor->columns()[0].name, "UsedCount");
    cursor.reset();
    open();
    EXPECT_EQ(value("sp_Depended_Person ?", {QStringLiteral("101")}), "1");
    EXPECT_EQ(rows("sp_Is_Name_Repeated ?, ?, ?", {"Person", "Name", QStringLiteral("O'Neil")}).size(), 1);
}
