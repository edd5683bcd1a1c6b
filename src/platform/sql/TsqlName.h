#pragma once

#include <QString>

namespace tarvand::sql {

// A table or view named in a statement: [database.[schema].]name.
struct TsqlName {
    QString database; // empty for the current database
    QString name;

    bool isEmpty() const { return name.isEmpty(); }
};

} // namespace tarvand::sql
