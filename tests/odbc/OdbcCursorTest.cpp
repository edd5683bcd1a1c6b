#include "EDatabaseError.h"
#include "OdbcTestDatabase.h"

using namespace tarvand;
using namespace tarvand::sql;

namespace {

class OdbcCursorTest : public OdbcTestDatabase {};

// Long Persian text with a running number in it, so that a value cut or shifted shows up.
QString longText(int length, int seed) {
    const QString letters = "ابپتثجچحخدذرزژسشصضطظعغفقکگلمنوهی ";
    QString text;
    text.reserve(length);
    for (int i = 0; text.size() < length; ++i) {
        text += i % 97 == 0 ? QString::number(seed + i) : QString(letters.at((seed + i) % letters.size()));
    }
    text.truncate(length);
    return text;
}

} // namespace

TEST_F(OdbcCursorTest, ColumnsReportKindsDeclaredLengthsBaseTablesAndKeyFlags) {
    db->execute("Create Table Koll (Id integer Primary Key Autoincrement, KolCod varchar(10) Not Null, "
                "KolNam nvarchar(40), Sath int, Mande float, Sharh text, Pic varbinary(20))");
    auto cursor = db->query("Select KolCod, KolNam, Sath, Mande, Sharh, Pic, Sath + 1, Id From Koll");
    const QList<ColumnInfo>& columns = cursor->columns();
    ASSERT_EQ(columns.size(), 8);
    EXPECT_EQ(columns[0].name, "KolCod");
    EXPECT_EQ(columns[0].declaredType, "varchar(10)");
    EXPECT_EQ(columns[0].baseTable, "Koll");
    EXPECT_EQ(columns[0].baseColumn, "KolCod");
    EXPECT_TRUE(columns[0].notNull);
    EXPECT_FALSE(columns[0].primaryKey);
    EXPECT_FALSE(columns[0].autoIncrement);
    EXPECT_FALSE(columns[1].notNull);
    // Text has no declared length.
    const QList<ColumnKind> kinds = {ColumnKind::Text,  ColumnKind::Text, ColumnKind::Integer,
                                     ColumnKind::Float, ColumnKind::Text, ColumnKind::Blob};
    const QList<int> sizes = {10, 40, 0, 0, 0, 0};
    for (int i = 0; i < kinds.size(); ++i) {
        EXPECT_EQ(columns[i].kind, kinds[i]) << i;
        EXPECT_EQ(columns[i].size, sizes[i]) << i;
    }
    EXPECT_TRUE(columns[6].baseTable.isEmpty());
    EXPECT_TRUE(columns[6].baseColumn.isEmpty());
    EXPECT_TRUE(columns[6].declaredType.isEmpty());
    EXPECT_TRUE(columns[7].primaryKey);
    EXPECT_TRUE(columns[7].autoIncrement);
    EXPECT_FALSE(cursor->next()) << "sizes are known on an empty table";
    // Persian text fills its declared length in characters.
    const QString tenLetters = "حسابداریها";
    db->execute("Insert Into Koll (KolCod, KolNam) Values (?, '')", {tenLetters});
    cursor = db->query("Select KolCod From Koll");
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(cellString(*cursor, 0), tenLetters);
}

TEST_F(OdbcCursorTest, LargeResultsAreReadCompletelyAndInOrder) {
    db->execute("Create Table D_Amval (Id int, Code varchar(12), Name varchar(60), Price float)");
    constexpr int rows = 20000;
    db->beginTransaction();
    for (int i = 0; i < rows; ++i) {
        db->execute("Insert Into D_Amval Values (?, ?, ?, ?)",
                    {i, QStringLiteral("C%1").arg(i, 6, 10, QLatin1Char('0')),
                     i % 7 == 0 ? QVariant() : QVariant(longText(10 + i % 50, i)), i * 0.5});
    }
    db->commit();
    auto cursor = db->query("Select Id, Code, Name, Price From D_Amval Order By Id");
    int seen = 0;
    while (cursor->next()) {
        ASSERT_EQ(cursor->cellInt(0), seen);
        ASSERT_EQ(cellString(*cursor, 1), QStringLiteral("C%1").arg(seen, 6, 10, QLatin1Char('0')));
        if (seen % 7 == 0) {
            ASSERT_EQ(cursor->cellKind(2), ColumnKind::Unknown);
        } else {
            ASSERT_EQ(cellString(*cursor, 2), longText(10 + seen % 50, seen)) << "row " << seen;
        }
        ASSERT_DOUBLE_EQ(cursor->cellFloat(3), seen * 0.5);
        ++seen;
    }
    EXPECT_EQ(seen, rows);
    EXPECT_FALSE(cursor->next());
}

