#include "BridgeFixture.h"

using namespace tarvand::sql;
using namespace tarvand::sql::test;

namespace {

class BridgeProcedureTest : public BridgeFixture {
protected:
    BridgeProcedureTest() {
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

TEST_F(BridgeProcedureTest, NameTestEvaluatesTheColumnExpressionGivenAsText) {
    EXPECT_EQ(rows("sp_Is_Name_Repeated 'Person', 'Name+Family', 'AliRezaei'").size(), 1);
    EXPECT_TRUE(rows("sp_Is_Name_Repeated 'Person', 'Name+Family', 'AliAkbari'").isEmpty());
    EXPECT_EQ(
        rows("sp_Is_Name_Repeated 'D_Sakhtar', 'Cast(SakhtarCod As Varchar(20))+SakhtarNam', '  1Colour'")
            .size(),
        1);
    EXPECT_EQ(rows("Exec sp_Is_Name_Repeated 'Person', 'Name', 'ali'").size(), 1);
}

TEST_F(BridgeProcedureTest, QuotesInArgumentsCannotBreakTheDynamicStatement) {
    EXPECT_EQ(rows("sp_Is_Name_Repeated 'Person', 'Name+Family', 'O''NeilSmith'").size(), 1);
    EXPECT_TRUE(rows("sp_Is_Name_Repeated 'Person', 'Name', 'x'' Or ''1''=''1'").isEmpty());
}

TEST_F(BridgeProcedureTest, DependencyCountIsTheFirstColumnOfTheFirstRow) {
    auto cursor = db->query("sp_Depended_Person '101'");
    ASSERT_EQ(cursor->columns().size(), 1);
    EXPECT_EQ(cursor->columns()[0].name, "UsedCount");
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(cursor->cellInt(0), 1);
    EXPECT_EQ(value("sp_Depended_Person '999'"), "0");
    EXPECT_EQ(value("Execute sp_Depended_Person @Code = '  102'"), "1");
}

TEST_F(BridgeProcedureTest, ProceduresPersistInTheDatabaseFile) {
    open();
    EXPECT_EQ(value("sp_Depended_Person '101'"), "1");
}

TEST_F(BridgeProcedureTest, VariablesConditionsAndTheLastResultSet) {
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
    EXPECT_EQ(rows("sp_Classify '10'"), QStringList{"many|10"});
    EXPECT_EQ(rows("sp_Classify '101'"), QStringList{"one|101"});
    EXPECT_EQ(rows("sp_Classify '9', 5"), QStringList{"none|9"});
    // A varchar(3) parameter keeps three characters, as on the server.
    EXPECT_EQ(rows("sp_Classify '10123'"), QStringList{"one|101"});
}

TEST_F(BridgeProcedureTest, CallErrorsNameTheProblem) {
    EXPECT_EQ(error("sp_Missing 'x'"), "Could not find stored procedure 'sp_Missing'.");
    EXPECT_EQ(
        error("sp_Depended_Person"),
        "Procedure or function 'sp_Depended_Person' expects parameter '@Code', which was not supplied.");
    EXPECT_EQ(error("sp_Depended_Person 'a', 'b'"),
              "Procedure or function sp_Depended_Person has too many arguments specified.");
    EXPECT_EQ(error("Create Procedure sp_Depended_Person @X Int As Select 1"),
              "There is already an object named 'sp_Depended_Person' in the database.");
    EXPECT_EQ(error("Declare @a Int Set @b = 1"), "Must declare the scalar variable \"@b\".");
}

TEST_F(BridgeProcedureTest, AlterAndDropProcedure) {
    db->execute("Alter Procedure sp_Depended_Person @Code Varchar(20) As Select -1 As UsedCount");
    EXPECT_EQ(value("sp_Depended_Person '101'"), "-1");
    db->execute("Drop Procedure sp_Depended_Person");
    EXPECT_EQ(error("sp_Depended_Person '101'"), "Could not find stored procedure 'sp_Depended_Person'.");
}

TEST_F(BridgeProcedureTest, ScriptsWithGoLinesCreateSeveralProcedures) {
    db->execute("Create Procedure sp_A As Select 'a'\nGO\nCreate Procedure sp_B As\nSelect 'b'\n  go\n");
    EXPECT_EQ(value("sp_A"), "a");
    EXPECT_EQ(value("sp_B"), "b");
}

TEST_F(BridgeProcedureTest, LoopsReturnAndAssignmentFromTheLastRow) {
    db->execute("Create Procedure sp_Sum @Upto Int As\n"
                "Declare @i Int, @total Int, @last Varchar(5)\n"
                "Select @i = 1, @total = 0\n"
                "While @i <= @Upto Begin Set @total = @total + @i Set @i = @i + 1 End\n"
                "Select @last = Code From Person Order By Code\n"
                "If @total > 100 Return\n"
                "Select @total As Total, @last As LastCode");
    EXPECT_EQ(rows("sp_Sum 4"), QStringList{"10|  102"});
    EXPECT_TRUE(rows("sp_Sum 20").isEmpty());
}

TEST_F(BridgeProcedureTest, ProceduresCallProceduresAndTheInnerRowsComeBack) {
    db->execute("Create Procedure sp_Outer @Code Varchar(20) As Exec sp_Depended_Person @Code");
    EXPECT_EQ(value("sp_Outer '101'"), "1");
    db->execute("Create Procedure sp_Forever As Exec sp_Forever");
    EXPECT_EQ(error("sp_Forever"),
              "Maximum stored procedure, function, trigger, or view nesting level exceeded (limit 32).");
}

TEST_F(BridgeProcedureTest, DynamicSqlRunsInAScopeOfItsOwn) {
    db->execute("Create Procedure sp_Scope As Declare @x Int Set @x = 1 Exec('Select @x')");
    EXPECT_EQ(error("sp_Scope"), "Must declare the scalar variable \"@x\".");
    db->execute(
        "Create Procedure sp_Write @Name Varchar(30) As\n"
        "Declare @sql Varchar(200)\n"
        "Set @sql = 'Insert Into Person Values (''  103'', ''' + Replace(@Name, '''', '''''') + ''', '''')'\n"
        "Exec(@sql)");
    db->execute("sp_Write 'D''Arcy'");
    EXPECT_EQ(value("Select Name From Person Where Code = '  103'"), "D'Arcy");
}

TEST_F(BridgeProcedureTest, VariablesTakeTheirDeclaredTypes) {
    auto cursor = db->query("Declare @s Varchar(3), @i Int, @f Float\n"
                            "Set @s = 'abcdef' Set @i = '42' Set @f = 1\n"
                            "Select @s, @i + 1, @f / 2");
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(cell(*cursor, 0), "abc");
    EXPECT_EQ(cell(*cursor, 1), "43");
    EXPECT_EQ(cell(*cursor, 2), "0.5");
    EXPECT_EQ(error("Declare @i Int Set @i = 'x'"),
              "Conversion failed when converting the varchar value 'x' to data type int.");
    EXPECT_EQ(error("Declare @a Int Declare @A Int"), "The variable name '@A' has already been declared. "
                                                      "Variable names must be unique within a query batch "
                                                      "or stored procedure.");
}

TEST_F(BridgeProcedureTest, ArgumentsMayComeFromPlaceholders) {
    EXPECT_EQ(value("sp_Depended_Person ?", {QStringLiteral("101")}), "1");
    EXPECT_EQ(rows("sp_Is_Name_Repeated ?, ?, ?", {"Person", "Name", QStringLiteral("O'Neil")}).size(), 1);
}
