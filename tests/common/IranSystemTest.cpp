#include "IranSystem.h"

#include <gtest/gtest.h>

using tarvand::IranSystem;

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray result;
    for (int value : values)
        result.append(static_cast<char>(value));
    return result;
}

} // namespace

// Expected bytes are read off the code page by hand: each letter's form from its neighbours, then
// the whole word from its left end (the last letter written) to its right end.

TEST(IranSystemTest, WordsComeOutInVisualOrderWithTheirLetterForms) {
    // س initial, ل medial, ا final, م isolated: alef never joins the letter after it.
    EXPECT_EQ(IranSystem::Encode(QStringLiteral("سلام")), bytes({0xF4, 0x91, 0xF3, 0xA8}));
    // ع initial, ل medial, ی final.
    EXPECT_EQ(IranSystem::Encode(QStringLiteral("علی")), bytes({0xFC, 0xF3, 0xE4}));
    // ب initial, ه medial, ا final, ر isolated.
    EXPECT_EQ(IranSystem::Encode(QStringLiteral("بهار")), bytes({0xA4, 0x91, 0xFA, 0x93}));
    // خ initial, ا final, ن initial, ه final.
    EXPECT_EQ(IranSystem::Encode(QStringLiteral("خانه")), bytes({0xF9, 0xF7, 0x91, 0xA1}));
    // ع: final in ربع (after ب), medial in بعد, isolated in رع (ر never joins forwards).
    EXPECT_EQ(IranSystem::Encode(QStringLiteral("ربع")), bytes({0xE2, 0x93, 0xA4}));
    EXPECT_EQ(IranSystem::Encode(QStringLiteral("بعد")), bytes({0xA2, 0xE3, 0x93}));
    EXPECT_EQ(IranSystem::Encode(QStringLiteral("رع")), bytes({0xE1, 0xA4}));
}

TEST(IranSystemTest, ArabicAndPersianShapesOfKafAndYehGiveTheSameBytes) {
    EXPECT_EQ(IranSystem::Encode(QStringLiteral("كد")), IranSystem::Encode(QStringLiteral("کد")));
    EXPECT_EQ(IranSystem::Encode(QStringLiteral("کد")), bytes({0xA2, 0xEE}));
    EXPECT_EQ(IranSystem::Encode(QStringLiteral("علي")), IranSystem::Encode(QStringLiteral("علی")));
    // A lone yeh is isolated, a yeh starting a word initial.
    EXPECT_EQ(IranSystem::Encode(QStringLiteral("ی")), bytes({0xFD}));
    EXPECT_EQ(IranSystem::Encode(QStringLiteral("یک")), bytes({0xED, 0xFE}));
}

TEST(IranSystemTest, NumbersDatesAndRangesKeepTheirOwnOrder) {
    // "کد 12": the digits are one piece put in front of the rest.
    EXPECT_EQ(IranSystem::Encode(QStringLiteral("کد 12")), bytes({'1', '2', ' ', 0xA2, 0xEE}));
    // ت initial, ا final, ر isolated, ي initial, خ final (its isolated/final byte).
    EXPECT_EQ(IranSystem::Encode(QStringLiteral("تاريخ 1403/09/14")),
              QByteArray("1403/09/14 ") + bytes({0xA0, 0xFE, 0xA4, 0x91, 0x97}));
    EXPECT_EQ(IranSystem::Encode(QStringLiteral("5-3")), QByteArray("5-3"));
    // Two runs apart keep their places in the reversed text.
    EXPECT_EQ(IranSystem::Encode(QStringLiteral("12 و 34")), QByteArray("34 ") + bytes({0xF8}) + " 12");
}

TEST(IranSystemTest, DigitsBracketsQuestionMarksAndTheNonJoinerDoNotJoin) {
    // م initial, ی final before the non-joiner (which writes nothing), ش initial, و final, د isolated.
    EXPECT_EQ(IranSystem::Encode(QStringLiteral("می\u200Cشود")), bytes({0xA2, 0xF8, 0xAA, 0xFC, 0xF5}));
    // Brackets are mirrored: the opening one still faces the word after the reversal.
    EXPECT_EQ(IranSystem::Encode(QStringLiteral("(علی)")), bytes({'(', 0xFC, 0xF3, 0xE4, ')'}));
    // A letter beside "?" or a digit takes the form it has at a word's end or start.
    EXPECT_EQ(IranSystem::Encode(QStringLiteral("بب?")), bytes({'?', 0x92, 0x93}));
    EXPECT_EQ(IranSystem::Encode(QStringLiteral("ب2ب")), bytes({0x92, '2', 0x92}));
}

TEST(IranSystemTest, PunctuationAndCharactersWithoutAByte) {
    EXPECT_EQ(IranSystem::Encode(QStringLiteral("،؟")), bytes({0x8C, 0x8A}));
    // Vowel marks vanish without breaking the join around them.
    EXPECT_EQ(IranSystem::Encode(QStringLiteral("بَب")), bytes({0x92, 0x93}));
    // Latin letters are reversed with the rest, as every piece is.
    EXPECT_EQ(IranSystem::Encode(QStringLiteral("AB")), QByteArray("BA"));
    EXPECT_EQ(IranSystem::Encode(QStringLiteral("€")), QByteArray("?"));
    EXPECT_EQ(IranSystem::Encode(QString()), QByteArray());
}
