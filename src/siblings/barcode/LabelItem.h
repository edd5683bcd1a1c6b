#pragma once

#include <QString>

namespace tarvand::siblings {

// What one label shows, read from one row of the label table.
struct LabelItem {
    QString code; // without the blanks of its stored form
    QString name;
    QString price; // grouped in threes, empty when the table has no price
    QString date;
};

} // namespace tarvand::siblings
