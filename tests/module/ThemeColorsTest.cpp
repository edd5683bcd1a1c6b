#include "ThemeColors.h"
#include "ColorText.h"

#include <QFile>
#include <QGuiApplication>
#include <QPalette>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvand;

namespace {

QString writeIni(const QTemporaryDir& dir, const QByteArray& text) {
    const QString path = dir.filePath(QStringLiteral("Options.ini"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return path;
}

} // namespace

TEST(ColorTextTest, NamesAreMatchedCaseInsensitively) {
    EXPECT_EQ(ColorText::StringToColor(QStringLiteral("clYellow")), 0x0000FFFFu);
    EXPECT_EQ(ColorText::StringToColor(QStringLiteral("CLRED")), 0x000000FFu);
    EXPECT_EQ(ColorText::StringToColor(QStringLiteral(" clwhite ")), 0x00FFFFFFu);
    EXPECT_EQ(ColorText::StringToColor(QStringLiteral("clBtnFace")), 0xFF00000Fu);
    EXPECT_EQ(ColorText::StringToColor(QStringLiteral("clHighlight")), 0xFF00000Du);
}

TEST(ColorTextTest, IntegersInEveryNotationTheSuiteWrites) {
    EXPECT_EQ(ColorText::StringToColor(QStringLiteral("0x00E1FFFF")), 0x00E1FFFFu);
    EXPECT_EQ(ColorText::StringToColor(QStringLiteral("$009C7863")), 0x009C7863u);
    EXPECT_EQ(ColorText::StringToColor(QStringLiteral("255")), 0x000000FFu);
    EXPECT_EQ(ColorText::StringToColor(QStringLiteral("-16777201")), 0xFF00000Fu); // clBtnFace
}

TEST(ColorTextTest, TextThatIsNoColourGivesNoValue) {
    for (const char* text : {"", "clPink", "0xZZ", "12abc", "0x1FFFFFFFF", "$"})
        EXPECT_FALSE(ColorText::StringToColor(QLatin1String(text)).has_value()) << text;
}

TEST(ColorTextTest, BytesAreBlueGreenRed) {
    EXPECT_EQ(ColorText::ToQColor(0x00E1FFFF), QColor(0xFF, 0xFF, 0xE1));
    EXPECT_EQ(ColorText::ToQColor(0x009C7863), QColor(0x63, 0x78, 0x9C));
    EXPECT_EQ(ColorText::ToQColor(0x000000FF), QColor(Qt::red));
}

TEST(ColorTextTest, SystemColoursFollowTheApplicationPalette) {
    const QPalette original = QGuiApplication::palette();
    QPalette palette = original;
    palette.setColor(QPalette::Button, QColor(0xD4, 0xD0, 0xC8));
    palette.setColor(QPalette::Highlight, QColor(0x0A, 0x24, 0x6A));
    QGuiApplication::setPalette(palette);
    EXPECT_EQ(ColorText::ToQColor(*ColorText::StringToColor(QStringLiteral("clBtnFace"))),
              QColor(0xD4, 0xD0, 0xC8));
    EXPECT_EQ(ColorText::ToQColor(*ColorText::StringToColor(QStringLiteral("clHighlight"))),
              QColor(0x0A, 0x24, 0x6A));
    EXPECT_EQ(ColorText::ToQColor(0x8000000F), QColor(0xD4, 0xD0, 0xC8)); // older encoding of clBtnFace
    EXPECT_EQ(ColorText::ToQColor(ColorText::clNone).alpha(), 0);
    EXPECT_FALSE(ColorText::ToQColor(ColorText::clDefault).isValid());
    QGuiApplication::setPalette(original);
}

TEST(ThemeColorsTest, MissingFileGivesTheDefaults) {
    QTemporaryDir dir;
    const ThemeColors theme = ThemeColors::Load(dir.filePath(QStringLiteral("Options.ini")));
    EXPECT_EQ(theme.value(ThemeColors::DialogColor), 0xFF00000Fu);
    EXPECT_EQ(theme.value(ThemeColors::CaptionBColor), 0xFF00000Du);
    EXPECT_EQ(theme.value(ThemeColors::CaptionFColor), 0x00FFFFFFu);
    EXPECT_EQ(theme.value(ThemeColors::GridTextBAColor), 0x00E1FFFFu);
    EXPECT_EQ(theme.value(ThemeColors::GridTextBRColor), 0x009C7863u);
    EXPECT_EQ(theme.value(ThemeColors::GridTextFRColor), 0x0000FFFFu);
    EXPECT_EQ(theme.value(ThemeColors::GridCaptionFSColor), 0x000000FFu);
    EXPECT_EQ(theme.value(ThemeColors::HintColor), 0x0000FFFFu);
}

TEST(ThemeColorsTest, EveryKeyHasAParsableDefault) {
    for (int key = 0; key < ThemeColors::KeyCount; ++key) {
        const auto k = static_cast<ThemeColors::Key>(key);
        EXPECT_TRUE(ColorText::StringToColor(ThemeColors::DefaultText(k)).has_value()) << key;
    }
    EXPECT_EQ(ThemeColors::KeyName(ThemeColors::GridCaptionBSColor), QStringLiteral("GridCaptionBSColor"));
}

TEST(ThemeColorsTest, FileValuesOverrideDefaultsKeyByKey) {
    QTemporaryDir dir;
    const QString path = writeIni(dir, "[Color]\r\n"
                                       "DialogColor=0x00C0C0C0\r\n"
                                       "captionbcolor=clNavy\r\n"
                                       "GridTextBAColor=$00FFEEDD\r\n"
                                       "LabelColor=clPurple\r\n");
    const ThemeColors theme = ThemeColors::Load(path);
    EXPECT_EQ(theme.value(ThemeColors::DialogColor), 0x00C0C0C0u);
    EXPECT_EQ(theme.value(ThemeColors::CaptionBColor), 0x00800000u);
    EXPECT_EQ(theme.color(ThemeColors::GridTextBAColor), QColor(0xDD, 0xEE, 0xFF));
    EXPECT_EQ(theme.value(ThemeColors::LabelColor), 0x00800080u);
    EXPECT_EQ(theme.value(ThemeColors::CaptionFColor), 0x00FFFFFFu); // not in the file
}

TEST(ThemeColorsTest, SectionNameIsMatchedCaseInsensitivelyAndOtherSectionsIgnored) {
    QTemporaryDir dir;
    const QString path = writeIni(dir, "[Other]\nDialogColor=clRed\n[COLOR]\nHintColor=clAqua\n");
    const ThemeColors theme = ThemeColors::Load(path);
    EXPECT_EQ(theme.value(ThemeColors::DialogColor), 0xFF00000Fu);
    EXPECT_EQ(theme.value(ThemeColors::HintColor), 0x00FFFF00u);
}

TEST(ThemeColorsTest, BadValuesFallBackToTheirDefaults) {
    QTemporaryDir dir;
    const QString path =
        writeIni(dir, "[Color]\nDialogColor=pink\nLabelColor=1,2\nHintColor=\nGridTextFRColor=clLime\n");
    const ThemeColors theme = ThemeColors::Load(path);
    EXPECT_EQ(theme.value(ThemeColors::DialogColor), 0xFF00000Fu);
    EXPECT_EQ(theme.value(ThemeColors::LabelColor), 0x00000000u);
    EXPECT_EQ(theme.value(ThemeColors::HintColor), 0x0000FFFFu);
    EXPECT_EQ(theme.value(ThemeColors::GridTextFRColor), 0x0000FF00u);
}
