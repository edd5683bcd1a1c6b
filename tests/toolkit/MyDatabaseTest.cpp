#include "DemoDatabase.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TGlobal.h"
#include "TMyDatabase.h"

#include <gtest/gtest.h>

using namespace tarvand;
using data::TADOConnection;
using data::TADOQuery;

namespace {

struct ShownMessage {
    QString msg, title, kind;
};

// A demo company opened the way the host opens it, with the host objects around it.
class MyDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        connection.SetConnectionString(QStringLiteral("Provider=SQLite;Data Source=") + demo.path());
        connection.Open();
        global.UserId = 1;
        global.CompanyCode = QStringLiteral("01");
        global.FiscalYear = QStringLiteral("1403");
        db = std::make_unique<TMyDatabase>(&connection, &global);
        db->OnShowMsg = [this](const QString& m, const QString& t, const QString& k) {
            shown.push_back({m, t, k});
            return 1;
        };
    }

    QString scalar(const QString& sql) {
        TADOQuery q;
        q.SetConnection(&connection);
        q.SetSQL(sql);
        q.Open();
        return q.IsEmpty() ? QString() : q.FieldByIndex(0)->AsString();
    }
    bool constraintExists(const QString& name) {
        return !scalar(QStringLiteral("Select Name From SysIndexes Where Upper(Name) = '") + name.toUpper() +
                       QStringLiteral("'"))
                    .isEmpty();
    }
    bool columnNotNull(const QString& table, const QString& column) {
        for (const auto& c : connection.Backend().tableColumns(table))
            if (c.name.compare(column, Qt::CaseInsensitive) == 0)
                return c.notNull;
        ADD_FAILURE() << "no column " << column.toStdString();
        return false;
    }

    testsupport::DemoDatabase demo;
    TADOConnection connection;
    TGlobal global;
    std::unique_ptr<TMyDatabase> db;
    std::vector<ShownMessage> shown;
};

const QString kDuplicateKeyMessage = QStringLiteral("امکان وارد کردن کد تکراري وجود دارد.\n") +
                                     QStringLiteral("لطفا براي رفع اشکال با بخش پشتيباني شركت تماس بگيريد.");

} // namespace

TEST_F(MyDatabaseTest, ExecSqlReportsSuccessAndSwallowsFailures) {
    EXPECT_TRUE(db->ExecSql(QString()));
    EXPECT_TRUE(db->ExecSql(QStringLiteral("Update D_Makan Set MakanNam = 'x' Where MakanCod = '  2'")));
    EXPECT_EQ(scalar(QStringLiteral("Select MakanNam From D_Makan Where MakanCod = '  2'")),
              QStringLiteral("x"));
    EXPECT_FALSE(db->ExecSql(QStringLiteral("Update NoSuchTable Set A = 1")));
    EXPECT_FALSE(db->ExecSql(QStringLiteral("Selec nonsense")));
    EXPECT_TRUE(shown.empty());

    TMyDatabase unconnected(nullptr, &global);
    EXPECT_FALSE(unconnected.ExecSql(QStringLiteral("Delete From D_Makan")));
    EXPECT_TRUE(unconnected.ExecSql(QString()));
}

TEST_F(MyDatabaseTest, EnsureTableKeyAddsMissingKeyOnceAndMakesColumnNotNull) {
    ASSERT_FALSE(constraintExists(QStringLiteral("PK_D_Gheimat")));
    ASSERT_FALSE(columnNotNull(QStringLiteral("D_Gheimat"), QStringLiteral("GheimatCod")));
    const int rowsBefore = scalar(QStringLiteral("Select Count(*) From D_Gheimat")).toInt();

    EXPECT_TRUE(db->EnsureTableKey(QStringLiteral("CLUSTERED"), QStringLiteral("D_Gheimat"),
                                   QStringLiteral("PK_D_Gheimat"), {QStringLiteral("GheimatCod")}, 1));
    EXPECT_TRUE(constraintExists(QStringLiteral("PK_D_Gheimat")));
    EXPECT_TRUE(columnNotNull(QStringLiteral("D_Gheimat"), QStringLiteral("GheimatCod")));
    EXPECT_EQ(scalar(QStringLiteral("Select Count(*) From D_Gheimat")).toInt(), rowsBefore);
    EXPECT_TRUE(shown.empty());

    // The key now refuses a duplicate in the server's words, which the editors look for.
    try {
        connection.Execute(
            QStringLiteral("Insert Into D_Gheimat (GheimatCod, GheimatNam) Values ('  1', 'x')"));
        FAIL() << "duplicate accepted";
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(e.Message.toUpper().contains(
            QStringLiteral("Violation of PRIMARY KEY constraint 'PK_D_Gheimat'").toUpper()))
            << e.Message.toStdString();
    }

    // A second call finds the key and does nothing else.
    EXPECT_TRUE(db->EnsureTableKey(QStringLiteral("CLUSTERED"), QStringLiteral("D_Gheimat"),
                                   QStringLiteral("PK_D_Gheimat"), {QStringLiteral("GheimatCod")}, 1));
}

