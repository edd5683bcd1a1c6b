#include "TMyDate.h"

namespace tarvand {

TMyDate::TMyDate(Clock clock) : clock_(clock ? std::move(clock) : Clock([] { return QTime::currentTime(); })) {}

bool TMyDate::IsValidDate(const QString& date) const {
    const QString trimmed = date.trimmed();
    if (trimmed.isEmpty() || trimmed == QLatin1String("//"))
        return true;

    // Positions are those of the text as typed: the year is its first four characters.
    if (date.indexOf(QLatin1Char('/')) != 4)
        return false;
    const QString year = date.left(4);
    const QString rest = date.mid(5);
    if (rest.indexOf(QLatin1Char('/')) != 2)
        return false;
    const QString month = rest.left(2);
    const QString day = rest.mid(3);

    if (year.trimmed().isEmpty() || month.trimmed().isEmpty() || day.trimmed().isEmpty())
        return false;
    if (day.size() == 1)
        return false;
    bool okYear = false, okMonth = false, okDay = false;
    const int y = year.trimmed().toInt(&okYear);
    const int m = month.trimmed().toInt(&okMonth);
    const int d = day.trimmed().toInt(&okDay);
    if (!okYear || !okMonth || !okDay || y == 0 || m == 0 || d == 0)
        return false;

    // The ranges compare the two-character texts, as the suite always has.
    if (month <= QLatin1String("06") && day <= QLatin1String("31"))
        return true;
    if (y % 4 == 0 && y % 100 != 0)
        return month <= QLatin1String("12") && day <= QLatin1String("30");
    if (month <= QLatin1String("11") && day <= QLatin1String("30"))
        return true;
    return month == QLatin1String("12") && day <= QLatin1String("29");
}

QString TMyDate::TimeStamp() const {
    const QTime now = clock_();
    const int seconds = now.hour() * 3600 + now.minute() * 60 + now.second();
    return QString::number(seconds) + QString::number(now.msec() / 10);
}

} // namespace tarvand
