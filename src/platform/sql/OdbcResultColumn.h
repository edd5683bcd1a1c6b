#pragma once

#include "ColumnInfo.h"
#include "OdbcApi.h"

#include <cstddef>

namespace tarvand::sql {

// A result column as the cursor needs it: what the backend reports, plus how to read its values.
struct OdbcResultColumn {
    ColumnInfo info;
    SQLSMALLINT sqlType = SQL_UNKNOWN_TYPE;
    // Longest value the column can hold, in UTF-16 units for text and bytes for binary data;
    // 0 when it is unbounded (varchar(max), text, xml, ...) and values must be read piecewise.
    std::size_t maxLength = 0;
};

} // namespace tarvand::sql
