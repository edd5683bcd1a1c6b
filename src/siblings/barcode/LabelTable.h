#pragma once

#include "LabelItem.h"

#include <QList>
#include <QString>

namespace tarvand::data {
class TADOConnection;
}

namespace tarvand::siblings {

// Reads the labels of a label table through the caller's connection: one label per row, in the
// table's order, with the code, name and price columns the caller names; the date is the
// table's CurDate column (the day the labels were made) when it has one.
class LabelTable {
public:
    // An empty list when the table cannot be read.
    static QList<LabelItem> Read(data::TADOConnection* connection, const QString& table,
                                 const QString& codeColumn, const QString& nameColumn,
                                 const QString& priceColumn);
};

} // namespace tarvand::siblings
