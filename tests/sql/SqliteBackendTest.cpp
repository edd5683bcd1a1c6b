#include "SqliteBackend.h"
#include "EDatabaseError.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvand;
using namespace tarvand::sql;

namespace {

class SqliteBackendTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString file() const { return dir.filePath(QStringLiteral("company.db")); }
};

QString text(const ResultCursor& cursor, int column) {
    const std::string_view view = cursor.cellText(column);
    return QString::fromUtf8(view.data(), qsizetype(view.size()));
}

} // namespace

TEST_F(SqliteBackendTest, CreatesTheFileAndReadsRowsBack) {
    SqliteBackend db(file());
    db.execute("Create Table T (Code varchar(10), Qty int, Price float)");
    EXPECT_EQ(db.execute("Insert Into T Values ('a', 1, 2.5)"), 1);
    EXPECT_EQ(db.execute("Insert Into T Values (?, ?, ?)", {QStringLiteral("ب"), 2, 3.5}), 1);
    auto cursor = db.query("Select Code, Qty, Price From T Order By Qty");
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(text(*cursor, 0), "a");
    EXPECT_EQ(cursor->cellInt(1), 1);
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(text(*cursor, 0), QStringLiteral("ب"));
    EXPECT_DOUBLE_EQ(cursor->cellFloat(2), 3.5);
    EXPECT_FALSE(cursor->next());
    EXPECT_TRUE(QFile::exists(file()));
}

TEST_F(SqliteBackendTest, ReportsDeclaredSizesAndBaseColumnsOnAnEmptyTable) {
    SqliteBackend db(file());
    db.execute("Create Table T (Code varchar(10) Not Null, Qty int)");
    auto cursor = db.query("Select Code As sField, Qty, Qty + 1 From T");
    ASSERT_EQ(cursor->columns().size(), 3);
    const ColumnInfo& code = cursor->columns()[0];
    EXPECT_EQ(code.name, "sField");
    EXPECT_EQ(code.size, 10);
    EXPECT_EQ(code.kind, ColumnKind::Text);
    EXPECT_EQ(code.baseTable, "T");
    EXPECT_EQ(code.baseColumn, "Code");
    EXPECT_TRUE(code.notNull);
    EXPECT_EQ(cursor->columns()[1].size, 0);
    EXPECT_EQ(cursor->columns()[1].kind, ColumnKind::Integer);
    EXPECT_TRUE(cursor->columns()[2].baseTable.isEmpty());
    EXPECT_FALSE(cursor->next());
}

TEST_F(SqliteBackendTest,
       KeyColumnsFallBackFromPrimaryKeyToUniqueIndexAndExpressionColumnsTakeTheirKindFromTheFirstRow) {
    SqliteBackend db(file());
    db.execute("Create Table Keyed (a Varchar(3) Not Null, b Int, Constraint PK_Keyed Primary Key (a))");
    db.execute("Create Table Indexed (a Varchar(3), b Int)");
    db.execute("Create Unique Index IX_Indexed On Indexed(b, a)");
    db.execute("Create Table Loose (a Varchar(3))");
    EXPECT_EQ(db.keyColumns("Keyed"), QStringList{"a"});
    EXPECT_EQ(db.keyColumns("dbo.[Keyed]"), QStringList{"a"});
    EXPECT_EQ(db.keyColumns("Indexed"), QStringList({"b", "a"}));
    EXPECT_TRUE(db.keyColumns("Loose").isEmpty());
    EXPECT_TRUE(db.keyColumns("Missing").isEmpty());
    EXPECT_TRUE(db.tableColumns("Missing").isEmpty());
    auto cursor = db.query("Select 1 + 1 As i, 'a' + 'b' As t, 1.5 * 2 As f, Null As n");
    ASSERT_EQ(cursor->columns().size(), 4);
    EXPECT_EQ(cursor->columns()[0].kind, ColumnKind::Integer);
    EXPECT_EQ(cursor->columns()[1].kind, ColumnKind::Text);
    EXPECT_EQ(cursor->columns()[2].kind, ColumnKind::Float);
    EXPECT_EQ(cursor->columns()[3].kind, ColumnKind::Unknown);
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(cursor->cellKind(3), ColumnKind::Unknown);
    EXPECT_EQ(text(*cursor, 0), "2");
}

