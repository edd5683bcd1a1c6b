#include "EDatabaseError.h"
#include "PgBackend.h"
#include "PgConnection.h"
#include "PgTestServer.h"
#include "SqliteBackend.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace tarvand;
using namespace tarvand::sql;

namespace {

// What every backend promises to the data layer, run over the embedded file and a PostgreSQL
// database. Names are compared ignoring case: the server folds unquoted names.
struct Backend {
    const char* name;
    std::function<std::unique_ptr<SqlBackend>(const QTemporaryDir&)> open;
};

class BackendContractTest : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        db = GetParam().open(dir);
        db->execute("Create Table T (K Varchar(3) Not Null, N Int Null, F Float Null, S Varchar(10) Null, "
                    "Constraint PK_T Primary Key (K))");
    }
    QString text(const ResultCursor& cursor, int column) {
        const std::string_view view = cursor.cellText(column);
        return QString::fromUtf8(view.data(), qsizetype(view.size()));
    }
    QString failure(const QString& statement) {
        try {
            db->execute(statement);
        } catch (const EDatabaseError& error) {
            return error.Message;
        }
        return {};
    }
    QTemporaryDir dir;
    std::unique_ptr<SqlBackend> db;
};

void PrintTo(const Backend& backend, std::ostream* out) {
    *out << backend.name;
}

