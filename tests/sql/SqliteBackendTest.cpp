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

TEST_F(SqliteBackendTest, RollbackDiscardsChanges) {
    SqliteBackend db(file());
    db.execute("Create Table T (Code varchar(10))");
    db.beginTransaction();
    db.execute("Insert Into T Values ('a')");
    db.rollback();
    auto cursor = db.query("Select Count(*) From T");
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(cursor->cellInt(0), 0);
}

TEST_F(SqliteBackendTest, FailuresRaiseDatabaseErrors) {
    SqliteBackend db(file());
    EXPECT_THROW(db.query("Select * From Missing"), EDatabaseError);
    EXPECT_THROW(db.execute("Insert Into Missing Values (1)"), EDatabaseError);
}