TEST_F(SqliteBackendTest, ExecuteCountsChangedRowsAndStatementsWithoutRowsGiveAnEmptyCursor) {
    SqliteBackend db(file());
    EXPECT_EQ(db.execute("Create Table T (a Int)"), 0);
    EXPECT_EQ(db.execute("Insert Into T Values (1), (2), (3)"), 3);
    EXPECT_EQ(db.execute("Update T Set a = a + 1 Where a > 1"), 2);
    EXPECT_EQ(db.execute("Delete From T Where a = 1; Delete From T"), 3);
    EXPECT_EQ(db.execute("Select * From T"), 0);
    auto cursor = db.query("Create Table U (a Int)");
    EXPECT_TRUE(cursor->columns().isEmpty());
    EXPECT_FALSE(cursor->next());
    EXPECT_FALSE(db.query("")->next());
    EXPECT_FALSE(db.query("-- nothing but a comment")->next());
    EXPECT_THROW(db.query("Select * From Missing"), EDatabaseError);
    EXPECT_THROW(db.execute("Insert Into Missing Values (1)"), EDatabaseError);
    EXPECT_THROW(SqliteBackend(dir.filePath("missing/folder/company.db")), EDatabaseError);
}

TEST_F(SqliteBackendTest, ACursorOutlivesItsBackendAndAFinishedOneDoesNotHoldItsTable) {
    auto db = std::make_unique<SqliteBackend>(file());
    db->execute("Create Table T (a Int)");
    db->execute("Insert Into T Values (1), (2)");
    auto finished = db->query("Select a From T");
    while (finished->next()) {
    }
    EXPECT_EQ(db->execute("Drop Table T; Create Table T (a Int); Insert Into T Values (7)"), 1);
    auto open = db->query("Select a From T");
    db.reset();
    ASSERT_TRUE(open->next());
    EXPECT_EQ(open->cellInt(0), 7);
    EXPECT_FALSE(open->next());
}

TEST_F(SqliteBackendTest, RollbackForgetsRowsAndConstraintsOfTheTransaction) {
    SqliteBackend db(file());
    db.execute("Create Table T (a Varchar(3) Not Null)");
    db.beginTransaction();
    db.execute("Insert Into T Values ('a')");
    db.execute("Alter Table T Add Constraint PK_T Primary Key (a)");
    EXPECT_EQ(db.keyColumns("T"), QStringList{"a"});
    db.rollback();
    EXPECT_FALSE(db.query("Select * From T")->next());
    EXPECT_TRUE(db.keyColumns("T").isEmpty());
    EXPECT_TRUE(db.query("Select Name From SysIndexes Where Name = 'PK_T'")->next() == false);
    db.beginTransaction();
    db.execute("Alter Table T Add Constraint PK_T Primary Key (a)");
    db.commit();
    EXPECT_EQ(db.keyColumns("T"), QStringList{"a"});
}

TEST_F(SqliteBackendTest, ProcedureResultsCarryColumnMetadata) {
    SqliteBackend db(file());
    db.execute("Create Table T (Code Varchar(7) Not Null, Constraint PK_T Primary Key (Code))");
    db.execute("Insert Into T Values ('a')");
    db.execute("Create Procedure sp_T As Select Code From T");
    auto cursor = db.query("sp_T");
    ASSERT_EQ(cursor->columns().size(), 1);
    EXPECT_EQ(cursor->columns()[0].size, 7);
    EXPECT_EQ(cursor->columns()[0].baseTable, "T");
    EXPECT_TRUE(cursor->columns()[0].primaryKey);
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(text(*cursor, 0), "a");
    EXPECT_FALSE(cursor->next());
}
