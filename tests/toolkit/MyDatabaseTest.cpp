#include "ToolkitGridFixture.h"

using namespace tarvand;
using data::TADOQuery;

namespace {

// The toolkit's database object over the demo company, as the host opens it.
class MyDatabaseTest : public test::ToolkitGridFixture {
protected:
    void SetUp() override {
        ToolkitGridFixture::SetUp();
        db = myDatabase.get();
        db->OnShowMsg = global.OnShowMsg;
    }
    bool constraintExists(const QString& name) {
        return !scalar("Select Name From SysIndexes Where Upper(Name) = '" + name.toUpper() + "'").isEmpty();
    }
    bool columnNotNull(const QString& table, const QString& column) {
        for (const auto& c : connection.Backend().tableColumns(table))
            if (c.name.compare(column, Qt::CaseInsensitive) == 0)
                return c.notNull;
        ADD_FAILURE() << "no column " << column.toStdString();
        return false;
    }

    TMyDatabase* db = nullptr;
};

const QString kDuplicateKeyMessage = "امکان وارد کردن کد تکراري وجود دارد.\n"
                                     "لطفا براي رفع اشکال با بخش پشتيباني شركت تماس بگيريد.";

} // namespace

TEST_F(MyDatabaseTest, ExecSqlReportsSuccessAndSwallowsFailures) {
    EXPECT_TRUE(db->ExecSql(QString()));
    EXPECT_TRUE(db->ExecSql("Update D_Makan Set MakanNam = 'x' Where MakanCod = '  2'"));
    EXPECT_EQ(scalar("Select MakanNam From D_Makan Where MakanCod = '  2'"), "x");
    EXPECT_FALSE(db->ExecSql("Update NoSuchTable Set A = 1"));
    EXPECT_FALSE(db->ExecSql("Selec nonsense"));
    EXPECT_TRUE(shown.empty());

    TMyDatabase unconnected(nullptr, &global);
    EXPECT_FALSE(unconnected.ExecSql("Delete From D_Makan"));
    EXPECT_TRUE(unconnected.ExecSql(QString()));
}

TEST_F(MyDatabaseTest, EnsureTableKeyAddsMissingKeyOnceAndMakesColumnNotNull) {
    ASSERT_FALSE(constraintExists("PK_D_Gheimat"));
    ASSERT_FALSE(columnNotNull("D_Gheimat", "GheimatCod"));
    const int rowsBefore = scalar("Select Count(*) From D_Gheimat").toInt();

    EXPECT_TRUE(db->EnsureTableKey("CLUSTERED", "D_Gheimat", "PK_D_Gheimat", {"GheimatCod"}, 1));
    EXPECT_TRUE(constraintExists("PK_D_Gheimat"));
    EXPECT_TRUE(columnNotNull("D_Gheimat", "GheimatCod"));
    EXPECT_EQ(scalar("Select Count(*) From D_Gheimat").toInt(), rowsBefore);
    EXPECT_TRUE(shown.empty());

    // The key now refuses a duplicate in the server's words, which the editors look for.
    try {
        connection.Execute("Insert Into D_Gheimat (GheimatCod, GheimatNam) Values ('  1', 'x')");
        FAIL() << "duplicate accepted";
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message,
                  "Violation of PRIMARY KEY constraint 'PK_D_Gheimat'. Cannot insert duplicate key in "
                  "object 'dbo.D_Gheimat'.");
    }

    // A second call finds the key and does nothing else.
    EXPECT_TRUE(db->EnsureTableKey("CLUSTERED", "D_Gheimat", "PK_D_Gheimat", {"GheimatCod"}, 1));
}

