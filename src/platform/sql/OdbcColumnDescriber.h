#pragma once

#include "OdbcHandle.h"
#include "OdbcResultColumn.h"

#include <vector>

namespace tarvand::sql {

// Reads the metadata of the current result of an executed statement the way SQL Server's
// providers report it: name, storage class, declared character length, base table and column,
// nullability and auto-increment.
class OdbcColumnDescriber {
public:
    static std::vector<OdbcResultColumn> describe(const OdbcHandle& statement);

    static ColumnKind kindOf(SQLSMALLINT sqlType);
    // Types whose declared length is a character count that ColumnInfo.size reports.
    static bool isCharacter(SQLSMALLINT sqlType);
    // "varchar" with 10 -> "varchar(10)"; names that already carry a length stay as they are.
    static QString declaredType(const QString& typeName, SQLSMALLINT sqlType, SQLULEN size);

private:
    static QString textAttribute(const OdbcHandle& statement, SQLUSMALLINT column, SQLUSMALLINT field);
    static SQLLEN numericAttribute(const OdbcHandle& statement, SQLUSMALLINT column, SQLUSMALLINT field,
                                   SQLLEN fallback);
};

} // namespace tarvand::sql
