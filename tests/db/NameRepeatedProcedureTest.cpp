// sp_Is_Name_Repeated: a row when the name is already used in the table, none when it is free.

#include "CompanyDatabaseTest.h"
#include "SqlEscape.h"

using tarvand::SqlEscape;

class NameRepeatedProcedureTest : public CompanyDatabaseTest {
protected:
    // The call as the editors build it, every argument passed through the quoting helper.
    bool repeated(const QString& table, const QString& expression, const QString& value) {
        const QString call = QStringLiteral("sp_Is_Name_Repeated '%1', '%2', '%3'")
                                 .arg(SqlEscape(table), SqlEscape(expression), SqlEscape(value));
        return select(call).rowCount() > 0;
    }
};

// Names differing only in blanks and kashidas are the same; a characteristic's name is repeated only
// under its own code ("رنگ" is a row of the vehicle (1) and machine (3) characteristics, not the
// computer's); a person's name is the first name followed by the family.
TEST_F(NameRepeatedProcedureTest, NamesAreFoundAsTheEditorsCompareThem) {
    const QString characteristic = QStringLiteral("Cast(SakhtarCod As Varchar(20))+SakhtarNam");
    const QList<std::tuple<QString, QString, QString, bool>> names = {
        {"D_Makan", "MakanNam", "كارخانه - انبار مركزي", true},
        {"D_Makan", "MakanNam", "انبار شماره سه", false},
        {"D_Makan", "MakanNam", "كارخانه-انبار  مركزي", true},
        {"D_Makan", "MakanNam", "كارخانـه - انبار مركـزي", true},
        {"D_VazDarae", "VazNam", " راكد ", true},
        {"D_Sakhtar", characteristic, "  1رنگ", true},
        {"D_Sakhtar", characteristic, "  3رنگ", true},
        {"D_Sakhtar", characteristic, "  2رنگ", false},
        {"Person", "Name+Family", "عليرضايي", true},
        {"Person", "Name+Family", "علياحمدي", false},
        {"D_Makan", "MakanNam", "انبار 'الف'", false},
        {"D_Makan", "MakanNam", "x' Or 'a'='a", false},
    };
    for (const auto& [table, expression, value, expected] : names) {
        EXPECT_EQ(repeated(table, expression, value), expected) << value.toStdString();
    }
    exec("Insert Into D_Makan (MakanCod, MakanNam, Tafsily2) Values (' 10', 'انبار ''الف''', '020002')");
    EXPECT_TRUE(repeated("D_Makan", "MakanNam", QStringLiteral("انبار 'الف'")));
    EXPECT_FALSE(repeated("D_Makan", "MakanNam", QStringLiteral("انبار 'ب'")));
}

TEST_F(NameRepeatedProcedureTest, EveryEditedTableAnswersForItsNameColumn) {
    const QList<std::tuple<const char*, const char*, QString>> names = {
        {"D_Makan", "MakanNam", QStringLiteral("دفتر فروش خيابان وليعصر")},
        {"D_VazDarae", "VazNam", QStringLiteral("در حال تعمير")},
        {"D_Vezarat", "VezNam", QStringLiteral("وسايط نقليه")},
        {"D_Gheimat", "GheimatNam", QStringLiteral("هزينه حمل")},
        {"D_Mabadi", "MabadiNam", QStringLiteral("ساخت داخلي")},
        {"D_Madeh151", "MadehNam", QStringLiteral("ابزار آلات")},
        {"D_Sakhtar", "Cast(SakhtarCod As Varchar(20))+SakhtarNam", QStringLiteral("  2پردازنده")},
        {"Depart_1", "Desk", QStringLiteral("توليد")},
        {"Tafsily2", "NamHesab", QStringLiteral("انبار مركزي")},
        {"GrohTafsily2", "Tafsily2GrohNam", QStringLiteral("مراكز خدماتي")},
        {"Person", "Name+Family", QStringLiteral("سارانوري")}};
    for (const auto& [table, expression, value] : names) {
        EXPECT_TRUE(repeated(table, expression, value)) << table;
        EXPECT_FALSE(repeated(table, expression, value + QStringLiteral("ي دوم"))) << table;
    }
}
