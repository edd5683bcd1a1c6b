#include "MessageKind.h"

#include <gtest/gtest.h>

using namespace tarvand;
using Buttons = MessageKind::Buttons;
using Icon = MessageKind::Icon;

TEST(MessageKindTest, ShortCodesAreCompletedToThreeCharacters) {
    EXPECT_EQ(MessageKind::Normalize(QString()), QStringLiteral("1 R"));
    EXPECT_EQ(MessageKind::Normalize(QStringLiteral("e")), QStringLiteral("E R"));
    EXPECT_EQ(MessageKind::Normalize(QStringLiteral("1e")), QStringLiteral("1ER"));
    EXPECT_EQ(MessageKind::Normalize(QStringLiteral("3qr")), QStringLiteral("3QR"));
    EXPECT_EQ(MessageKind::Normalize(QStringLiteral("1IRX")), QStringLiteral("1IRX"));
}

TEST(MessageKindTest, FirstPositionChoosesButtonsAndDismissResult) {
    EXPECT_EQ(MessageKind::Parse(QStringLiteral("1ER")).buttons(), Buttons::Ok);
    EXPECT_EQ(MessageKind::Parse(QStringLiteral("1ER")).dismissResult(), 1);
    EXPECT_EQ(MessageKind::Parse(QStringLiteral("2WR")).buttons(), Buttons::OkCancel);
    EXPECT_EQ(MessageKind::Parse(QStringLiteral("2WR")).dismissResult(), 2);
    EXPECT_EQ(MessageKind::Parse(QStringLiteral("3QR")).buttons(), Buttons::YesNo);
    EXPECT_EQ(MessageKind::Parse(QStringLiteral("3QR")).dismissResult(), 7);
    for (const char* code : {"4ER", "0IR", " ER", "XQC"}) {
        const MessageKind kind = MessageKind::Parse(QLatin1String(code));
        EXPECT_EQ(kind.buttons(), Buttons::None) << code;
        EXPECT_FALSE(kind.dismissResult().has_value()) << code;
    }
}

TEST(MessageKindTest, SecondPositionChoosesIcon) {
    EXPECT_EQ(MessageKind::Parse(QStringLiteral("1WR")).icon(), Icon::Warning);
    EXPECT_EQ(MessageKind::Parse(QStringLiteral("1QR")).icon(), Icon::Question);
    EXPECT_EQ(MessageKind::Parse(QStringLiteral("1ER")).icon(), Icon::Error);
    EXPECT_EQ(MessageKind::Parse(QStringLiteral("1SR")).icon(), Icon::Stop);
    EXPECT_EQ(MessageKind::Parse(QStringLiteral("1IR")).icon(), Icon::Info);
    EXPECT_EQ(MessageKind::Parse(QStringLiteral("1 C")).icon(), Icon::None);
    EXPECT_EQ(MessageKind::Parse(QStringLiteral("1CR")).icon(), Icon::None);
}

TEST(MessageKindTest, ThirdPositionChangesNothing) {
    for (const char* code : {"1EC", "1EL", "1ER", "1EZ"}) {
        const MessageKind kind = MessageKind::Parse(QLatin1String(code));
        EXPECT_EQ(kind.buttons(), Buttons::Ok) << code;
        EXPECT_EQ(kind.icon(), Icon::Error) << code;
    }
}

TEST(MessageKindTest, EmptyKindIsOkWithoutIconAndLowerCaseESingleIsErrorIconWithoutButtons) {
    const MessageKind empty = MessageKind::Parse(QString());
    EXPECT_EQ(empty.buttons(), Buttons::Ok);
    EXPECT_EQ(empty.icon(), Icon::None);
    const MessageKind e = MessageKind::Parse(QStringLiteral("e"));
    EXPECT_EQ(e.buttons(), Buttons::None);
    EXPECT_EQ(e.icon(), Icon::Error);
}
