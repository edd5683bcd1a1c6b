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

TEST_F(NameRepeatedProcedureTest, NameOfAnExistingRowIsRepeated) {
    EXPECT_TRUE(repeated("D_Makan", "MakanNam", QStringLiteral("كارخانه - انبار مركزي")));
}

TEST_F(NameRepeatedProcedureTest, UnusedNameIsFree) {
    EXPECT_FALSE(repeated("D_Makan", "MakanNam", QStringLiteral("انبار شماره سه")));
}

TEST_F(NameRepeatedProcedureTest, NamesDifferingOnlyInBlanksAndKashidasAreTheSame) {
    EXPECT_TRUE(repeated("D_Makan", "MakanNam", QStringLiteral("كارخانه-انبار  مركزي")));
    EXPECT_TRUE(repeated("D_Makan", "MakanNam", QStringLiteral("كارخانـه - انبار مركـزي")));
    EXPECT_TRUE(repeated("D_VazDarae", "VazNam", QStringLiteral(" راكد ")));
}

TEST_F(NameRepeatedProcedureTest, QuoteInTheValueNeitherBreaksNorWidensTheSearch) {
    const QString quoted = QStringLiteral("انبار 'الف'");
    EXPECT_FALSE(repeated("D_Makan", "MakanNam", quoted));
    EXPECT_FALSE(repeated("D_Makan", "MakanNam", QStringLiteral("x' Or 'a'='a")));
    exec("Insert Into D_Makan (MakanCod, MakanNam, Tafsily2) Values (' 10', 'انبار ''الف''', '020002')");
    EXPECT_TRUE(repeated("D_Makan", "MakanNam", quoted));
    EXPECT_FALSE(repeated("D_Makan", "MakanNam", QStringLiteral("انبار 'ب'")));
}

TEST_F(NameRepeatedProcedureTest, CharacteristicNameIsRepeatedOnlyUnderItsOwnCode) {
    const QString expression = QStringLiteral("Cast(SakhtarCod As Varchar(20))+SakhtarNam");
    // "رنگ" is a row of the vehicle (1) and the machine (3) characteristics, not of the computer one.
    EXPECT_TRUE(repeated("D_Sakhtar", expression, QStringLiteral("  1رنگ")));
    EXPECT_TRUE(repeated("D_Sakhtar", expression, QStringLiteral("  3رنگ")));
    EXPECT_FALSE(repeated("D_Sakhtar", expression, QStringLiteral("  2رنگ")));
}

TEST_F(NameRepeatedProcedureTest, PersonIsRepeatedByFirstNameFollowedByFamily) {
    EXPECT_TRUE(repeated("Person", "Name+Family", QStringLiteral("عليرضايي")));
    EXPECT_FALSE(repeated("Person", "Name+Family", QStringLiteral("علياحمدي")));
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
