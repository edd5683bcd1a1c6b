#include "BridgeFixture.h"

using namespace tarvand::sql;
using namespace tarvand::sql::test;

namespace {

class BridgeTempTableTest : public BridgeFixture {
protected:
    void SetUp() override {
        db->execute("Create Table Person (Code Varchar(5) Not Null, Name Varchar(30), Family Varchar(40), "
                    "Constraint PK_Person Primary Key (Code))");
        db->execute("Insert Into Person Values ('  102', 'Maryam', 'Ahmadi')");
        db->execute("Insert Into Person Values ('  101', 'Ali', 'Rezaei')");
        db->execute("Insert Into Person Values ('   12', 'Parviz', 'Akbari')");
    }
};

using BridgeTempTableTestPg = OnEachBackend<BridgeTempTableTest>;
} // namespace

TEST_P(BridgeTempTableTestPg, SelectIntoKeepsDeclaredTypesAndIsSharedByEveryCursor) {
    db->execute(
        "Select Code As PersonelCod, [Name]+' '+Family As PersonelNam, ' ' As sSelect, "
        "Cast('1403/05/01' As Varchar(10)) As CurDate, Cast(0 As Float) As FeeSales Into ##T1 From Person ");
    const QList<ColumnInfo> columns = db->tableColumns("##T1");
    ASSERT_EQ(columns.size(), 5);
    EXPECT_EQ(columns[0].size, 5);
    EXPECT_EQ(columns[0].kind, ColumnKind::Text);
    EXPECT_EQ(columns[1].kind, ColumnKind::Text);
    EXPECT_EQ(columns[2].size, 1);
    EXPECT_EQ(columns[3].size, 10);
    EXPECT_EQ(columns[4].kind, ColumnKind::Float);
    auto first = db->query("Select * From ##T1 Order By PersonelCod ");
    auto second = db->query("Select PersonelNam From ##T1 Where PersonelCod = '  101'");
    ASSERT_TRUE(first->next());
    EXPECT_EQ(cell(*first, 1), "Parviz Akbari");
    ASSERT_TRUE(second->next());
    EXPECT_EQ(cell(*second, 0), "Ali Rezaei");
    EXPECT_EQ(error("Select Code Into ##T1 From Person"),
              "There is already an object named '##T1' in the database.");
    EXPECT_EQ(
        error("Select Code, Name + Family Into ##T9 From Person"),
        "An object or column name is missing or empty. For SELECT INTO statements, verify each column has a "
        "name.");
}

TEST_P(BridgeTempTableTestPg,
       TempTablesAreListedInTempdbAndDroppedByTheGuardedDropAndIdentityNumbersRowsInBothSpellings) {
    db->execute("Select Code Into ##ABC4512345 From Person");
    EXPECT_EQ(rows("Select [Name] From Tempdb..SysObjects"), QStringList{"##ABC4512345"});
    db->execute("If Exists(Select [Name] From Tempdb..SysObjects Where [Name] Like '%ABC4512345') Drop Table "
                "##ABC4512345");
    EXPECT_TRUE(rows("Select [Name] From Tempdb..SysObjects Where [Name] Like '%ABC4512345'").isEmpty());
    EXPECT_EQ(
        db->execute("If Exists(Select [Name] From Tempdb..SysObjects Where [Name] Like '%ABC4512345') Drop "
                    "Table ##ABC4512345"),
        0);
    db->execute(
        "Select Code, IDX = Identity(Int, 1, 1) Into ##T2 From (Select Top 10 Code From Person Order By "
        "Code) As P");
    EXPECT_EQ(rows("Select Code, IDX From ##T2 Order By IDX"),
              QStringList({"   12|1", "  101|2", "  102|3"}));
    db->execute("Select Identity(int,1,1) as idx,Code As KalaCode Into ##T3_Temp From Person");
    EXPECT_EQ(value("Select Max(idx) From ##T3_Temp"), "3");
    const QList<ColumnInfo> columns = db->tableColumns("##T3_Temp");
    EXPECT_EQ(columns[0].name, "idx");
    EXPECT_EQ(columns[0].kind, ColumnKind::Integer);
    EXPECT_EQ(columns[1].name, "KalaCode");
}

TEST_P(BridgeTempTableTestPg, ABatchRunsItsStatementsInOrderAndTempTablesVanishWithTheConnection) {
    auto cursor = db->query("Select Code Into ##B From Person Where Code <> '   12';\n"
                            "Delete From ##B Where Code = '  101'\n"
                            "Select Code From ##B");
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(cell(*cursor, 0), "  102");
    EXPECT_FALSE(cursor->next());
    db->execute("Select Code Into ##Gone From Person");
    EXPECT_EQ(value("Select Count(*) From [##Gone]"), "3");
    open();
    EXPECT_EQ(error("Select * From [##Gone]"), "Invalid object name '##Gone'.");
    EXPECT_EQ(value("Select Count(*) From Person"), "3");
}

TARVAND_ON_EACH_BACKEND(BridgeTempTableTestPg);