TEST_F(MyDatabaseTest, EnsureTableKeyRedeclaresAnIntegerKeyAsIntNotNull) {
    ASSERT_FALSE(columnNotNull("Depart_1", "Code_field"));
    EXPECT_TRUE(db->EnsureTableKey("CLUSTERED", "Depart_1", "PK_Depart_1", {"Code_field"}, 1));
    EXPECT_TRUE(columnNotNull("Depart_1", "Code_field"));
    for (const auto& c : connection.Backend().tableColumns("Depart_1")) {
        if (c.name.compare("Code_field", Qt::CaseInsensitive) == 0) {
            EXPECT_EQ(c.kind, sql::ColumnKind::Integer);
        }
    }
    EXPECT_EQ(scalar("Select Desk From Depart_1 Where Code_field = 3"), "توليد");
}

TEST_F(MyDatabaseTest, EnsureTableKeyCountsANameOnAnotherTableIgnoresUnknownKindsAndMakesUniqueIndexes) {
    EXPECT_TRUE(db->EnsureTableKey("CLUSTERED", "D_Gheimat", "PK_D_Makan", {"GheimatCod"}, 1));
    EXPECT_TRUE(db->EnsureTableKey("Index", "D_Gheimat", "PK_D_Gheimat", {"GheimatCod"}, 1));
    EXPECT_FALSE(constraintExists("PK_D_Gheimat"));
    EXPECT_FALSE(columnNotNull("D_Gheimat", "GheimatCod"));
    EXPECT_TRUE(db->EnsureTableKey("INDEX", "D_Gheimat", "IX_Gheimat", {"GheimatCod"}, 1));
    EXPECT_TRUE(constraintExists("IX_Gheimat"));
    // Ignore_dup_key: a duplicate is dropped without an error.
    connection.Execute("Insert Into D_Gheimat (GheimatCod, GheimatNam) Values ('  1', 'x')");
    EXPECT_EQ(scalar("Select Count(*) From D_Gheimat Where GheimatCod = '  1'").toInt(), 1);
}

// A null code, then a duplicate one: the support message, no key, the rows kept.
TEST_F(MyDatabaseTest, EnsureTableKeyOnDuplicateOrNullCodesShowsTheSupportMessageAndAddsNoKey) {
    for (const char* code : {"Null", "'  1'"}) {
        connection.Execute(QStringLiteral("Delete From D_Gheimat Where GheimatNam = 'x'"));
        connection.Execute(
            QStringLiteral("Insert Into D_Gheimat (GheimatCod, GheimatNam) Values (%1, 'x')").arg(code));
        shown.clear();
        EXPECT_FALSE(db->EnsureTableKey("CLUSTERED", "D_Gheimat", "PK_D_Gheimat", {"GheimatCod"}, 1)) << code;
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].msg, kDuplicateKeyMessage);
        EXPECT_EQ(shown[0].title + shown[0].kind, "1ER");
        EXPECT_FALSE(constraintExists("PK_D_Gheimat"));
        EXPECT_EQ(scalar("Select Count(*) From D_Gheimat Where GheimatNam = 'x'").toInt(), 1);
    }
}

TEST_F(MyDatabaseTest, PrivilegeSubqueryRestrictsToTheUsersCodes) {
    for (const char* table : {"Koll", "KOLL"})
        EXPECT_EQ(db->PrivilegeSubquery(table),
                  "(Select FieldCode From UserPrivilege Where UserId='1' And Upper(TableName)='KOLL') ");
}

TEST_F(MyDatabaseTest, ReadRightsTreeListsNodesOfOneUserInKeyOrder) {
    TADOQuery query;
    query.SetConnection(&connection);
    EXPECT_EQ(db->ReadRightsTree(&query, "D_B_M", "1"), "D_B_MABADI(Y),D_B_MADEH151(Y),D_B_MAKAN(Y),");
    EXPECT_EQ(db->ReadRightsTree(&query, "D_B_M", "2"), "D_B_MABADI(Y),D_B_MADEH151(N),D_B_MAKAN(Y),");
    EXPECT_EQ(db->ReadRightsTree(&query, "ZZ", "1"), QString());
    EXPECT_EQ(db->ReadRightsTree(&query, "x' Or '1'='1", "1"), QString());
}