bool same(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

TEST_P(BackendContractTest, BindsParametersAndReadsValuesWithTheirKinds) {
    const QString insert = QStringLiteral("Insert Into T (K, N, F, S) Values (?, ?, ?, ?)");
    EXPECT_EQ(db->execute(insert, {QStringLiteral("ب"), 7, 2.5, QStringLiteral("a'?")}), 1);
    EXPECT_EQ(db->execute(insert, {QStringLiteral("2"), QVariant(), QVariant(), QStringLiteral("x")}), 1);
    EXPECT_EQ(db->execute("Update T Set S = '?' Where K <> ?", {QStringLiteral("none")}), 2);
    auto cursor = db->query("Select [K], N, F, S From [T] Where K = ? Or N Is Null Order By K Desc",
                            {QStringLiteral("ب")});
    ASSERT_EQ(cursor->columns().size(), 4);
    EXPECT_EQ(cursor->columns()[0].size, 3);
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(text(*cursor, 0), QStringLiteral("ب"));
    EXPECT_EQ(cursor->cellKind(1), ColumnKind::Integer);
    EXPECT_EQ(cursor->cellInt(1), 7);
    EXPECT_EQ(cursor->cellKind(2), ColumnKind::Float);
    EXPECT_DOUBLE_EQ(cursor->cellFloat(2), 2.5);
    EXPECT_EQ(text(*cursor, 3), "?");
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(cursor->cellKind(1), ColumnKind::Unknown);
    EXPECT_FALSE(cursor->next());
    EXPECT_TRUE(db->query("Delete From T Where K = '2'")->columns().isEmpty());
}

TEST_P(BackendContractTest, DescribesTablesAndTheirKeys) {
    db->execute("Create Table U (A Varchar(5) Not Null, B Int Not Null, C Varchar(20) Null)");
    db->execute("Create Unique Index IX_U On U (B, A)");
    const QList<ColumnInfo> columns = db->tableColumns("dbo.T");
    ASSERT_EQ(columns.size(), 4);
    EXPECT_TRUE(same(columns[0].name, "K"));
    EXPECT_TRUE(columns[0].notNull && columns[0].primaryKey);
    EXPECT_EQ(columns[3].size, 10);
    EXPECT_FALSE(columns[3].notNull || columns[3].primaryKey);
    const QStringList key = db->keyColumns("T");
    const QStringList unique = db->keyColumns("[U]");
    ASSERT_EQ(key.size(), 1);
    EXPECT_TRUE(same(key[0], "K"));
    ASSERT_EQ(unique.size(), 2);
    EXPECT_TRUE(same(unique[0], "B") && same(unique[1], "A"));
    EXPECT_TRUE(db->tableColumns("Missing").isEmpty());
    EXPECT_TRUE(db->keyColumns("Missing").isEmpty());
}

TEST_P(BackendContractTest, RollsBackAndCommitsAndReportsFailuresInTheServersWords) {
    db->beginTransaction();
    db->execute("Insert Into T (K) Values ('1')");
    db->rollback();
    db->beginTransaction();
    db->execute("Insert Into T (K) Values ('2')");
    db->commit();
    auto cursor = db->query("Select K From T");
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(text(*cursor, 0), "2");
    EXPECT_FALSE(cursor->next());
    EXPECT_TRUE(
        same(failure("Insert Into T (K) Values ('2')"),
             "Violation of PRIMARY KEY constraint 'PK_T'. Cannot insert duplicate key in object 'dbo.T'."));
    EXPECT_EQ(failure("Insert Into T (K) Values ('1234')"), "String or binary data would be truncated.");
    // A statement refused inside a transaction leaves the transaction usable, as on SQL Server.
    db->beginTransaction();
    db->execute("Insert Into T (K) Values ('3')");
    EXPECT_FALSE(failure("Insert Into T (K) Values ('2')").isEmpty());
    db->execute("Insert Into T (K) Values ('4')");
    db->commit();
    auto kept = db->query("Select Count(*) From T Where K In ('3', '4')");
    ASSERT_TRUE(kept->next());
    EXPECT_EQ(kept->cellInt(0), 2);
    EXPECT_TRUE(
        failure("Select * From Missing").startsWith("Invalid object name 'Missing", Qt::CaseInsensitive));
}

// A cursor keeps its rows while other statements run, one left half-read does not hold the
// database, and one failing after its first rows leaves the transaction usable.
TEST_P(BackendContractTest, CursorsReadOnBesideOtherStatements) {
    for (const char* key : {"1", "2", "3"}) {
        db->execute("Insert Into T (K, S) Values (?, ?)", {QString(key), QString(key)});
    }
    db->beginTransaction();
    auto outer = db->query("Select K From T Order By K");
    ASSERT_TRUE(outer->next());
    auto count = db->query("Select Count(*) From T");
    db->execute("Update T Set S = 'x' Where K = '3'");
    ASSERT_TRUE(count->next());
    EXPECT_EQ(count->cellInt(0), 3);
    QStringList keys;
    while (outer->next()) {
        keys.append(text(*outer, 0));
    }
    EXPECT_EQ(keys, QStringList({"2", "3"}));
    EXPECT_TRUE(db->query("Select K From T")->next());
    EXPECT_THROW(
        {
            auto failing = db->query("Select K, Cast(S As Int) From T");
            while (failing->next()) {
            }
        },
        EDatabaseError);
    db->execute("Insert Into T (K) Values ('5')");
    db->commit();
    auto committed = db->query("Select Count(*) From T Where S = 'x' Or K = '5'");
    ASSERT_TRUE(committed->next());
    EXPECT_EQ(committed->cellInt(0), 2);
}

TEST_P(BackendContractTest, KeepsTheServersFunctionsOperatorsAndSystemViews) {
    db->execute("Insert Into T (K, S) Values ('1', 'ab  ')");
    auto cursor =
        db->query("Select IsNull(N, 5), Len(S), CharIndex('B', S), CharIndex('b', 'abcb', 3), S + 'c', "
                  "Replicate('x', 2) + Space(1), Col_Length('dbo.T', 'S'), Object_Id('[T]') From T");
    ASSERT_TRUE(cursor->next());
    const std::vector<std::int64_t> numbers = {5, 2, 2, 4, 0, 0, 10};
    for (int i : {0, 1, 2, 3, 6}) {
        EXPECT_EQ(cursor->cellInt(i), numbers[std::size_t(i)]) << i;
    }
    EXPECT_EQ(text(*cursor, 4), "ab  c");
    EXPECT_EQ(text(*cursor, 5), "xx ");
    EXPECT_NE(cursor->cellKind(7), ColumnKind::Unknown);
    for (const char* system : {"Select Name From SysObjects Where Name = 'T'",
                               "Select Name From SysIndexes Where Name = 'PK_T'"}) {
        auto rows = db->query(system);
        EXPECT_TRUE(rows->next()) << system;
        EXPECT_FALSE(rows->next()) << system;
    }
}

// Only a server database has a past: one made before the character types.
TEST(PostgresUpgrade, ADatabaseMadeBeforeTakesTheCharacterTypesOnItsFirstConnection) {
    const QString uri = PgTestServer::createDatabase();
    {
        PgConnection before(uri);
        before.run(
            "CREATE COLLATION tsql (provider = icu, locale = 'und-u-ks-level2', deterministic = false)");
        before.run("CREATE TABLE d (k varchar(3) COLLATE tsql PRIMARY KEY, v varchar(3) COLLATE tsql)");
        before.run("CREATE VIEW dv AS SELECT v FROM d");
        before.run("INSERT INTO d VALUES ('ab ', 'x')");
    }
    PgBackend upgraded(uri);
    EXPECT_TRUE(upgraded.query("Select K From D Where K = 'AB' And V = 'x'")->next());
    EXPECT_EQ(upgraded.tableColumns("D")[0].size, 3);
    // A column a view reads keeps its type: the server lets no such column change.
    EXPECT_FALSE(upgraded.query("Select V From D Where V = 'x  '")->next());
}

INSTANTIATE_TEST_SUITE_P(Sqlite, BackendContractTest,
                         ::testing::Values(Backend{
                             "Sqlite",
                             [](const QTemporaryDir& dir) -> std::unique_ptr<SqlBackend> {
                                 return std::make_unique<SqliteBackend>(dir.filePath("company.db"));
                             }}),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(Postgres, BackendContractTest,
                         ::testing::Values(Backend{"Postgres",
                                                   [](const QTemporaryDir&) -> std::unique_ptr<SqlBackend> {
                                                       return std::make_unique<PgBackend>(
                                                           PgTestServer::createDatabase());
                                                   }}),
                         [](const auto& info) { return std::string(info.param.name); });
