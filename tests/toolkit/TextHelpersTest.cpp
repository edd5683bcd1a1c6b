#include "Cp1256.h"
#include "TGlobal.h"

#include <gtest/gtest.h>

using tarvand::Cp1256;
using tarvand::TGlobal;

TEST(Settings, KeysMatchUpperCasedAndFirstOccurrenceWins) {
    const QString text = QStringLiteral("NAMTAFSILY2=مراكز هزينه;TYPESARFASLCOD=num;");
    EXPECT_EQ(TGlobal::GetSetting(text, QStringLiteral("namtafsily2")), QStringLiteral("مراكز هزينه"));
    EXPECT_EQ(TGlobal::GetSetting(text, QStringLiteral("TypeSarfaslCod")), QStringLiteral("NUM"));
    EXPECT_EQ(TGlobal::GetSetting(text, QStringLiteral("ABSENT")), QString());
    // A longer key ending with the wanted one matches too, and the first entry wins.
    EXPECT_EQ(
        TGlobal::GetSetting(QStringLiteral("XNAMPROJECT=Q;NAMPROJECT=P;"), QStringLiteral("NAMPROJECT")),
        QStringLiteral("Q"));
    EXPECT_EQ(TGlobal::GetSetting(QStringLiteral("A=;B=2"), QStringLiteral("A")), QString());
    EXPECT_EQ(TGlobal::GetSetting(QStringLiteral("A=1;B=2"), QStringLiteral("B")), QStringLiteral("2"));
}

TEST(Settings, SetSettingReplacesOrAppendsInUpperCase) {
    EXPECT_EQ(TGlobal::SetSetting(QStringLiteral("a=1;b=2;"), QStringLiteral("b"), QStringLiteral("x")),
              QStringLiteral("A=1;B=X;"));
    EXPECT_EQ(
        TGlobal::SetSetting(QStringLiteral("A=1;"), QStringLiteral("N_DEP_VAHED"), QStringLiteral("1,2")),
        QStringLiteral("A=1;N_DEP_VAHED=1,2;"));
    // The last entry without its semicolon is replaced whole.
    EXPECT_EQ(TGlobal::SetSetting(QStringLiteral("A=1;B=2"), QStringLiteral("B"), QStringLiteral("3")),
              QStringLiteral("A=1;B=3;"));
    const QString round = TGlobal::SetSetting(QString(), QStringLiteral("K"), QStringLiteral("مقدار"));
    EXPECT_EQ(TGlobal::GetSetting(round, QStringLiteral("k")), QStringLiteral("مقدار"));
}

TEST(Padding, RightAlignsAndCutsToWidth) {
    EXPECT_EQ(TGlobal::PadBlank(QStringLiteral("abc"), 5), QStringLiteral("  abc"));
    EXPECT_EQ(TGlobal::PadBlank(QStringLiteral("abc"), 2), QStringLiteral("ab"));
    EXPECT_EQ(TGlobal::PadChar(QStringLiteral("12"), QLatin1Char('0'), 6), QStringLiteral("000012"));
    EXPECT_EQ(TGlobal::PadChar(QString(), QLatin1Char('0'), 3), QStringLiteral("000"));
    EXPECT_EQ(TGlobal::PadBlank(QStringLiteral("abc"), 0), QString());
}

TEST(Keyboard, NumModeLetsOnlyDigitsAndBackspaceThrough) {
    const QString num = QStringLiteral("NUM");
    for (char c = '0'; c <= '9'; ++c)
        EXPECT_TRUE(TGlobal::KeyAllowed(num, QLatin1Char(c)));
    EXPECT_TRUE(TGlobal::KeyAllowed(num, QChar(8)));
    EXPECT_FALSE(TGlobal::KeyAllowed(num, QLatin1Char('-')));
    EXPECT_FALSE(TGlobal::KeyAllowed(num, QLatin1Char('.')));
    EXPECT_FALSE(TGlobal::KeyAllowed(num, QChar(0x06F1))); // Persian digit one
    EXPECT_TRUE(TGlobal::KeyAllowed(QStringLiteral("ALL"), QLatin1Char('-')));
    EXPECT_TRUE(TGlobal::KeyAllowed(QString(), QChar(0x0627)));
}

