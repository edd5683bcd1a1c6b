#include "BridgeFixture.h"
#include "PgConnection.h"

using namespace tarvand::sql;
using namespace tarvand::sql::test;

namespace {

class BridgeSchemaTest : public BridgeFixture {
protected:
    void createLegacyTable() {
        // A table as an older installation left it: no key, a nullable code column.
        db->execute(
            "Create Table D_Gheimat (GheimatCod Varchar(3) Null, GheimatNam Varchar(100) Null Default '')\n"
            "Create Index IX_Gheimat_Nam On D_Gheimat(GheimatNam)");
        db->execute("Insert Into D_Gheimat (GheimatCod, GheimatNam) Values ('  1', 'Purchase')");
        db->execute("Insert Into D_Gheimat (GheimatCod, GheimatNam) Values ('  2', 'Customs')");
    }
};

using BridgeSchemaTestPg = OnEachBackend<BridgeSchemaTest>;
} // namespace

TEST_P(BridgeSchemaTestPg,
       CreateTableKeepsTypesDefaultsIdentityAndNamedKeysAndEveryColumnTypeItsKindAndSize) {
    db->execute(
        "Create Table D_Sakhtar (SakhtarCod Varchar(3) Not Null, SakhtarRaj Int Not Null, "
        "SakhtarNam Varchar(100) Null Default '', Price Decimal(19,0) Null Default 0, "
        "IDX Int Identity(1, 1) Not Null, Constraint PK_D_Sakhtar Primary Key (SakhtarCod, SakhtarRaj))");
    db->execute("Insert Into D_Sakhtar (SakhtarCod, SakhtarRaj) Values ('  1', 1)");
    db->execute("Insert Into D_Sakhtar (SakhtarCod, SakhtarRaj, SakhtarNam) Values ('  1', 2, 'Colour')");
    EXPECT_EQ(rows("Select SakhtarCod, SakhtarRaj, SakhtarNam, Price, IDX From D_Sakhtar Order By IDX"),
              QStringList({"  1|1||0|1", "  1|2|Colour|0|2"}));
    EXPECT_EQ(db->keyColumns("D_Sakhtar"), QStringList({"SakhtarCod", "SakhtarRaj"}));
    const QList<ColumnInfo> columns = db->tableColumns("D_Sakhtar");
    ASSERT_EQ(columns.size(), 5);
    EXPECT_EQ(columns[0].size, 3);
    EXPECT_TRUE(columns[0].primaryKey);
    EXPECT_TRUE(columns[1].primaryKey);
    EXPECT_EQ(columns[1].kind, ColumnKind::Integer);
    EXPECT_EQ(columns[3].kind, ColumnKind::Float);
    EXPECT_FALSE(columns[4].primaryKey);
    EXPECT_TRUE(columns[4].autoIncrement);
    EXPECT_EQ(db->execute("Insert Into D_Sakhtar (SakhtarCod, SakhtarRaj) Values ('  2', 1)"), 1);
    db->execute("Create Table Kinds (a Int, b SmallInt, c Bit, d Float, e Real, f Decimal(19, 2), g Money, "
                "h Varchar(10), i Char(6), j NVarchar(12), k Text, l DateTime)");
    const QList<ColumnInfo> kinds = db->tableColumns("Kinds");
    ASSERT_EQ(kinds.size(), 12);
    const QList<ColumnKind> expected = {ColumnKind::Integer, ColumnKind::Integer, ColumnKind::Integer,
                                        ColumnKind::Float,   ColumnKind::Float,   ColumnKind::Float,
                                        ColumnKind::Float,   ColumnKind::Text,    ColumnKind::Text,
                                        ColumnKind::Text,    ColumnKind::Text,    ColumnKind::Text};
    const QList<int> sizes = {0, 0, 0, 0, 0, 0, 0, 10, 6, 12, 0, 0};
    for (int i = 0; i < kinds.size(); ++i) {
        EXPECT_EQ(kinds[i].kind, expected[i]) << kinds[i].name.toStdString();
        EXPECT_EQ(kinds[i].size, sizes[i]) << kinds[i].name.toStdString();
    }
    db->execute("Insert Into Kinds (a, d, f, g, h, k) Values ('12', '1.5', 2.345, 3, 'abc', 'long text')");
    EXPECT_EQ(rows("Select a + 1, d * 2, h From Kinds"), QStringList{"13|3|abc"});
}