TEST_F(MyDatabaseTest, EnsureTableKeyRedeclaresAnIntegerKeyAsIntNotNull) {
    ASSERT_FALSE(columnNotNull(QStringLiteral("Depart_1"), QStringLiteral("Code_field")));
    EXPECT_TRUE(db->EnsureTableKey(QStringLiteral("CLUSTERED"), QStringLiteral("Depart_1"),
                                   QStringLiteral("PK_Depart_1"), {QStringLiteral("Code_field")}, 1));
    EXPECT_TRUE(columnNotNull(QStringLiteral("Depart_1"), QStringLiteral("Code_field")));
    for (const auto& c : connection.Backend().tableColumns(QStringLiteral("Depart_1")))
        if (c.name.compare(QStringLiteral("Code_field"), Qt::CaseInsensitive) == 0)
            EXPECT_EQ(c.kind, sql::ColumnKind::Integer);
    EXPECT_EQ(scalar(QStringLiteral("Select Desk From Depart_1 Where Code_field = 3")),
              QStringLiteral("توليد"));
}

TEST_F(MyDatabaseTest, EnsureTableKeyCountsANameOnAnotherTableAndIgnoresUnknownKinds) {
    EXPECT_TRUE(db->EnsureTableKey(QStringLiteral("CLUSTERED"), QStringLiteral("D_Gheimat"),
                                   QStringLiteral("PK_D_Makan"), {QStringLiteral("GheimatCod")}, 1));
    EXPECT_TRUE(db->EnsureTableKey(QStringLiteral("Index"), QStringLiteral("D_Gheimat"),
                                   QStringLiteral("PK_D_Gheimat"), {QStringLiteral("GheimatCod")}, 1));
    EXPECT_FALSE(constraintExists(QStringLiteral("PK_D_Gheimat")));
    EXPECT_FALSE(columnNotNull(QStringLiteral("D_Gheimat"), QStringLiteral("GheimatCod")));
}

TEST_F(MyDatabaseTest, EnsureTableKeyWithUniqueIndexKind) {
    EXPECT_TRUE(db->EnsureTableKey(QStringLiteral("INDEX"), QStringLiteral("D_Gheimat"),
                                   QStringLiteral("IX_Gheimat"), {QStringLiteral("GheimatCod")}, 1));
    EXPECT_TRUE(constraintExists(QStringLiteral("IX_Gheimat")));
    // Ignore_dup_key: a duplicate is dropped without an error.
    connection.Execute(QStringLiteral("Insert Into D_Gheimat (GheimatCod, GheimatNam) Values ('  1', 'x')"));
    EXPECT_EQ(scalar(QStringLiteral("Select Count(*) From D_Gheimat Where GheimatCod = '  1'")).toInt(), 1);
}

TEST_F(MyDatabaseTest, EnsureTableKeyOnDuplicateCodesShowsTheSupportMessageAndAddsNoKey) {
    connection.Execute(
        QStringLiteral("Insert Into D_Gheimat (GheimatCod, GheimatNam) Values ('  1', 'تكراري')"));
    EXPECT_FALSE(db->EnsureTableKey(QStringLiteral("CLUSTERED"), QStringLiteral("D_Gheimat"),
                                    QStringLiteral("PK_D_Gheimat"), {QStringLiteral("GheimatCod")}, 1));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].msg, kDuplicateKeyMessage);
    EXPECT_EQ(shown[0].title, QString());
    EXPECT_EQ(shown[0].kind, QStringLiteral("1ER"));
    EXPECT_FALSE(constraintExists(QStringLiteral("PK_D_Gheimat")));
    EXPECT_EQ(scalar(QStringLiteral("Select Count(*) From D_Gheimat Where GheimatCod = '  1'")).toInt(), 2);
}