TEST(Keyboard, NormalizeKeyMapsLettersOnceByLayoutAndPlatform) {
    TGlobal global;
    global.KeyboardLayout = QStringLiteral("WIN");
    global.PlatformName = QStringLiteral("Windows NT");
    EXPECT_EQ(global.NormalizeKey(QChar(0x0649)), QChar(0x0649)); // unchanged on the standard layout

    global.KeyboardLayout = QStringLiteral("IRAN");
    EXPECT_EQ(global.NormalizeKey(QChar(0x0649)), QChar(0x064A)); // alef maksura -> yeh
    EXPECT_EQ(global.NormalizeKey(QChar(0x06A9)), QChar(0x0643)); // keheh -> kaf
    EXPECT_EQ(global.NormalizeKey(QChar(0x00F7)), QChar(0x067E)); // division sign -> peh, not on to jeh
    EXPECT_EQ(global.NormalizeKey(QChar(0x067E)), QChar(0x0698)); // peh -> jeh
    EXPECT_EQ(global.NormalizeKey(QLatin1Char('a')), QLatin1Char('a'));

    global.PlatformName = QStringLiteral("Windows 95");
    EXPECT_EQ(global.NormalizeKey(QChar(0x00F7)), QChar(0x00F7));
    EXPECT_EQ(global.NormalizeKey(QChar(0x067E)), QChar(0x067E));
    EXPECT_EQ(global.NormalizeKey(QChar(0x06A9)), QChar(0x0643));
}

TEST(Text, RemoveBlanksDropsBlanksAndKashidas) {
    EXPECT_EQ(TGlobal::RemoveBlanks(QStringLiteral(" انبار  مركـزي ")), QStringLiteral("انبارمركزي"));
    EXPECT_EQ(TGlobal::RemoveBlanks(QString()), QString());
}

TEST(Text, ReplaceFirstAndAll) {
    EXPECT_EQ(
        TGlobal::ReplaceFirst(QStringLiteral("a-b-c"), QStringLiteral("-"), QStringLiteral("+"), QString()),
        QStringLiteral("a+b-c"));
    EXPECT_EQ(TGlobal::ReplaceFirst(QStringLiteral("Where X"), QStringLiteral("Where"), QStringLiteral("And"),
                                    QStringLiteral("BLANK")),
              QStringLiteral(" And  X"));
    EXPECT_EQ(
        TGlobal::ReplaceFirst(QStringLiteral("abc"), QStringLiteral("z"), QStringLiteral("y"), QString()),
        QStringLiteral("abc"));
    EXPECT_EQ(TGlobal::ReplaceAll(QStringLiteral("a\r\nb\r\nc"), QStringLiteral("\r\n"), QString()),
              QStringLiteral("abc"));
    // A replacement containing the old text would loop for ever; it is left alone.
    EXPECT_EQ(TGlobal::ReplaceAll(QStringLiteral("aa"), QStringLiteral("a"), QStringLiteral("ab")),
              QStringLiteral("aa"));
}

TEST(Text, FormatAmountGroupsThousands) {
    EXPECT_EQ(TGlobal::FormatAmount(QStringLiteral("1234567")), QStringLiteral("1,234,567"));
    EXPECT_EQ(TGlobal::FormatAmount(QStringLiteral("-1234.5")), QStringLiteral("-1,234.5"));
    EXPECT_EQ(TGlobal::FormatAmount(QStringLiteral("123")), QStringLiteral("123"));
    EXPECT_EQ(TGlobal::FormatAmount(QStringLiteral("1000")), QStringLiteral("1,000"));
    EXPECT_EQ(TGlobal::FormatAmount(QStringLiteral("123456")), QStringLiteral("123,456"));
    EXPECT_EQ(TGlobal::FormatAmount(QStringLiteral("")), QStringLiteral("0"));
    EXPECT_EQ(TGlobal::FormatAmount(QStringLiteral(" 0 ")), QStringLiteral("0"));
    EXPECT_EQ(TGlobal::FormatAmount(QStringLiteral("12345/5")), QStringLiteral("12,345/5"));
}

TEST(Text, FiscalPeriodSuffixNamesOneOrTwoYears) {
    TGlobal global;
    global.PeriodFrom = QStringLiteral("1403/01/01");
    global.PeriodTo = QStringLiteral("1403/12/29");
    EXPECT_EQ(global.FiscalPeriodSuffix(), QStringLiteral(" دوره مالي[1403]"));
    global.PeriodTo = QStringLiteral("1404/06/31");
    EXPECT_EQ(global.FiscalPeriodSuffix(), QStringLiteral(" دوره مالي[1404-1403]"));
}

TEST(CodePage, RoundTripsPersianAndMapsKnownBytes) {
    EXPECT_EQ(Cp1256::toUnicode(220), QChar(0x0640));
    EXPECT_EQ(Cp1256::toByte(QChar(0x067E)), 129);
    EXPECT_EQ(Cp1256::toByte(QChar(0x06CC)), -1); // Farsi yeh has no byte in this code page
    const QString text = QStringLiteral("ثبت اطلاعات پايه داراييها 123");
    EXPECT_EQ(Cp1256::decode(Cp1256::encode(text)), text);
    EXPECT_EQ(Cp1256::encode(QStringLiteral("a\u4e2d")), QByteArray("a?"));
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(Cp1256::toByte(Cp1256::toUnicode(static_cast<unsigned char>(b))), b);
}