TEST_P(BridgeSchemaTestPg,
       DuplicateKeysAndMissingValuesFailInTheServersWordsAndCharacterKeysCompareAsTheServers) {
    db->execute("Create Table D_Makan (MakanCod Varchar(3) Not Null, MakanNam Varchar(100) Not Null, "
                "Constraint PK_D_Makan Primary Key (MakanCod))");
    db->execute("Insert Into D_Makan Values ('  1', 'Store')");
    EXPECT_EQ(error("Insert Into D_Makan Values ('  1', 'Other')"),
              "Violation of PRIMARY KEY constraint 'PK_D_Makan'. Cannot insert duplicate key in object "
              "'dbo.D_Makan'.");
    // The key compares as SQL Server compares: case and trailing blanks do not count.
    db->execute("Insert Into D_Makan Values ('  a', 'Lower')");
    EXPECT_FALSE(error("Insert Into D_Makan Values ('  A ', 'Upper')").isEmpty());
    db->execute("Create Table Codes (Code Varchar(5) Not Null, Constraint PK_Codes Primary Key (Code))");
    db->execute("Insert Into Codes Values ('ab')");
    db->execute("Insert Into Codes Values ('Ab1')");
    db->execute("Insert Into Codes Values ('b')");
    EXPECT_EQ(rows("Select Code From Codes Order By Code"), QStringList({"ab", "Ab1", "b"}));
    EXPECT_EQ(
        rows("Select Upper(Code) From Codes Where Code In ('AB ', 'B') Group By Upper(Code) Order By 1"),
        QStringList({"AB", "B"}));
    EXPECT_EQ(
        error("Insert Into D_Makan (MakanCod) Values ('  2')"),
        "Cannot insert the value NULL into column 'MakanNam', table 'D_Makan'; column does not allow nulls.");
    EXPECT_EQ(error("Insert Into D_Makan Values ('   12', 'Too long')"),
              "String or binary data would be truncated.");
    EXPECT_EQ(error("Update D_Makan Set MakanCod = '  1' Where MakanNam = 'Lower'"),
              "Violation of PRIMARY KEY constraint 'PK_D_Makan'. Cannot insert duplicate key in object "
              "'dbo.D_Makan'.");
}

TEST_P(BridgeSchemaTestPg, SysIndexesListsConstraintsAndIndexesOfEveryTable) {
    db->execute("Create Table A (Code Varchar(3) Not Null Constraint PK_A Primary Key, Nam Varchar(10))");
    db->execute("Create Table B (Code Int Not Null, Constraint PK_B Primary Key (Code))");
    db->execute("Create Index IX_A_Nam On A(Nam)");
    EXPECT_EQ(rows("Select Name From SysIndexes Where Upper(Name) = 'PK_B'"), QStringList{"PK_B"});
    EXPECT_EQ(rows("Select Name From SysIndexes Where Upper(Name) = 'PK_A'"), QStringList{"PK_A"});
    EXPECT_EQ(rows("Select Name From SysIndexes Where Upper(Name) = 'IX_A_NAM'"), QStringList{"IX_A_Nam"});
    EXPECT_TRUE(rows("Select Name From SysIndexes Where Upper(Name) = 'PK_C'").isEmpty());
    db->execute("Drop Table B");
    EXPECT_TRUE(rows("Select Name From SysIndexes Where Upper(Name) = 'PK_B'").isEmpty());
}

TEST_P(BridgeSchemaTestPg, AlterColumnFailsOnStoredNullsLeavingTheTableOrRebuildsItKeepingRowsAndIndexes) {
    createLegacyTable();
    db->execute("Insert Into D_Gheimat (GheimatNam) Values ('No code')");
    EXPECT_TRUE(error("Alter Table D_Gheimat Alter Column GheimatCod Varchar(3) Not Null")
                    .startsWith("Cannot insert the value NULL into column 'GheimatCod', table 'D_Gheimat'"));
    EXPECT_EQ(value("Select Count(*) From D_Gheimat"), "3");
    EXPECT_FALSE(db->tableColumns("D_Gheimat")[0].notNull);
    db->execute("Delete From D_Gheimat Where GheimatCod Is Null");
    db->execute("Alter Table D_Gheimat Alter Column GheimatCod Varchar(3) Not Null");
    EXPECT_EQ(rows("Select GheimatCod, GheimatNam From D_Gheimat Order By GheimatCod"),
              QStringList({"  1|Purchase", "  2|Customs"}));
    EXPECT_TRUE(db->tableColumns("D_Gheimat")[0].notNull);
    EXPECT_EQ(rows("Select Name From SysIndexes Where Name = 'IX_Gheimat_Nam'"),
              QStringList{"IX_Gheimat_Nam"});
    EXPECT_EQ(
        error("Insert Into D_Gheimat (GheimatNam) Values ('x')"),
        "Cannot insert the value NULL into column 'GheimatCod', table 'D_Gheimat'; column does not allow "
        "nulls.");
    EXPECT_EQ(value("Select Count(*) From D_Gheimat Where GheimatNam = 'customs '"), "1");
}

