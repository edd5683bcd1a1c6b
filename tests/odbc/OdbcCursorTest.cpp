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

TEST_F(OdbcCursorTest, ColumnsReportKindsDeclaredLengthsAndBaseTables) {
    db->execute("Create Table Koll (KolCod varchar(10) Not Null, KolNam nvarchar(40), Sath int, "
                "Mande float, Sharh text, Pic varbinary(20))");
    auto cursor = db->query("Select KolCod, KolNam, Sath, Mande, Sharh, Pic, Sath + 1 From Koll");
    const QList<ColumnInfo>& columns = cursor->columns();
    ASSERT_EQ(columns.size(), 7);

    EXPECT_EQ(columns[0].name, "KolCod");
    EXPECT_EQ(columns[0].kind, ColumnKind::Text);
    EXPECT_EQ(columns[0].size, 10);
    EXPECT_EQ(columns[0].declaredType, "varchar(10)");
    EXPECT_EQ(columns[0].baseTable, "Koll");
    EXPECT_EQ(columns[0].baseColumn, "KolCod");
    EXPECT_EQ(columns[1].size, 40);
    EXPECT_EQ(columns[1].kind, ColumnKind::Text);
    EXPECT_EQ(columns[2].kind, ColumnKind::Integer);
    EXPECT_EQ(columns[2].size, 0);
    EXPECT_EQ(columns[3].kind, ColumnKind::Float);
    EXPECT_EQ(columns[3].size, 0);
    EXPECT_EQ(columns[4].kind, ColumnKind::Text);
    EXPECT_EQ(columns[4].size, 0) << "text has no declared length";
    EXPECT_EQ(columns[5].kind, ColumnKind::Blob);
    EXPECT_EQ(columns[5].size, 0);
    EXPECT_TRUE(columns[6].baseTable.isEmpty());
    EXPECT_TRUE(columns[6].baseColumn.isEmpty());
    EXPECT_TRUE(columns[6].declaredType.isEmpty());
    EXPECT_FALSE(cursor->next()) << "sizes are known on an empty table";
}

TEST_F(OdbcCursorTest, ResultColumnsCarryKeyAndAutoIncrementFlags) {
    db->execute("Create Table Person (Id integer Primary Key Autoincrement, Code varchar(8) Not Null, Name "
                "varchar(30))");
    auto cursor = db->query("Select Id, Code, Name From Person");
    const QList<ColumnInfo>& columns = cursor->columns();
    ASSERT_EQ(columns.size(), 3);
    EXPECT_TRUE(columns[0].primaryKey);
    EXPECT_TRUE(columns[0].autoIncrement);
    EXPECT_FALSE(columns[1].primaryKey);
    EXPECT_FALSE(columns[1].autoIncrement);
    EXPECT_TRUE(columns[1].notNull);
    EXPECT_FALSE(columns[2].notNull);
}

TEST_F(OdbcCursorTest, PersianTextFillsItsDeclaredLengthInCharacters) {
    db->execute("Create Table Depart_1 (Nam varchar(10))");
    const QString tenLetters = "حسابداریها";
    ASSERT_EQ(tenLetters.size(), 10);
    db->execute("Insert Into Depart_1 Values (?)", {tenLetters});
    auto cursor = db->query("Select Nam From Depart_1");
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

TEST_F(OdbcCursorTest, TextViewsOfTheCurrentRowStayValidTogether) {
    db->execute("Create Table T (A varchar(20), B varchar(20), N int, F float)");
    db->execute("Insert Into T Values ('اول', 'دوم', -42, 2.5)");
    auto cursor = db->query("Select A, B, N, F From T");
    ASSERT_TRUE(cursor->next());
    const std::string_view a = cursor->cellText(0);
    const std::string_view b = cursor->cellText(1);
    const std::string_view n = cursor->cellText(2);
    const std::string_view f = cursor->cellText(3);
    EXPECT_EQ(QString::fromUtf8(a.data(), qsizetype(a.size())), "اول");
    EXPECT_EQ(QString::fromUtf8(b.data(), qsizetype(b.size())), "دوم");
    EXPECT_EQ(n, "-42");
    EXPECT_EQ(f, "2.5");
    EXPECT_EQ(cellString(*cursor, 0), "اول") << "reading a cell twice gives it again";
}

TEST_F(OdbcCursorTest, CellsConvertBetweenNumbersAndText) {
    db->execute("Create Table T (Code varchar(10), N int, F float)");
    db->execute("Insert Into T Values (' 00012 ', 7, 3.75)");
    auto cursor = db->query("Select Code, N, F From T");
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(cursor->cellInt(0), 12);
    EXPECT_DOUBLE_EQ(cursor->cellFloat(0), 12.0);
    EXPECT_DOUBLE_EQ(cursor->cellFloat(1), 7.0);
    EXPECT_EQ(cursor->cellInt(2), 3);
    EXPECT_EQ(cursor->cellKind(7), ColumnKind::Unknown) << "a column past the end reads as NULL";
    EXPECT_EQ(cursor->cellInt(-1), 0);
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

TEST_F(OdbcCursorTest, AValueLongerThanItsDeclaredLengthIsAnErrorNotCutText) {
    // SQL Server enforces declared lengths; SQLite does not, so a bound slot can overflow here.
    db->execute("Create Table T (Code varchar(3))");
    db->execute("Insert Into T Values ('abcdefgh')");
    auto cursor = db->query("Select Code From T");
    try {
        cursor->next();
        FAIL() << "cut text was returned: " << cellString(*cursor, 0).toStdString();
    } catch (const EDatabaseError& error) {
        EXPECT_TRUE(error.Message.contains("'Code'")) << error.Message.toStdString();
    }
    EXPECT_FALSE(cursor->next());
}
