#include "TMyDate.h"

#include <gtest/gtest.h>

using tarvand::TMyDate;

TEST(MyDate, AcceptsEmptyAndPossibleDatesOnly) {
    const TMyDate date;
    for (const char* valid : {"", "   ", "//", "1385/06/31", "1388/12/30", "1385/12/29", "1403/07/30"})
        EXPECT_TRUE(date.IsValidDate(valid)) << valid;
    // 1385 is no leap year here, nor 1300 (divisible by 100).
    for (const char* invalid :
         {"1385/12/30", "1385/07/31", "1385/1/01", "1385/00/10", "1385/01/00", "1385/01/1", "1385/13/01",
          "85/01/01", "1385/ab/01", "    /  /  ", "1300/12/30"})
        EXPECT_FALSE(date.IsValidDate(invalid)) << invalid;
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
