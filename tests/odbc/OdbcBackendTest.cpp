#include "EDatabaseError.h"
#include "OdbcTestDatabase.h"

using namespace tarvand;
using namespace tarvand::sql;

namespace {

class OdbcBackendTest : public OdbcTestDatabase {};

const QString persianName = "میز اداری چوبی";

qint64 countRows(SqlBackend& backend, const QString& table) {
    auto cursor = backend.query("Select Count(*) From " + table);
    EXPECT_TRUE(cursor->next());
    return cursor->cellInt(0);
}

} // namespace

TEST_F(
    OdbcBackendTest,
    ParametersTypedNullsAndBlobsRoundTripChangesReportTheirRowCountsAndStatementsWithoutRowsGiveEmptyCursors) {
    db->execute(
        "Create Table D_Amval (DaraCod varchar(10) Not Null, DaraNam varchar(50), Qty int, Price float)");
    EXPECT_EQ(db->execute("Insert Into D_Amval Values (?, ?, ?, ?)",
                          {"001", persianName, qint64(5000000000), 12.75}),
              1);
    EXPECT_EQ(db->execute("Insert Into D_Amval Values (?, ?, ?, ?)", {"002", QVariant(), 7, QVariant()}), 1);
    auto cursor = db->query("Select DaraCod, DaraNam, Qty, Price From D_Amval Where DaraCod = ?", {"001"});
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(cellString(*cursor, 0), "001");
    EXPECT_EQ(cellString(*cursor, 1), persianName);
    EXPECT_EQ(cursor->cellInt(2), 5000000000);
    EXPECT_DOUBLE_EQ(cursor->cellFloat(3), 12.75);
    EXPECT_FALSE(cursor->next());
    cursor = db->query("Select DaraNam, Qty, Price From D_Amval Where DaraCod = '002'");
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(cursor->cellKind(0), ColumnKind::Unknown);
    EXPECT_TRUE(cursor->cellText(0).empty());
    EXPECT_EQ(cursor->cellKind(1), ColumnKind::Integer);
    EXPECT_EQ(cursor->cellInt(1), 7);
    EXPECT_EQ(cursor->cellKind(2), ColumnKind::Unknown);
    db->execute("Create Table D_Makan (MakanCod varchar(10), MakanNam varchar(40))");
    for (const char* code : {"1", "2", "3"}) {
        db->execute("Insert Into D_Makan Values (?, ?)", {QString::fromLatin1(code), persianName});
    }
    EXPECT_EQ(db->execute("Update D_Makan Set MakanNam = ? Where MakanCod <> ?", {QVariant(), "1"}), 2);
    EXPECT_EQ(db->execute("Update D_Makan Set MakanNam = 'x' Where MakanCod = 'none'"), 0);
    EXPECT_EQ(countRows(*db, "D_Makan Where MakanNam Is Null"), 2);
    EXPECT_EQ(db->execute("Delete From D_Makan Where MakanCod = ?", {"1"}), 1);
    EXPECT_EQ(countRows(*db, "D_Makan"), 2);
    EXPECT_EQ(db->execute("Create Table Other (A int)"), 0);
    db->execute("Create Table Pic (Id int, Data varbinary(100), Note varchar(10))");
    const QByteArray bytes("\x00\x01\xff\x7f", 4);
    db->execute("Insert Into Pic Values (?, ?, ?)", {1, bytes, ""});
    db->execute("Insert Into Pic Values (?, ?, ?)",
                {QVariant(QMetaType::fromType<int>()), QVariant(QMetaType::fromType<QByteArray>()),
                 QVariant(QMetaType::fromType<QString>())});
    cursor = db->query("Select Id, Data, Note From Pic Order By Id");
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(cursor->cellKind(0), ColumnKind::Unknown);
    EXPECT_EQ(cursor->cellKind(1), ColumnKind::Unknown);
    EXPECT_EQ(cursor->cellKind(2), ColumnKind::Unknown);
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(cursor->cellKind(1), ColumnKind::Blob);
    const std::string_view stored = cursor->cellText(1);
    EXPECT_EQ(QByteArray(stored.data(), qsizetype(stored.size())), bytes);
    EXPECT_EQ(cursor->cellKind(2), ColumnKind::Text) << "an empty string is not NULL";
    EXPECT_TRUE(cursor->cellText(2).empty());
    cursor = db->query("Create Table T (A int)");
    EXPECT_TRUE(cursor->columns().isEmpty());
    EXPECT_FALSE(cursor->next());
    EXPECT_FALSE(cursor->next());
    EXPECT_EQ(cursor->cellKind(0), ColumnKind::Unknown);
    cursor = db->query("Insert Into T Values (?)", {1});
    EXPECT_FALSE(cursor->next());
    EXPECT_EQ(countRows(*db, "T"), 1);
}

