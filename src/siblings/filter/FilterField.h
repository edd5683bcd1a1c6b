#pragma once

#include <QString>

namespace tarvand::siblings {

// A grid column a filter may test.
struct FilterField {
    QString Caption;
    QString FieldName;
    bool Numeric = false;
};

} // namespace tarvand::siblings
