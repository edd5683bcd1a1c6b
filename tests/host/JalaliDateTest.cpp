#include "JalaliDate.h"

#include <gtest/gtest.h>

using tarvand::host::JalaliDate;

namespace {

int monthLength(int year, int month) {
    if (month <= 6)
        return 31;
    if (month <= 11)
        return 30;
    return JalaliDate::IsLeapYear(year) ? 30 : 29;
}

} // namespace

TEST(JalaliDate, ConvertsKnownDatesTurnsTheYearAtNowruzAndGivesNoTextForInvalidDates) {
    const std::tuple<QDate, const char*> dates[] = {
        {QDate(2024, 3, 20), "1403/01/01"}, {QDate(2026, 12, 5), "1405/09/14"},
        {QDate(1979, 2, 11), "1357/11/22"}, {QDate(2000, 1, 1), "1378/10/11"},
        {QDate(2024, 9, 22), "1403/07/01"}, {QDate(2024, 9, 21), "1403/06/31"},
        {QDate(2024, 3, 19), "1402/12/29"}, {QDate(2025, 3, 20), "1403/12/30"},
        {QDate(2025, 3, 21), "1404/01/01"}, {QDate(2017, 3, 20), "1395/12/30"},
        {QDate(2017, 3, 21), "1396/01/01"}};
    for (const auto& [day, text] : dates)
        EXPECT_EQ(JalaliDate::FromGregorian(day).ToText(), QLatin1String(text)) << text;
    for (const QDate& day : {QDate(), QDate(400, 1, 1), QDate(4000, 1, 1)}) {
        EXPECT_FALSE(JalaliDate::FromGregorian(day).IsValid());
        EXPECT_TRUE(JalaliDate::FromGregorian(day).ToText().isEmpty());
    }
}

// The last month is 30 days long exactly in the leap years.
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
