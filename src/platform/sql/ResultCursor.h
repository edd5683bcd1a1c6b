#pragma once

#include "ColumnInfo.h"

#include <QList>
#include <cstdint>
#include <string_view>

namespace tarvand::sql {

// Forward-only reader over the rows of one statement. Cell accessors are valid for the current
// row only and allocate nothing: the data layer copies what it keeps.
class ResultCursor {
public:
    virtual ~ResultCursor() = default;

    virtual const QList<ColumnInfo>& columns() const = 0;
    // Moves to the next row; false when there is none. Throws EDatabaseError on failure.
    virtual bool next() = 0;

    // Storage class of the current row's cell (Unknown means NULL).
    virtual ColumnKind cellKind(int column) const = 0;
    virtual std::int64_t cellInt(int column) const = 0;
    virtual double cellFloat(int column) const = 0;
    // UTF-8 text of the cell (for numbers, their text form).
    virtual std::string_view cellText(int column) const = 0;
};

} // namespace tarvand::sql
