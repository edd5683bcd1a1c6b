#include "JalaliDate.h"

#include <gtest/gtest.h>

using tarvand::host::JalaliDate;

namespace {

QString solar(int year, int month, int day) {
    return JalaliDate::FromGregorian(QDate(year, month, day)).ToText();
}

int monthLength(int year, int month) {
    if (month <= 6)
        return 31;
    if (month <= 11)
        return 30;
    return JalaliDate::IsLeapYear(year) ? 30 : 29;
}

} // namespace

TEST(JalaliDate, ConvertsKnownDates) {
    EXPECT_EQ(solar(2024, 3, 20), QStringLiteral("1403/01/01"));
    EXPECT_EQ(solar(2026, 12, 5), QStringLiteral("1405/09/14"));
    EXPECT_EQ(solar(1979, 2, 11), QStringLiteral("1357/11/22"));
    EXPECT_EQ(solar(2000, 1, 1), QStringLiteral("1378/10/11"));
    EXPECT_EQ(solar(2024, 9, 22), QStringLiteral("1403/07/01"));
    EXPECT_EQ(solar(2024, 9, 21), QStringLiteral("1403/06/31"));
}

TEST(JalaliDate, YearTurnsAtNowruzAfterTheLastDayOfEsfand) {
    EXPECT_EQ(solar(2024, 3, 19), QStringLiteral("1402/12/29")); // 1402 has a 29-day Esfand
    EXPECT_EQ(solar(2025, 3, 20), QStringLiteral("1403/12/30")); // 1403 is a leap year
    EXPECT_EQ(solar(2025, 3, 21), QStringLiteral("1404/01/01"));
    EXPECT_EQ(solar(2017, 3, 20), QStringLiteral("1395/12/30"));
    EXPECT_EQ(solar(2017, 3, 21), QStringLiteral("1396/01/01"));
}

TEST(JalaliDate, LeapYearsFollowTheCycles) {
    for (int year : {1370, 1375, 1379, 1383, 1387, 1391, 1395, 1399, 1403, 1408})
        EXPECT_TRUE(JalaliDate::IsLeapYear(year)) << year;
    for (int year : {1400, 1401, 1402, 1404, 1405, 1406, 1407})
        EXPECT_FALSE(JalaliDate::IsLeapYear(year)) << year;
}

TEST(JalaliDate, ConsecutiveDaysGiveConsecutiveSolarDatesOverTwoCenturies) {
    QDate day(1900, 1, 1);
    JalaliDate previous = JalaliDate::FromGregorian(day);
    ASSERT_TRUE(previous.IsValid());
    while (day < QDate(2100, 1, 1)) {
        day = day.addDays(1);
        const JalaliDate next = JalaliDate::FromGregorian(day);
        ASSERT_TRUE(next.IsValid()) << day.toString(Qt::ISODate).toStdString();
        if (next.Day() != 1) {
            ASSERT_EQ(next.Year(), previous.Year());
            ASSERT_EQ(next.Month(), previous.Month());
            ASSERT_EQ(next.Day(), previous.Day() + 1);
            previous = next;
            continue;
        }
        ASSERT_EQ(previous.Day(), monthLength(previous.Year(), previous.Month()))
            << day.toString(Qt::ISODate).toStdString();
        if (next.Month() == 1) {
            ASSERT_EQ(next.Year(), previous.Year() + 1);
            // Nowruz keeps to the equinox.
            ASSERT_EQ(day.month(), 3);
            ASSERT_GE(day.day(), 20);
            ASSERT_LE(day.day(), 22);
        } else {
            ASSERT_EQ(next.Year(), previous.Year());
            ASSERT_EQ(next.Month(), previous.Month() + 1);
        }
        previous = next;
    }
}

TEST(JalaliDate, InvalidDatesGiveNoText) {
    const JalaliDate none = JalaliDate::FromGregorian(QDate());
    EXPECT_FALSE(none.IsValid());
    EXPECT_TRUE(none.ToText().isEmpty());
    EXPECT_FALSE(JalaliDate::FromGregorian(QDate(400, 1, 1)).IsValid());
    EXPECT_FALSE(JalaliDate::FromGregorian(QDate(4000, 1, 1)).IsValid());
}
