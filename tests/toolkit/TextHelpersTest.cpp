#include "Cp1256.h"
#include "TGlobal.h"

#include <gtest/gtest.h>

using tarvand::Cp1256;
using tarvand::TGlobal;

TEST(Settings, KeysMatchUpperCasedAndFirstOccurrenceWins) {
    const QString text = "NAMTAFSILY2=مراكز هزينه;TYPESARFASLCOD=num;";
    EXPECT_EQ(TGlobal::GetSetting(text, "namtafsily2"), "مراكز هزينه");
    EXPECT_EQ(TGlobal::GetSetting(text, "TypeSarfaslCod"), "NUM");
    EXPECT_EQ(TGlobal::GetSetting(text, "ABSENT"), QString());
    // A longer key ending with the wanted one matches too, and the first entry wins.
    EXPECT_EQ(TGlobal::GetSetting("XNAMPROJECT=Q;NAMPROJECT=P;", "NAMPROJECT"), "Q");
    EXPECT_EQ(TGlobal::GetSetting("A=;B=2", "A"), QString());
    EXPECT_EQ(TGlobal::GetSetting("A=1;B=2", "B"), "2");
}

TEST(Settings, SetSettingReplacesOrAppendsInUpperCase) {
    EXPECT_EQ(TGlobal::SetSetting("a=1;b=2;", "b", "x"), "A=1;B=X;");
    EXPECT_EQ(TGlobal::SetSetting("A=1;", "N_DEP_VAHED", "1,2"), "A=1;N_DEP_VAHED=1,2;");
    // The last entry without its semicolon is replaced whole.
    EXPECT_EQ(TGlobal::SetSetting("A=1;B=2", "B", "3"), "A=1;B=3;");
    EXPECT_EQ(TGlobal::SetSetting("_A=1;_B=2;", "_C", "9"), "_A=1;_B=2;_C=9;");
    // A key that ends another key's name is not confused with it.
    EXPECT_EQ(TGlobal::GetSetting("_AB=5;_A=7;", "_A"), "7");
    EXPECT_EQ(TGlobal::SetSetting("_AB=5;_A=7;", "_A", "8"), "_AB=5;_A=8;");
    EXPECT_EQ(TGlobal::SetSetting("_AB=5;", "_A", "8"), "_AB=5;_A=8;");
    const QString round = TGlobal::SetSetting(QString(), "K", "مقدار");
    EXPECT_EQ(TGlobal::GetSetting(round, "k"), "مقدار");
}

TEST(Padding, RightAlignsAndCutsToWidth) {
    EXPECT_EQ(TGlobal::PadBlank("abc", 5), "  abc");
    EXPECT_EQ(TGlobal::PadBlank("abc", 2), "ab");
    EXPECT_EQ(TGlobal::PadChar("12", QLatin1Char('0'), 6), "000012");
    EXPECT_EQ(TGlobal::PadChar(QString(), QLatin1Char('0'), 3), "000");
    EXPECT_EQ(TGlobal::PadBlank("abc", 0), QString());
}

TEST(Keyboard, NumModeLetsOnlyDigitsAndBackspaceThrough) {
    const QString num = "NUM";
    for (char c = '0'; c <= '9'; ++c)
        EXPECT_TRUE(TGlobal::KeyAllowed(num, QLatin1Char(c)));
    EXPECT_TRUE(TGlobal::KeyAllowed(num, QChar(8)));
    EXPECT_FALSE(TGlobal::KeyAllowed(num, QLatin1Char('-')));
    EXPECT_FALSE(TGlobal::KeyAllowed(num, QLatin1Char('.')));
    EXPECT_FALSE(TGlobal::KeyAllowed(num, QChar(0x06F1))); // Persian digit one
    EXPECT_TRUE(TGlobal::KeyAllowed("ALL", QLatin1Char('-')));
    EXPECT_TRUE(TGlobal::KeyAllowed(QString(), QChar(0x0627)));
}

