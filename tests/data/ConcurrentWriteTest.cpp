// Two users on one company: each with a connection of their own over the same database.
#include "DataTestDatabase.h"
#include "ResultCursor.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

namespace tarvand::data::test {
namespace {

struct Backend {
    const char* name;
    // The connection string of the second user's connection to the first user's database.
    std::function<QString(DataTestDatabase&)> connectionString;
    friend void PrintTo(const Backend& backend, std::ostream* out) { *out << backend.name; }
};

class ConcurrentWriting : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        db.createCodedTable({"1", "2", "3"});
        other.SetConnectionString(GetParam().connectionString(db));
        other.Open();
    }
    std::unique_ptr<TADOTable> otherTable() {
        auto table = std::make_unique<TADOTable>();
        table->SetConnection(&other);
        table->SetTableName("Makan");
        table->Open();
        return table;
    }
    static std::string failure(const std::function<void()>& operation) {
        try {
            operation();
        } catch (const EDatabaseError& error) {
            return error.Message.toStdString();
        }
        return {};
    }
    DataTestDatabase db;
    TADOConnection other;
};

const std::string kRowNotLocated =
    "Row cannot be located for updating. Some values may have been changed since it was last read.";

// Both users change one value of a row read before either posted: the second post is refused with
// the row still in edit and its input kept. A NULL read is a value read as well.
TEST_P(ConcurrentWriting, TheSecondPostOfAValueBothChangedIsRefusedKeepingTheInput) {
    for (const char* column : {"Name", "Rate"}) {
        SCOPED_TRACE(column);
        auto mine = db.openTable("Makan");
        auto theirs = otherTable();
        theirs->Edit();
        theirs->FieldByName(column)->SetAsString("11");
        theirs->Post();
        mine->Edit();
        mine->FieldByName(column)->SetAsString("22");
        EXPECT_EQ(failure([&] { mine->Post(); }), kRowNotLocated);
        EXPECT_EQ(mine->State(), TDataSetState::dsEdit);
        EXPECT_EQ(mine->FieldByName(column)->AsString(), "22");
        EXPECT_EQ(db.scalar(QStringLiteral("Select %1 From Makan Where Code = '1'").arg(column)), "11");
    }
    // A row the other user deleted cannot be deleted again.
    auto mine = db.openTable("Makan");
    otherTable()->Delete();
    EXPECT_EQ(failure([&] { mine->Delete(); }), kRowNotLocated);
}

TEST_P(ConcurrentWriting, RowsPostedByOneUserAreSeenByTheOtherOnceTheirRowsAreReadAgain) {
    auto theirs = otherTable();
    auto mine = db.openTable("Makan");
    mine->Append();
    mine->FieldByName("Code")->SetAsString("9");
    mine->Post();
    mine->First();
    mine->Edit();
    mine->FieldByName("Name")->SetAsString("renamed");
    mine->Post();
    EXPECT_FALSE(theirs->Locate("Code", "9"));
    theirs->Requery();
    EXPECT_TRUE(theirs->Locate("Code", "9"));
    EXPECT_TRUE(theirs->Locate("Code", "1"));
    EXPECT_EQ(theirs->FieldByName("Name")->AsString(), "renamed");
}

// Each writer reads the highest number and adds the next one in one transaction; both wait their
// turn and no number is taken twice. Readers and the writer share the file through its log.
TEST_P(ConcurrentWriting, TwoWritersInTwoThreadsBothSucceedWaitingForEachOther) {
    db.exec("Create Table Counter (N int Not Null Primary Key)");
    auto write = [](TADOConnection& connection, std::string& failed) {
        failed = failure([&] {
            for (int i = 0; i < 40; ++i) {
                connection.BeginTrans();
                const auto cursor = connection.Backend().query("Select IsNull(Max(N), 0) From Counter");
                const qint64 next = cursor->next() ? cursor->cellInt(0) + 1 : 0;
                connection.Execute(QStringLiteral("Insert Into Counter (N) Values (%1)").arg(next));
                connection.CommitTrans();
            }
        });
    };
    std::string failed[2];
    std::thread first(write, std::ref(db.connection()), std::ref(failed[0]));
    std::thread second(write, std::ref(other), std::ref(failed[1]));
    first.join();
    second.join();
    EXPECT_EQ(failed[0] + failed[1], "");
    EXPECT_EQ(db.scalar("Select Count(*) From Counter"), "80");
    EXPECT_TRUE(QFile::exists(db.path() + "-wal"));
}

INSTANTIATE_TEST_SUITE_P(Backends, ConcurrentWriting,
                         ::testing::Values(Backend{
                             "SQLite",
                             [](DataTestDatabase& db) { return db.connection().ConnectionString(); }}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvand::data::test
