#pragma once

#include <QString>

namespace tarvand::siblings {

// One condition of a filter as the user set it up.
struct FilterCondition {
    enum class Join { And, Or };
    enum class Operator { Equal, NotEqual, Greater, Less, GreaterOrEqual, LessOrEqual, Contains, StartsWith };

    Join Link = Join::And; // how it joins the conditions before it; the first one has none
    QString FieldName;     // a plain identifier (letters, digits, underscore)
    bool Numeric = false;  // a numeric field: the value is a number
    Operator Op = Operator::Equal;
    QString Value;
};

} // namespace tarvand::siblings