TEST_P(BridgeSchemaTestPg, AddPrimaryKeyFailsOnNullableColumnsAndDuplicatesAndOtherwiseRegistersItByName) {
    createLegacyTable();
    EXPECT_EQ(error("Alter Table D_Gheimat With NoCheck Add Constraint PK_D_Gheimat Primary Key clustered "
                    "(GheimatCod)"),
              "Cannot define PRIMARY KEY constraint on nullable column in table 'D_Gheimat'.");
    db->execute("Insert Into D_Gheimat Values ('  1', 'Duplicate code')");
    db->execute("Alter Table D_Gheimat Alter Column GheimatCod Varchar(3) Not Null");
    EXPECT_EQ(
        error("Alter Table D_Gheimat With NoCheck Add Constraint PK_D_Gheimat Primary Key clustered "
              "(GheimatCod)"),
        "The CREATE UNIQUE INDEX statement terminated because a duplicate key was found for the object name "
        "'dbo.D_Gheimat' and the index name 'PK_D_Gheimat'. The duplicate key value is (  1).");
    EXPECT_TRUE(rows("Select Name From SysIndexes Where Upper(Name) = 'PK_D_GHEIMAT'").isEmpty());
    EXPECT_TRUE(db->keyColumns("D_Gheimat").isEmpty());
    db->execute("Delete From D_Gheimat Where GheimatNam = 'Duplicate code'");
    db->execute(
        "Alter Table D_Gheimat With NoCheck Add Constraint PK_D_Gheimat Primary Key clustered (GheimatCod)");
    EXPECT_EQ(rows("Select Name From SysIndexes Where Upper(Name) = 'PK_D_GHEIMAT'"),
              QStringList{"PK_D_Gheimat"});
    EXPECT_EQ(db->keyColumns("D_Gheimat"), QStringList{"GheimatCod"});
    EXPECT_EQ(error("Insert Into D_Gheimat Values ('  2', 'Again')"),
              "Violation of PRIMARY KEY constraint 'PK_D_Gheimat'. Cannot insert duplicate key in object "
              "'dbo.D_Gheimat'.");
    EXPECT_EQ(error("Alter Table D_Gheimat Add Constraint PK_Other Primary Key (GheimatNam)"),
              "Table 'D_Gheimat' already has a primary key defined on it.");
}

TEST_P(BridgeSchemaTestPg,
       UniqueIndexWithIgnoreDupKeySkipsDuplicateInsertsAndCrossDatabaseNamesReachTheOtherDatabase) {
    createLegacyTable();
    db->execute("Create Unique Index PK_D_Gheimat On D_Gheimat(GheimatCod) With Ignore_dup_key ");
    EXPECT_EQ(db->execute("Insert Into D_Gheimat Values ('  1', 'Ignored')"), 0);
    EXPECT_EQ(db->execute("Insert Into D_Gheimat Values ('  3', 'Kept')"), 1);
    EXPECT_EQ(value("Select Count(*) From D_Gheimat"), "3");
    EXPECT_EQ(error("Update D_Gheimat Set GheimatCod = '  1' Where GheimatCod = '  3'"),
              "Cannot insert duplicate key row in object 'dbo.D_Gheimat' with unique index 'PK_D_Gheimat'.");
    EXPECT_EQ(rows("Select Name From SysIndexes Where Upper(Name) = 'PK_D_GHEIMAT'"),
              QStringList{"PK_D_Gheimat"});
    EXPECT_EQ(db->keyColumns("D_Gheimat"), QStringList{"GheimatCod"});
    EXPECT_EQ(error("Select Code From Link..Codes"), "Invalid object name 'Link.Codes'.");
    // The other database: a sibling file on SQLite, a schema of the company database on the server.
    if (server.isEmpty()) {
        EXPECT_TRUE(QFile::exists(dir.filePath("Link.db")));
        SqliteBackend other(dir.filePath("Link.db"));
        other.execute("Create Table Codes (Code Varchar(6))");
        other.execute("Insert Into Codes Values ('010001')");
    } else {
        PgConnection other(server);
        ASSERT_FALSE(other.scalar("SELECT to_regnamespace('link')").isEmpty());
        other.run("CREATE TABLE link.codes (code varchar(6))");
        other.run("INSERT INTO link.codes VALUES ('010001')");
    }
    open();
    EXPECT_EQ(rows(" Select Code From Link..Codes Where Code='010001'"), QStringList{"010001"});
    EXPECT_TRUE(rows(" Select Code From Link..Codes Where Code='010002'").isEmpty());
}

