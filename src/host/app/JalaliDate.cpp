#include "JalaliDate.h"

#include <array>

namespace tarvand::host {

namespace {

// Solar years at which the pattern of leap years within the 33-year cycle shifts.
constexpr std::array<int, 20> breakYears = {-61,  9,    38,   199,  426,  686,  756,  818,  1111, 1181,
                                            1210, 1635, 2060, 2097, 2192, 2262, 2324, 2394, 2456, 3178};

// Integer division and remainder truncating toward zero, which the cycle arithmetic relies on.
int quotient(int a, int b) {
    return a / b;
}
int remainder(int a, int b) {
    return a - quotient(a, b) * b;
}

struct YearStart {
    int gregorianYear = 0;
    int marchDay = 0; // the day of March on which the solar year begins
    int leap = 0;     // 0 in a leap year; years since the last leap year otherwise
};

bool inRange(int year) {
    return year >= 1 && year < breakYears.back();
}

YearStart yearStart(int year) {
    int leapCount = -14;
    int previousBreak = breakYears.front();
    int jump = 0;
    for (std::size_t i = 1; i < breakYears.size(); ++i) {
        const int nextBreak = breakYears[i];
        jump = nextBreak - previousBreak;
        if (year < nextBreak)
            break;
        leapCount += quotient(jump, 33) * 8 + quotient(remainder(jump, 33), 4);
        previousBreak = nextBreak;
    }
    int sinceBreak = year - previousBreak;
    leapCount += quotient(sinceBreak, 33) * 8 + quotient(remainder(sinceBreak, 33) + 3, 4);
    if (remainder(jump, 33) == 4 && jump - sinceBreak == 4)
        ++leapCount;

    YearStart start;
    start.gregorianYear = year + 621;
    const int gregorianLeaps =
        quotient(start.gregorianYear, 4) - quotient((quotient(start.gregorianYear, 100) + 1) * 3, 4) - 150;
    start.marchDay = 20 + leapCount - gregorianLeaps;

    if (jump - sinceBreak < 6)
        sinceBreak = sinceBreak - jump + quotient(jump + 4, 33) * 33;
    start.leap = remainder(remainder(sinceBreak + 1, 33) - 1, 4);
    if (start.leap == -1)
        start.leap = 4;
    return start;
}

} // namespace

JalaliDate JalaliDate::FromGregorian(const QDate& date) {
    if (!date.isValid())
        return JalaliDate();
    int year = date.year() - 621;
    if (!inRange(year))
        return JalaliDate();

    const YearStart start = yearStart(year);
    int dayOfYear =
        static_cast<int>(date.toJulianDay() - QDate(start.gregorianYear, 3, start.marchDay).toJulianDay());
    if (dayOfYear >= 0) {
        if (dayOfYear <= 185)
            return JalaliDate(year, 1 + dayOfYear / 31, dayOfYear % 31 + 1);
        dayOfYear -= 186;
    } else {
        // Before Nowruz the date belongs to the previous year's last six months; 179 days of them
        // precede Esfand's 30th, which only the previous year's leap status decides.
        if (--year < 1)
            return JalaliDate();
        dayOfYear += 179;
        if (start.leap == 1)
            ++dayOfYear;
    }
    return JalaliDate(year, 7 + dayOfYear / 30, dayOfYear % 30 + 1);
}

QString JalaliDate::ToText() const {
    if (!IsValid())
        return QString();
    return QStringLiteral("%1/%2/%3")
        .arg(year_, 4, 10, QLatin1Char('0'))
        .arg(month_, 2, 10, QLatin1Char('0'))
        .arg(day_, 2, 10, QLatin1Char('0'));
}

bool JalaliDate::IsLeapYear(int year) {
    return inRange(year) && yearStart(year).leap == 0;
}

} // namespace tarvand::host