// The engine's text without driver tags; the connection stays usable after an error.
TEST_F(OdbcBackendTest, ErrorsCarryTheEnginesTextAndLeaveTheConnectionUsableAndAFailedConnectionSaysWhy) {
    db->execute("Create Table D_Sakhtar (SakhtarCod varchar(10), SakhtarRaj int, "
                "Constraint PK_D_Sakhtar Primary Key (SakhtarCod, SakhtarRaj))");
    db->execute("Insert Into D_Sakhtar Values (?, ?)", {"A", 1});
    const auto message = [this](const QString& statement, const QVariantList& params) {
        try {
            db->execute(statement, params);
        } catch (const EDatabaseError& error) {
            EXPECT_FALSE(error.Message.startsWith(u'[')) << error.Message.toStdString();
            return error.Message;
        }
        return QString("<no error>");
    };
    EXPECT_TRUE(message("Select * From Missing", {}).startsWith("no such table: Missing"));
    EXPECT_TRUE(message("Selec 1", {}).contains("syntax error"));
    EXPECT_TRUE(message("Insert Into D_Sakhtar Values (?, ?)", {"A", 1})
                    .startsWith("UNIQUE constraint failed: D_Sakhtar.SakhtarCod, D_Sakhtar.SakhtarRaj"));
    EXPECT_NE(message("Insert Into D_Sakhtar Values (?, ?)", {1}), "<no error>");
    EXPECT_NE(message("Insert Into D_Sakhtar Values (?, ?)", {}), "<no error>");
    EXPECT_EQ(countRows(*db, "D_Sakhtar"), 1);
    EXPECT_EQ(db->execute("Insert Into D_Sakhtar Values (?, ?)", {"A", 2}), 1);
    try {
        tarvand::sql::OdbcBackend broken(QStringLiteral("DRIVER=%1;Database=%2")
                                             .arg(dir.filePath("no-such-driver.so"), dir.filePath("x.db")));
        FAIL() << "connected";
    } catch (const EDatabaseError& error) {
        EXPECT_FALSE(error.Message.isEmpty());
        EXPECT_FALSE(error.Message.startsWith(u'[')) << error.Message.toStdString();
        EXPECT_TRUE(error.Message.contains("no-such-driver.so")) << error.Message.toStdString();
    }
}

TEST_F(OdbcBackendTest, TransactionsRollBackCommitAndRefuseCallsOutOfOrder) {
    EXPECT_THROW(db->commit(), EDatabaseError);
    EXPECT_THROW(db->rollback(), EDatabaseError);
    db->execute("Create Table T (A int)");
    db->beginTransaction();
    EXPECT_THROW(db->beginTransaction(), EDatabaseError);
    db->execute("Insert Into T Values (1)");
    EXPECT_EQ(countRows(*db, "T"), 1);
    db->rollback();
    EXPECT_EQ(countRows(*db, "T"), 0);
    db->beginTransaction();
    db->execute("Insert Into T Values (2)");
    db->commit();
    EXPECT_EQ(countRows(*connect(), "T"), 1) << "committed rows are visible to other connections";
    db->execute("Insert Into T Values (3)");
    EXPECT_EQ(countRows(*connect(), "T"), 2) << "outside a transaction every statement commits";
    // A cursor outlives its backend.
    auto cursor = db->query("Select A From T Order By A");
    db.reset();
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(cursor->cellInt(0), 2);
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(cursor->cellInt(0), 3);
    EXPECT_FALSE(cursor->next());
    db = connect();
    db->beginTransaction();
    db->execute("Insert Into T Values (4)");
    db.reset();
    EXPECT_EQ(countRows(*connect(), "T"), 2) << "an open transaction is rolled back on closing";
}