TEST_P(BridgeSchemaTestPg,
       ColLengthKeyProbesAndIdentitySeedsReportDeclaredValuesAndAlterColumnToIntConvertsText) {
    db->execute("Create Table GrohTafsily2 (Tafsily2GrohCod Varchar(2) Not Null, Qty Int, Nam NVarchar(10))");
    EXPECT_EQ(
        rows("Select COL_LENGTH('GrohTafsily2', 'Tafsily2GrohCod') As L, COL_LENGTH('GrohTafsily2', 'Qty'), "
             "COL_LENGTH('GrohTafsily2', 'Nam'), COL_LENGTH('GrohTafsily2', 'Nope'), "
             "COL_LENGTH('M_GrohProject', 'ProjectGrohCod')"),
        QStringList{"2|4|20|NULL|NULL"});
    // The key probe of an empty table reports the declared size.
    auto probe = db->query("Select Top 1 Tafsily2GrohCod As sField From GrohTafsily2");
    ASSERT_EQ(probe->columns().size(), 1);
    EXPECT_EQ(probe->columns()[0].name, "sField");
    EXPECT_EQ(probe->columns()[0].size, 2);
    EXPECT_FALSE(probe->next());
    EXPECT_EQ(db->query("Select Top 1 Qty As sField From GrohTafsily2")->columns()[0].size, 0);
    db->execute("Create Table T (Id Int Identity(100, 1), a Varchar(3))");
    db->execute("Insert Into T (a) Values ('x')");
    db->execute("Insert Into T (a) Values ('y')");
    EXPECT_EQ(rows("Select Id, a From T Order By Id"), QStringList({"100|x", "101|y"}));
    EXPECT_EQ(db->execute("Truncate Table T"), 2);
    EXPECT_EQ(value("Select Count(*) From T"), "0");
    db->execute("Create Table Depart_1 (Code_field Varchar(5) Null, Desk Varchar(100) Null)");
    db->execute("Insert Into Depart_1 Values (' 3', 'Production')");
    db->execute("Alter Table Depart_1 Alter Column Code_field Int Not Null");
    auto cursor = db->query("Select Code_field From Depart_1");
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(cursor->cellKind(0), ColumnKind::Integer);
    EXPECT_EQ(cursor->cellInt(0), 3);
    EXPECT_EQ(cursor->columns()[0].size, 0);
}

TEST_P(BridgeSchemaTestPg, RebuildKeepsIdentityNumberingAndRegisteredKeys) {
    db->execute("Create Table D_Sakhtar (SakhtarCod Varchar(3) Null, SakhtarRaj Int Not Null, "
                "IDX Int Identity(1, 1) Not Null, Constraint PK_Raj Unique (SakhtarRaj))");
    db->execute("Insert Into D_Sakhtar (SakhtarCod, SakhtarRaj) Values ('  1', 1)");
    db->execute("Insert Into D_Sakhtar (SakhtarCod, SakhtarRaj) Values ('  1', 2)");
    db->execute("Delete From D_Sakhtar Where SakhtarRaj = 2");
    db->execute("Alter Table D_Sakhtar Alter Column SakhtarCod Varchar(5) Not Null");
    db->execute("Insert Into D_Sakhtar (SakhtarCod, SakhtarRaj) Values ('12345', 3)");
    // Identity values are not reused after a delete, before or after the rebuild.
    EXPECT_EQ(rows("Select SakhtarRaj, IDX From D_Sakhtar Order By IDX"), QStringList({"1|1", "3|3"}));
    EXPECT_EQ(error("Insert Into D_Sakhtar (SakhtarCod, SakhtarRaj) Values ('  2', 1)"),
              "Violation of UNIQUE KEY constraint 'PK_Raj'. Cannot insert duplicate key in object "
              "'dbo.D_Sakhtar'.");
    EXPECT_EQ(error("Alter Table D_Sakhtar Alter Column SakhtarCod Varchar(2) Not Null"),
              "String or binary data would be truncated.");
    EXPECT_EQ(db->tableColumns("D_Sakhtar")[0].size, 5);
}

