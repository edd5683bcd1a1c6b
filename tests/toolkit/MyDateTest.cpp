#include "TMyDate.h"

#include <gtest/gtest.h>

using tarvand::TMyDate;

TEST(MyDate, AcceptsEmptyAndWellFormedDates) {
    const TMyDate date;
    EXPECT_TRUE(date.IsValidDate(QString()));
    EXPECT_TRUE(date.IsValidDate("   "));
    EXPECT_TRUE(date.IsValidDate("//"));
    EXPECT_TRUE(date.IsValidDate("1385/06/31"));
    EXPECT_TRUE(date.IsValidDate("1388/12/30"));
    EXPECT_TRUE(date.IsValidDate("1385/12/29"));
    EXPECT_TRUE(date.IsValidDate("1403/07/30"));
}

TEST(MyDate, RefusesImpossibleOrMisshapenDates) {
    const TMyDate date;
    EXPECT_FALSE(date.IsValidDate("1385/12/30")); // not a leap year here
    EXPECT_FALSE(date.IsValidDate("1385/07/31"));
    EXPECT_FALSE(date.IsValidDate("1385/1/01"));
    EXPECT_FALSE(date.IsValidDate("1385/00/10"));
    EXPECT_FALSE(date.IsValidDate("1385/01/00"));
    EXPECT_FALSE(date.IsValidDate("1385/01/1"));
    EXPECT_FALSE(date.IsValidDate("1385/13/01"));
    EXPECT_FALSE(date.IsValidDate("85/01/01"));
    EXPECT_FALSE(date.IsValidDate("1385/ab/01"));
    EXPECT_FALSE(date.IsValidDate("    /  /  "));
    EXPECT_FALSE(date.IsValidDate("1300/12/30")); // divisible by 100
}

TEST(MyDate, TimeStampIsSecondsSinceMidnightThenHundredths) {
    QTime now(12, 30, 45, 670);
    const TMyDate date([&now] { return now; });
    EXPECT_EQ(date.TimeStamp(), "4504567");
    now = QTime(0, 0, 5, 30);
    EXPECT_EQ(date.TimeStamp(), "53"); // hundredths without a leading zero
    now = QTime(0, 0, 0, 0);
    EXPECT_EQ(date.TimeStamp(), "00");
    // Two stamps within one hundredth are equal.
    now = QTime(8, 0, 0, 121);
    const QString first = date.TimeStamp();
    now = QTime(8, 0, 0, 129);
    EXPECT_EQ(date.TimeStamp(), first);
}
