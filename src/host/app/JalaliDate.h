#pragma once

#include <QDate>
#include <QString>

namespace tarvand::host {

// A date of the solar (Jalali) calendar, the calendar of every date text of the suite. The
// conversion is the arithmetic one of the 33-year cycles with the recorded break years of the
// calendar, exact for the solar years 1 to 3177 (Gregorian 622 to 3798).
class JalaliDate {
public:
    // An invalid QDate or one outside the convertible range gives an invalid JalaliDate.
    static JalaliDate FromGregorian(const QDate& date);

    bool IsValid() const { return year_ > 0; }
    int Year() const { return year_; }
    int Month() const { return month_; }
    int Day() const { return day_; }
    // "yyyy/mm/dd", the form of the suite's date texts; empty for an invalid date.
    QString ToText() const;

    // Whether Esfand, the last month, has 30 days in that year.
    static bool IsLeapYear(int year);

private:
    JalaliDate(int year, int month, int day) : year_(year), month_(month), day_(day) {}
    JalaliDate() = default;

    int year_ = 0;
    int month_ = 0;
    int day_ = 0;
};

} // namespace tarvand::host