TEST(Keyboard, NormalizeKeyMapsLettersOnceByLayoutAndPlatform) {
    TGlobal global;
    global.KeyboardLayout = "WIN";
    global.PlatformName = "Windows NT";
    EXPECT_EQ(global.NormalizeKey(QChar(0x0649)), QChar(0x0649)); // unchanged on the standard layout

    global.KeyboardLayout = "IRAN";
    EXPECT_EQ(global.NormalizeKey(QChar(0x0649)), QChar(0x064A)); // alef maksura -> yeh
    EXPECT_EQ(global.NormalizeKey(QChar(0x06A9)), QChar(0x0643)); // keheh -> kaf
    EXPECT_EQ(global.NormalizeKey(QChar(0x00F7)), QChar(0x067E)); // division sign -> peh, not on to jeh
    EXPECT_EQ(global.NormalizeKey(QChar(0x067E)), QChar(0x0698)); // peh -> jeh
    EXPECT_EQ(global.NormalizeKey(QLatin1Char('a')), QLatin1Char('a'));

    global.PlatformName = "Windows 95";
    EXPECT_EQ(global.NormalizeKey(QChar(0x00F7)), QChar(0x00F7));
    EXPECT_EQ(global.NormalizeKey(QChar(0x067E)), QChar(0x067E));
    EXPECT_EQ(global.NormalizeKey(QChar(0x06A9)), QChar(0x0643));
}

TEST(Text, RemoveBlanksDropsBlanksAndKashidas) {
    EXPECT_EQ(TGlobal::RemoveBlanks(" انبار  مركـزي "), "انبارمركزي");
    EXPECT_EQ(TGlobal::RemoveBlanks(QString()), QString());
}

TEST(Text, ReplaceFirstAndAll) {
    EXPECT_EQ(TGlobal::ReplaceFirst("a-b-c", "-", "+", QString()), "a+b-c");
    EXPECT_EQ(TGlobal::ReplaceFirst("Where X", "Where", "And", "BLANK"), " And  X");
    EXPECT_EQ(TGlobal::ReplaceFirst("abc", "z", "y", QString()), "abc");
    EXPECT_EQ(TGlobal::ReplaceAll("a\r\nb\r\nc", "\r\n", QString()), "abc");
    // A replacement containing the old text would loop for ever; it is left alone.
    EXPECT_EQ(TGlobal::ReplaceAll("aa", "a", "ab"), "aa");
}

TEST(Text, FormatAmountGroupsThousands) {
    EXPECT_EQ(TGlobal::FormatAmount("1234567"), "1,234,567");
    EXPECT_EQ(TGlobal::FormatAmount("-1234.5"), "-1,234.5");
    EXPECT_EQ(TGlobal::FormatAmount("123"), "123");
    EXPECT_EQ(TGlobal::FormatAmount("1000"), "1,000");
    EXPECT_EQ(TGlobal::FormatAmount("123456"), "123,456");
    EXPECT_EQ(TGlobal::FormatAmount(""), "0");
    EXPECT_EQ(TGlobal::FormatAmount(" 0 "), "0");
    EXPECT_EQ(TGlobal::FormatAmount("12345/5"), "12,345/5");
}

TEST(Text, FiscalPeriodSuffixNamesOneOrTwoYears) {
    TGlobal global;
    global.PeriodFrom = "1403/01/01";
    global.PeriodTo = "1403/12/29";
    EXPECT_EQ(global.FiscalPeriodSuffix(), " دوره مالي[1403]");
    global.PeriodTo = "1404/06/31";
    EXPECT_EQ(global.FiscalPeriodSuffix(), " دوره مالي[1404-1403]");
}

TEST(CodePage, RoundTripsPersianAndMapsKnownBytes) {
    EXPECT_EQ(Cp1256::toUnicode(220), QChar(0x0640));
    EXPECT_EQ(Cp1256::toByte(QChar(0x067E)), 129);
    EXPECT_EQ(Cp1256::toByte(QChar(0x06CC)), -1); // Farsi yeh has no byte in this code page
    const QString text = "ثبت اطلاعات پايه داراييها 123";
    EXPECT_EQ(Cp1256::decode(Cp1256::encode(text)), text);
    EXPECT_EQ(Cp1256::encode("a\u4e2d"), QByteArray("a?"));
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(Cp1256::toByte(Cp1256::toUnicode(static_cast<unsigned char>(b))), b);
}