TEST_F(MyDatabaseTest, LoadCopyPrintRightsReadsTheUsersSettingsInAnyCase) {
    for (const auto& [user, rights] : {std::pair{1, "YES|YES"}, {2, "NO|YES"}, {99, "|"}}) {
        global.UserId = user;
        global.LoadCopyPrintRights(&connection);
        EXPECT_EQ(global.CopyAllowed + '|' + global.PrintAllowed, rights) << user;
    }
}

TEST_F(MyDatabaseTest, LookupsNameTestsAndDependencyChecksResistQuotes) {
    EXPECT_EQ(db->LookupValue("MakanCod", "  3", "MakanNam", "D_Makan"), "كارخانه - انبار مركزي");
    EXPECT_EQ(db->LookupValue("MakanCod", "999", "MakanNam", "D_Makan"), QString());
    EXPECT_EQ(db->LookupValue("MakanCod", "' Or ''='", "MakanNam", "D_Makan"), QString());
    EXPECT_EQ(db->LookupValue("SCode", "011403", "Sdc", "Options"), "N_DEP_VAHED=1,2,3,5;");
    EXPECT_TRUE(db->IsNameRepeated("D_Makan", "MakanNam", "كارخانه - انبار مركزي"));
    EXPECT_FALSE(db->IsNameRepeated("D_Makan", "MakanNam", "انبار جديد"));
    EXPECT_FALSE(db->IsNameRepeated("D_Makan", "MakanNam", "O'Neil"));
    EXPECT_TRUE(db->IsNameRepeated("Person", "Name+Family", "عليرضايي"));
    EXPECT_TRUE(db->IsNameRepeated("D_Sakhtar", "Cast(SakhtarCod As Varchar(20))+SakhtarNam", "  1رنگ"));
    EXPECT_FALSE(db->IsNameRepeated("D_Sakhtar", "Cast(SakhtarCod As Varchar(20))+SakhtarNam", "  2رنگ"));
    EXPECT_TRUE(db->IsCodeUsed("sp_D_Depended_MakanCode", "  1"));
    connection.Execute("Insert Into D_Makan (MakanCod, MakanNam) Values (' 99', 'خالي')");
    EXPECT_FALSE(db->IsCodeUsed("sp_D_Depended_MakanCode", " 99"));
    EXPECT_FALSE(db->IsCodeUsed("sp_D_Depended_MakanCode", "x'y"));
}

TEST_F(MyDatabaseTest, ReadMoeinLevelsGathersFlagsAndGroupLists) {
    const MoeinLevels machines = db->ReadMoeinLevels("11", " 3");
    EXPECT_EQ(machines.levels, "دوم/سوم");
    EXPECT_EQ(machines.tafsily2Groups, "01,02");
    EXPECT_EQ(machines.projectGroups, "01,02");
    const MoeinLevels vehicles = db->ReadMoeinLevels(" 11", "4");
    EXPECT_EQ(vehicles.levels, "اول/دوم/");
    EXPECT_EQ(vehicles.tafsilyGroups, "01");
    EXPECT_EQ(db->ReadMoeinLevels("11", "1").levels, QString());
    const MoeinLevels none = db->ReadMoeinLevels("77", "7");
    EXPECT_EQ(none.levels + none.tafsilyGroups + none.tafsily2Groups + none.projectGroups, QString());
}

TEST_F(MyDatabaseTest, DropTempTableDropsOnlyAnExistingTable) {
    ASSERT_TRUE(db->ExecSql("Select MakanCod, MakanNam Into ##ABC4512345 From D_Makan"));
    EXPECT_EQ(scalar("Select Count(*) From ##ABC4512345").toInt(),
              scalar("Select Count(*) From D_Makan").toInt());
    db->DropTempTable("ABC4512345");
    EXPECT_EQ(scalar("Select Count(*) From Tempdb..SysObjects Where [Name] Like '%ABC4512345'").toInt(), 0);
    EXPECT_FALSE(db->ExecSql("Select * Into ##Other From ##ABC4512345"));
    db->DropTempTable("ABC4512345"); // absent: silently nothing
    EXPECT_TRUE(shown.empty());
}