TEST_P(BridgeSchemaTestPg, UnnamedKeysGetGeneratedNamesAndNamesAreUnique) {
    db->execute("Create Table T (a Varchar(3) Primary Key, b Varchar(3) Unique)");
    EXPECT_EQ(rows("Select Name From SysIndexes Where Name Like 'PK%' Or Name Like 'UQ%' Order By Name"),
              QStringList({"PK__T", "UQ__T__b"}));
    EXPECT_EQ(error("Create Table U (a Int, Constraint PK__T Primary Key (a))"),
              "There is already an object named 'PK__T' in the database.");
    EXPECT_EQ(error("Create Table U (a Int Primary Key, b Int, Primary Key (b))"),
              "Cannot add multiple PRIMARY KEY constraints to table 'U'.");
    const QString nullableKey = "Cannot define PRIMARY KEY constraint on nullable column in table 'U'.";
    for (const auto& [statement, message] : std::initializer_list<std::pair<QString, QString>>{
             {"Create Table U (a Int, Constraint PK_U Primary Key (c))",
              "Column name 'c' does not exist in the target table or view."},
             {"Create Table U (a Int Null Primary Key)", nullableKey},
             {"Create Table U (a Int Null, b Int, Constraint PK_U Primary Key (b, a))", nullableKey},
             {"Create Table U (a Int, b Int, A Int)", "Column names in each table must be unique. Column "
                                                      "name 'A' in table 'U' is specified more than "
                                                      "once."}}) {
        EXPECT_EQ(error(statement), message) << statement.toStdString();
    }
    EXPECT_EQ(
        error("Create Index PK__T On T(b)"),
        "The operation failed because an index or statistics with name 'PK__T' already exists on table 'T'.");
    EXPECT_EQ(error("Create Table T (x Int)"), "There is already an object named 'T' in the database.");
}

