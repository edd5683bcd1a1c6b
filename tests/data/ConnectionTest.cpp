// The connection: which backend a connection string chooses, and what closing it does to the
// datasets on it.
#include "DataTestDatabase.h"

#include <gtest/gtest.h>

namespace tarvand::data::test {
namespace {

TEST(Connection, BarePathAndProviderStringOpenTheSameDatabaseAndUnreachableOrUnknownSourcesAreRefused) {
    DataTestDatabase db;
    db.createCodedTable({"1"});
    TADOConnection bare;
    bare.SetConnectionString(db.path());
    bare.Open();
    EXPECT_TRUE(bare.Connected());
    TADOQuery query;
    query.SetConnection(&bare);
    query.SetSQL("Select Count(*) As N From Makan");
    query.Open();
    EXPECT_EQ(query.FieldByName("N")->AsInteger(), 1);
    TADOConnection odbc;
    odbc.SetConnectionString("Provider=MSDASQL;DSN=NoSuchCompanyDsn;UID=sa");
    EXPECT_THROW(odbc.Open(), EDatabaseError);
    EXPECT_FALSE(odbc.Connected());
    TADOConnection unknown;
    unknown.SetConnectionString("Provider=Jet;Data Source=x.mdb");
    EXPECT_THROW(unknown.Open(), EDatabaseError);
    TADOConnection empty;
    EXPECT_THROW(empty.Open(), EDatabaseError);
    EXPECT_THROW(empty.Backend(), EDatabaseError);
}

// SQL Server is reached through ODBC; the SQLite ODBC driver stands in for it where installed.
TEST(Connection, DatasetsWorkOverOdbc) {
    const QString driver = QStringLiteral(TARVAND_SQLITE_ODBC_DRIVER);
    if (driver.isEmpty()) {
        GTEST_SKIP() << "the SQLite ODBC driver (package libsqliteodbc) is not installed";
    }
    QTemporaryDir dir;
    TADOConnection connection;
    connection.SetConnectionString(
        QStringLiteral("Provider=MSDASQL.1;DRIVER=%1;Database=%2").arg(driver, dir.filePath("company.db")));
    connection.Open();
    connection.Execute("Create Table Makan (Code varchar(3) Not Null Primary Key, Name varchar(20))");
    connection.Execute("Insert Into Makan Values ('1', 'a')");
    TADOTable table;
    table.SetConnection(&connection);
    table.SetTableName("Makan");
    table.Open();
    EXPECT_EQ(table.FieldByName("Code")->Size(), 3);
    table.Edit();
    table.FieldByName("Name")->SetAsString("b");
    table.Post();
    table.Append();
    table.FieldByName("Code")->SetAsString("2");
    table.Post();
    table.Requery();
    EXPECT_EQ(table.RecordCount(), 2);
    EXPECT_TRUE(table.Locate("Name", "b"));
}

TEST(Connection, DatasetOpensItsConnectionWhichClosesItAndDatasetsOutliveTheirConnection) {
    auto table = std::make_unique<TADOTable>();
    {
        DataTestDatabase db;
        db.createCodedTable({"1"});
        db.connection().Close();
        table->SetConnection(&db.connection());
        table->SetTableName("Makan");
        table->Open();
        EXPECT_TRUE(db.connection().Connected());
        db.connection().Close();
        EXPECT_FALSE(table->Active());
        table->Open();
    }
    EXPECT_FALSE(table->Active());
    EXPECT_EQ(table->Connection(), nullptr);
    EXPECT_THROW(table->Open(), EDatabaseError);
}

TEST(Connection, StatementsAndTransactions) {
    DataTestDatabase db;
    db.createCodedTable({});
    TADOConnection& connection = db.connection();
    EXPECT_EQ(connection.Execute("Insert Into Makan (Code) Values ('1')"), 1);
    connection.BeginTrans();
    EXPECT_TRUE(connection.InTransaction());
    auto table = db.openTable("Makan");
    table->Append();
    table->FieldByName("Code")->SetAsString("2");
    table->Post();
    connection.RollbackTrans();
    EXPECT_FALSE(connection.InTransaction());
    EXPECT_EQ(db.scalar("Select Count(*) From Makan"), "1");
    TADOQuery command;
    command.SetConnection(&connection);
    command.SetSQL("Delete From Makan");
    EXPECT_EQ(command.ExecSQL(), 1);
    EXPECT_FALSE(command.Active());
    EXPECT_THROW(command.Open(), EDatabaseError) << "a statement without rows cannot be opened";
}

} // namespace
} // namespace tarvand::data::test
