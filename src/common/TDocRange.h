#pragma once

#include <QString>

namespace tarvand {

// Date and number range of one asset document table.
struct TDocRange {
    QString RangeKind; // always "SANADDATE"
    QString MinSanadDate;
    QString MaxSanadDate;
    QString MinSanadNo;
    QString MaxSanadNo;
    int FromMonth = 1;
    int ToMonth = 12;
};

} // namespace tarvand