TEST_P(BridgeSchemaTestPg, DroppingConstraintsIndexesAndAddingColumns) {
    createLegacyTable();
    db->execute("Alter Table D_Gheimat Alter Column GheimatCod Varchar(3) Not Null");
    db->execute("Alter Table D_Gheimat Add Constraint PK_D_Gheimat Primary Key (GheimatCod)");
    EXPECT_EQ(error("Drop Index D_Gheimat.PK_D_Gheimat"),
              "An explicit DROP INDEX is not allowed on index 'D_Gheimat.PK_D_Gheimat'. It is being used for "
              "PRIMARY KEY constraint enforcement.");
    db->execute("Alter Table D_Gheimat Drop Constraint PK_D_Gheimat");
    EXPECT_TRUE(db->keyColumns("D_Gheimat").isEmpty());
    EXPECT_EQ(error("Alter Table D_Gheimat Drop Constraint PK_D_Gheimat"),
              "'PK_D_Gheimat' is not a constraint.");
    EXPECT_EQ(db->execute("Insert Into D_Gheimat Values ('  1', 'Now allowed')"), 1);
    db->execute("Drop Index ix_gheimat_nam On D_Gheimat");
    EXPECT_TRUE(rows("Select Name From SysIndexes Where Name = 'IX_Gheimat_Nam'").isEmpty());
    EXPECT_EQ(
        error("Drop Index D_Gheimat.IX_Gheimat_Nam"),
        "Cannot drop the index 'D_Gheimat.IX_Gheimat_Nam', because it does not exist or you do not have "
        "permission.");
    db->execute("Alter Table D_Gheimat Add Rate Float Null Default 0, Note Varchar(4) Null");
    EXPECT_EQ(rows("Select Rate, Note From D_Gheimat Where GheimatNam = 'Customs'"), QStringList{"0|NULL"});
    EXPECT_EQ(error("Update D_Gheimat Set Note = 'too long'"), "String or binary data would be truncated.");
    for (const auto& [statement, message] : std::initializer_list<std::pair<QString, QString>>{
             {"Alter Table D_Gheimat Add note Int Null", "Column names in each table must be unique. Column "
                                                         "name 'note' in table 'D_Gheimat' is specified "
                                                         "more than once."},
             {"Alter Table D_Gheimat Add Qty Int Not Null",
              "ALTER TABLE only allows columns to be added that can contain nulls, or have a DEFAULT "
              "definition "
              "specified, or the column being added is an identity or timestamp column, or alternatively if "
              "none of the previous conditions are satisfied the table must be empty to allow addition of "
              "this "
              "column. Column 'Qty' cannot be added to non-empty table 'D_Gheimat' because it does not "
              "satisfy "
              "these conditions."},
             {"Alter Table D_Gheimat Add Raj Int Not Null Default 0 Constraint UQ_Raj Unique",
              "The CREATE UNIQUE INDEX statement terminated because a duplicate key was found for the object "
              "name 'dbo.D_Gheimat' and the index name 'UQ_Raj'. The duplicate key value is (0)."},
             {"Alter Table D_Gheimat Add Raj Int Null Default 0 Primary Key",
              "Cannot define PRIMARY KEY constraint on nullable column in table 'D_Gheimat'."}}) {
        EXPECT_EQ(error(statement), message) << statement.toStdString();
    }
    EXPECT_EQ(error("Select Raj From D_Gheimat"), "Invalid column name 'Raj'.");
    db->execute("Create Table E (a Int)\nAlter Table E Add b Varchar(2) Not Null");
    EXPECT_EQ(error("Insert Into E (a) Values (1)"),
              "Cannot insert the value NULL into column 'b', table 'E'; column does not allow nulls.");
    EXPECT_EQ(error("Drop Table Missing"),
              "Cannot drop the table 'Missing', because it does not exist or you do not have permission.");
    EXPECT_EQ(db->execute("Drop Table If Exists Missing"), 0);
}

TEST_P(BridgeSchemaTestPg, NamesKeepTheCaseTheyWereCreatedInAndAKeyedTableReadsInKeyOrder) {
    db->execute("Create Table D_Makan (MakanCod Varchar(3) Not Null, MakanNam NVarchar(10) Null, "
                "Constraint PK_D_Makan Primary Key (MakanCod))");
    db->execute("Alter Table d_makan Add MakanRaj Int Null");
    db->execute("Alter Table D_MAKAN Alter Column MakanNam NVarchar(20) Null");
    for (const QString code : {"  1", "  2", "  3"}) {
        db->execute("Insert Into D_Makan (MakanCod) Values (?)", {code});
    }
    db->execute("Update D_Makan Set MakanNam = 'Changed' Where MakanCod = '  1'");
    open();
    EXPECT_EQ(rows("Select * From d_makan"),
              QStringList({"  1|Changed|NULL", "  2|NULL|NULL", "  3|NULL|NULL"}));
    db->execute("Select * Into #Makan From d_makan Where makanraj Is Null");
    QStringList names;
    for (const QList<ColumnInfo>& columns :
         {db->query("Select * From D_Makan")->columns(), db->tableColumns("#Makan")}) {
        for (const ColumnInfo& column : columns) {
            names.append(column.name);
        }
    }
    EXPECT_EQ(names.join(u' '), "MakanCod MakanNam MakanRaj MakanCod MakanNam MakanRaj");
    EXPECT_EQ(rows("Select Name, COL_LENGTH(Name, 'MakanNam') From SysObjects Where Name Like 'D_Mak%'"),
              QStringList{"D_Makan|40"});
    // A text the bridge keeps after its second use is printed again once the schema changes.
    db->execute("Create Table #K (a Int Not Null Primary Key)");
    EXPECT_EQ(rows("Select * From #K") + rows("Select * From #K"), QStringList());
    db->execute("Drop Table #K");
    db->execute("Create Table #K (b Int Not Null Primary Key)");
    EXPECT_EQ(rows("Select * From #K"), QStringList());
}

TARVAND_ON_EACH_BACKEND(BridgeSchemaTestPg);
