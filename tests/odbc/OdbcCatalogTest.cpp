#include "OdbcTestDatabase.h"

using namespace tarvand;
using namespace tarvand::sql;

namespace {

class OdbcCatalogTest : public OdbcTestDatabase {};

} // namespace

TEST_F(OdbcCatalogTest, TableColumnsFollowTheDeclarationAndAMissingTableHasNone) {
    db->execute("Create Table D_Makan (MakanCod varchar(10) Not Null Primary Key, MakanNam varchar(40), "
                "Sath int, Mablagh float)");
    const QList<ColumnInfo> columns = db->tableColumns("D_Makan");
    ASSERT_EQ(columns.size(), 4);
    EXPECT_EQ(columns[0].name, "MakanCod");
    EXPECT_EQ(columns[0].kind, ColumnKind::Text);
    EXPECT_EQ(columns[0].size, 10);
    EXPECT_EQ(columns[0].declaredType, "varchar(10)");
    EXPECT_EQ(columns[0].baseTable, "D_Makan");
    EXPECT_EQ(columns[0].baseColumn, "MakanCod");
    EXPECT_TRUE(columns[0].notNull);
    EXPECT_TRUE(columns[0].primaryKey);
    EXPECT_EQ(columns[1].name, "MakanNam");
    EXPECT_EQ(columns[1].size, 40);
    EXPECT_FALSE(columns[1].notNull);
    EXPECT_FALSE(columns[1].primaryKey);
    EXPECT_EQ(columns[2].kind, ColumnKind::Integer);
    EXPECT_EQ(columns[2].size, 0);
    EXPECT_EQ(columns[3].kind, ColumnKind::Float);
    EXPECT_TRUE(db->tableColumns("Missing").isEmpty());
    EXPECT_TRUE(db->keyColumns("Missing").isEmpty());
}

TEST_F(OdbcCatalogTest, UnderscoresInTableNamesAreNotWildcards) {
    db->execute("Create Table DxMakan (Other int)");
    db->execute("Create Table D_Makan (MakanCod varchar(10))");
    const QList<ColumnInfo> columns = db->tableColumns("D_Makan");
    ASSERT_EQ(columns.size(), 1);
    EXPECT_EQ(columns[0].name, "MakanCod");
    EXPECT_EQ(db->tableColumns("D%").size(), 0);
}

TEST_F(OdbcCatalogTest, KeyColumnsComeFromThePrimaryKeyOrElseAUniqueIndexOrAreNone) {
    db->execute("Create Table D_Sakhtar (SakhtarCod varchar(10), SakhtarRaj int, SakhtarNam varchar(40), "
                "Constraint PK_D_Sakhtar Primary Key (SakhtarCod, SakhtarRaj))");
    EXPECT_EQ(db->keyColumns("D_Sakhtar"), QStringList({"SakhtarCod", "SakhtarRaj"}));
    EXPECT_EQ(db->keyColumns("[D_Sakhtar]"), QStringList({"SakhtarCod", "SakhtarRaj"}));
    db->execute("Create Table Tafsily (TafCod varchar(10), GrohCod varchar(5), TafNam varchar(40))");
    db->execute("Create Index IX_Tafsily_Nam On Tafsily (TafNam)");
    db->execute("Create Unique Index UX_Tafsily On Tafsily (GrohCod, TafCod)");
    EXPECT_EQ(db->keyColumns("Tafsily"), QStringList({"GrohCod", "TafCod"}));
    const QList<ColumnInfo> columns = db->tableColumns("Tafsily");
    ASSERT_EQ(columns.size(), 3);
    EXPECT_TRUE(columns[0].primaryKey);
    EXPECT_TRUE(columns[1].primaryKey);
    EXPECT_FALSE(columns[2].primaryKey);
    db->execute("Create Table Grid_State (FormName varchar(40), State text)");
    db->execute("Create Index IX_Grid_State On Grid_State (FormName)");
    EXPECT_TRUE(db->keyColumns("Grid_State").isEmpty());
}