TEST_F(OdbcCursorTest, LongValuesAreReadWholeWithTheColumnsAroundThem) {
    db->execute("Create Table Asnad (Id int, Sharh text, Qty int, Pic blob)");
    const QString small = "کوتاه";
    const QString large = longText(100000, 3);
    QByteArray picture(70000, '\0');
    for (int i = 0; i < picture.size(); ++i) {
        picture[i] = char(i * 31);
    }
    db->execute("Insert Into Asnad Values (?, ?, ?, ?)", {1, small, 10, QByteArray("ab")});
    db->execute("Insert Into Asnad Values (?, ?, ?, ?)", {2, large, 20, picture});
    db->execute("Insert Into Asnad Values (?, ?, ?, ?)", {3, QVariant(), 30, QVariant()});
    db->execute("Insert Into Asnad Values (?, ?, ?, ?)", {4, longText(5000, 9), 40, QByteArray()});
    auto cursor = db->query("Select Id, Sharh, Qty, Pic From Asnad Order By Id");
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(cellString(*cursor, 1), small);
    EXPECT_EQ(cursor->cellInt(2), 10);
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(cellString(*cursor, 1), large);
    EXPECT_EQ(cursor->cellInt(2), 20);
    const std::string_view bytes = cursor->cellText(3);
    EXPECT_EQ(QByteArray(bytes.data(), qsizetype(bytes.size())), picture);
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(cursor->cellKind(1), ColumnKind::Unknown) << "a NULL after a long value";
    EXPECT_EQ(cursor->cellInt(2), 30);
    EXPECT_EQ(cursor->cellKind(3), ColumnKind::Unknown);
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(cellString(*cursor, 1), longText(5000, 9));
    EXPECT_EQ(cursor->cellInt(0), 4);
    EXPECT_FALSE(cursor->next());
}

TEST_F(OdbcCursorTest, TextViewsStayValidTogetherCellsConvertAndOverlongValuesAreErrorsNotCutText) {
    db->execute("Create Table T (A varchar(20), B varchar(20), N int, F float, Code varchar(10))");
    db->execute("Insert Into T Values ('اول', 'دوم', -42, 3.75, ' 00012 ')");
    auto cursor = db->query("Select A, B, N, F, Code From T");
    ASSERT_TRUE(cursor->next());
    const std::string_view a = cursor->cellText(0);
    const std::string_view b = cursor->cellText(1);
    const std::string_view n = cursor->cellText(2);
    const std::string_view f = cursor->cellText(3);
    EXPECT_EQ(QString::fromUtf8(a.data(), qsizetype(a.size())), "اول");
    EXPECT_EQ(QString::fromUtf8(b.data(), qsizetype(b.size())), "دوم");
    EXPECT_EQ(n, "-42");
    EXPECT_EQ(f, "3.75");
    EXPECT_EQ(cellString(*cursor, 0), "اول") << "reading a cell twice gives it again";
    EXPECT_EQ(cursor->cellInt(4), 12);
    EXPECT_DOUBLE_EQ(cursor->cellFloat(4), 12.0);
    EXPECT_DOUBLE_EQ(cursor->cellFloat(2), -42.0);
    EXPECT_EQ(cursor->cellInt(3), 3);
    EXPECT_EQ(cursor->cellKind(7), ColumnKind::Unknown) << "a column past the end reads as NULL";
    EXPECT_EQ(cursor->cellInt(-1), 0);
    // SQL Server enforces declared lengths; SQLite does not, so a bound slot can overflow here.
    db->execute("Create Table Codes (Code varchar(3))");
    db->execute("Insert Into Codes Values ('abcdefgh')");
    cursor = db->query("Select Code From Codes");
    try {
        cursor->next();
        FAIL() << "cut text was returned: " << cellString(*cursor, 0).toStdString();
    } catch (const EDatabaseError& error) {
        EXPECT_TRUE(error.Message.contains("'Code'")) << error.Message.toStdString();
    }
    EXPECT_FALSE(cursor->next());
}

TEST_F(OdbcCursorTest, AnAbandonedCursorLeavesTheConnectionUsable) {
    db->execute("Create Table T (A int)");
    db->beginTransaction();
    for (int i = 0; i < 3000; ++i) {
        db->execute("Insert Into T Values (?)", {i});
    }
    db->commit();
    {
        auto cursor = db->query("Select A From T");
        ASSERT_TRUE(cursor->next());
    }
    EXPECT_EQ(db->execute("Delete From T Where A < 10"), 10);
    auto cursor = db->query("Select Count(*) From T");
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(cursor->cellInt(0), 2990);
}