TEST_F(MyDatabaseTest, EnsureTableKeyOnNullCodesShowsTheSupportMessage) {
    connection.Execute(
        QStringLiteral("Insert Into D_Gheimat (GheimatCod, GheimatNam) Values (Null, 'بدون كد')"));
    EXPECT_FALSE(db->EnsureTableKey(QStringLiteral("CLUSTERED"), QStringLiteral("D_Gheimat"),
                                    QStringLiteral("PK_D_Gheimat"), {QStringLiteral("GheimatCod")}, 1));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].msg, kDuplicateKeyMessage);
    EXPECT_FALSE(constraintExists(QStringLiteral("PK_D_Gheimat")));
    EXPECT_EQ(scalar(QStringLiteral("Select GheimatNam From D_Gheimat Where GheimatCod Is Null")),
              QStringLiteral("بدون كد"));
}

TEST_F(MyDatabaseTest, PrivilegeSubqueryRestrictsToTheUsersCodes) {
    const QString expected =
        QStringLiteral("(Select FieldCode From UserPrivilege Where UserId='1' And Upper(TableName)='KOLL') ");
    EXPECT_EQ(db->PrivilegeSubquery(QStringLiteral("Koll")), expected);
    EXPECT_EQ(db->PrivilegeSubquery(QStringLiteral("KOLL")), expected);
    const QString count = scalar(QStringLiteral("Select Count(*) From Koll Where Koll In ") +
                                 db->PrivilegeSubquery(QStringLiteral("Koll")));
    EXPECT_GT(count.toInt(), 0);
}

TEST_F(MyDatabaseTest, ReadRightsTreeListsNodesOfOneUserInKeyOrder) {
    TADOQuery query;
    query.SetConnection(&connection);
    const QString admin = db->ReadRightsTree(&query, QStringLiteral("D_B_M"), QStringLiteral("1"));
    EXPECT_EQ(admin, QStringLiteral("D_B_MABADI(Y),D_B_MADEH151(Y),D_B_MAKAN(Y),"));
    const QString clerk = db->ReadRightsTree(&query, QStringLiteral("D_B_M"), QStringLiteral("2"));
    EXPECT_EQ(clerk, QStringLiteral("D_B_MABADI(Y),D_B_MADEH151(N),D_B_MAKAN(Y),"));
    EXPECT_EQ(db->ReadRightsTree(&query, QStringLiteral("ZZ"), QStringLiteral("1")), QString());
    EXPECT_EQ(db->ReadRightsTree(&query, QStringLiteral("x' Or '1'='1"), QStringLiteral("1")), QString());
}

TEST_F(MyDatabaseTest, LoadCopyPrintRightsReadsTheUsersSettingsInAnyCase) {
    global.LoadCopyPrintRights(&connection);
    EXPECT_EQ(global.CopyAllowed, QStringLiteral("YES"));
    EXPECT_EQ(global.PrintAllowed, QStringLiteral("YES"));
    global.UserId = 2;
    global.LoadCopyPrintRights(&connection);
    EXPECT_EQ(global.CopyAllowed, QStringLiteral("NO"));
    EXPECT_EQ(global.PrintAllowed, QStringLiteral("YES"));
    global.UserId = 99;
    global.LoadCopyPrintRights(&connection);
    EXPECT_EQ(global.CopyAllowed, QString());
    EXPECT_EQ(global.PrintAllowed, QString());
}

TEST_F(MyDatabaseTest, LookupValueReturnsFirstFieldOrEmpty) {
    EXPECT_EQ(db->LookupValue(QStringLiteral("MakanCod"), QStringLiteral("  3"), QStringLiteral("MakanNam"),
                              QStringLiteral("D_Makan")),
              QStringLiteral("كارخانه - انبار مركزي"));
    EXPECT_EQ(db->LookupValue(QStringLiteral("MakanCod"), QStringLiteral("999"), QStringLiteral("MakanNam"),
                              QStringLiteral("D_Makan")),
              QString());
    EXPECT_EQ(db->LookupValue(QStringLiteral("MakanCod"), QStringLiteral("' Or ''='"),
                              QStringLiteral("MakanNam"), QStringLiteral("D_Makan")),
              QString());
    EXPECT_EQ(db->LookupValue(QStringLiteral("SCode"), QStringLiteral("011403"), QStringLiteral("Sdc"),
                              QStringLiteral("Options")),
              QStringLiteral("N_DEP_VAHED=1,2,3,5;"));
}

