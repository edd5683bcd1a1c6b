#pragma once

#include <QString>
#include <QTime>
#include <functional>

namespace tarvand {

// The host's date object: checks of solar-calendar date texts (yyyy/mm/dd) and the time stamps
// that make temporary-table names unique.
class TMyDate {
public:
    using Clock = std::function<QTime()>;

    // The clock defaults to the system's local time.
    explicit TMyDate(Clock clock = {});

    // Months 1-6 have 31 days, 7-11 have 30, month 12 has 29 (30 in a year divisible by 4 and not
    // by 100). An empty text, blanks only, or the empty mask "//" counts as no date and is valid.
    bool IsValidDate(const QString& date) const;

    // Seconds since midnight followed by the hundredths of the current second, e.g. "4512345".
    QString TimeStamp() const;

private:
    Clock clock_;
};

} // namespace tarvand
