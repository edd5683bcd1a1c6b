#pragma once

#include <QString>

namespace tarvand::siblings {

// One column of a printed report, taken from a grid column that shows a field.
struct ReportColumn {
    QString Caption;
    QString FieldName;
    int FieldIndex = -1;
    int GridWidth = 0;      // pixels on screen; how much room the column gets relative to the others
    bool Amount = false;    // a numeric field
    bool Sumable = true;    // the column's option: an amount column is totalled
    bool Delimiter = true;  // the column's option: amounts are grouped by thousands
    bool OwnFormat = false; // the field formats its figures itself (a display format)
    bool Printed = true;    // chosen for the report
    bool Centered = false;  // the grid centres the column's cells
};

} // namespace tarvand::siblings