TEST_F(MyDatabaseTest, IsNameRepeatedEvaluatesTheNameExpression) {
    EXPECT_TRUE(db->IsNameRepeated(QStringLiteral("D_Makan"), QStringLiteral("MakanNam"),
                                   QStringLiteral("كارخانه - انبار مركزي")));
    EXPECT_FALSE(db->IsNameRepeated(QStringLiteral("D_Makan"), QStringLiteral("MakanNam"),
                                    QStringLiteral("انبار جديد")));
    EXPECT_FALSE(
        db->IsNameRepeated(QStringLiteral("D_Makan"), QStringLiteral("MakanNam"), QStringLiteral("O'Neil")));
    EXPECT_TRUE(db->IsNameRepeated(QStringLiteral("Person"), QStringLiteral("Name+Family"),
                                   QStringLiteral("عليرضايي")));
    EXPECT_TRUE(db->IsNameRepeated(QStringLiteral("D_Sakhtar"),
                                   QStringLiteral("Cast(SakhtarCod As Varchar(20))+SakhtarNam"),
                                   QStringLiteral("  1رنگ")));
    EXPECT_FALSE(db->IsNameRepeated(QStringLiteral("D_Sakhtar"),
                                    QStringLiteral("Cast(SakhtarCod As Varchar(20))+SakhtarNam"),
                                    QStringLiteral("  2رنگ")));
}

TEST_F(MyDatabaseTest, IsCodeUsedAsksTheDependencyProcedure) {
    EXPECT_TRUE(db->IsCodeUsed(QStringLiteral("sp_D_Depended_MakanCode"), QStringLiteral("  1")));
    connection.Execute(QStringLiteral("Insert Into D_Makan (MakanCod, MakanNam) Values (' 99', 'خالي')"));
    EXPECT_FALSE(db->IsCodeUsed(QStringLiteral("sp_D_Depended_MakanCode"), QStringLiteral(" 99")));
    EXPECT_FALSE(db->IsCodeUsed(QStringLiteral("sp_D_Depended_MakanCode"), QStringLiteral("x'y")));
}

TEST_F(MyDatabaseTest, ReadMoeinLevelsGathersFlagsAndGroupLists) {
    const MoeinLevels machines = db->ReadMoeinLevels(QStringLiteral("11"), QStringLiteral(" 3"));
    EXPECT_EQ(machines.levels, QStringLiteral("دوم/سوم"));
    EXPECT_EQ(machines.tafsily2Groups, QStringLiteral("01,02"));
    EXPECT_EQ(machines.projectGroups, QStringLiteral("01,02"));
    const MoeinLevels vehicles = db->ReadMoeinLevels(QStringLiteral(" 11"), QStringLiteral("4"));
    EXPECT_EQ(vehicles.levels, QStringLiteral("اول/دوم/"));
    EXPECT_EQ(vehicles.tafsilyGroups, QStringLiteral("01"));
    const MoeinLevels land = db->ReadMoeinLevels(QStringLiteral("11"), QStringLiteral("1"));
    EXPECT_EQ(land.levels, QString());
    const MoeinLevels none = db->ReadMoeinLevels(QStringLiteral("77"), QStringLiteral("7"));
    EXPECT_EQ(none.levels, QString());
    EXPECT_EQ(none.tafsilyGroups, QString());
    EXPECT_EQ(none.tafsily2Groups, QString());
    EXPECT_EQ(none.projectGroups, QString());
}

TEST_F(MyDatabaseTest, DropTempTableDropsOnlyAnExistingTable) {
    ASSERT_TRUE(db->ExecSql(QStringLiteral("Select MakanCod, MakanNam Into ##ABC4512345 From D_Makan")));
    EXPECT_EQ(scalar(QStringLiteral("Select Count(*) From ##ABC4512345")).toInt(),
              scalar(QStringLiteral("Select Count(*) From D_Makan")).toInt());
    db->DropTempTable(QStringLiteral("ABC4512345"));
    EXPECT_EQ(
        scalar(QStringLiteral("Select Count(*) From Tempdb..SysObjects Where [Name] Like '%ABC4512345'"))
            .toInt(),
        0);
    EXPECT_FALSE(db->ExecSql(QStringLiteral("Select * Into ##Other From ##ABC4512345")));
    db->DropTempTable(QStringLiteral("ABC4512345")); // absent: silently nothing
    EXPECT_TRUE(shown.empty());
}
