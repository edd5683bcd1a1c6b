#pragma once

#include <QString>
#include <QStringList>

namespace tarvand::siblings {

// What every page of a report shows above its table.
struct ReportHeading {
    QString Title;
    QStringList SubTitles; // lines under the title, in order
    QString Date;          // yyyy/mm/dd of the solar calendar
};

} // namespace tarvand::siblings
