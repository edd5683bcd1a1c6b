#include "OdbcColumnDescriber.h"

#include <algorithm>
#include <climits>
#include <iterator>

namespace tarvand::sql {

namespace {

// Values up to this many UTF-16 units (text) or bytes (binary) are fetched in blocks of bound
// rows; longer or unbounded ones are read piecewise. SQL Server's largest non-max varchar is 8000.
constexpr std::size_t longestBoundValue = 8000;

std::size_t boundedLength(SQLLEN length) {
    return length > 0 && std::size_t(length) <= longestBoundValue ? std::size_t(length) : 0;
}

} // namespace

ColumnKind OdbcColumnDescriber::kindOf(SQLSMALLINT sqlType) {
    switch (sqlType) {
    case SQL_BIT:
    case SQL_TINYINT:
    case SQL_SMALLINT:
    case SQL_INTEGER:
    case SQL_BIGINT:
        return ColumnKind::Integer;
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_DECIMAL:
    case SQL_NUMERIC:
        return ColumnKind::Float;
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY:
        return ColumnKind::Blob;
    default:
        // Character types, dates and times, GUIDs and driver-specific types are read as text.
        return ColumnKind::Text;
    }
}

bool OdbcColumnDescriber::isCharacter(SQLSMALLINT sqlType) {
    return sqlType == SQL_CHAR || sqlType == SQL_VARCHAR || sqlType == SQL_WCHAR || sqlType == SQL_WVARCHAR;
}

QString OdbcColumnDescriber::declaredType(const QString& typeName, SQLSMALLINT sqlType, SQLULEN size) {
    const bool sized = isCharacter(sqlType) || sqlType == SQL_BINARY || sqlType == SQL_VARBINARY;
    if (!sized || size == 0 || typeName.contains(u'(')) {
        return typeName;
    }
    return QStringLiteral("%1(%2)").arg(typeName).arg(size);
}

std::vector<OdbcResultColumn> OdbcColumnDescriber::describe(const OdbcHandle& statement) {
    SQLSMALLINT count = 0;
    statement.check(SQLNumResultCols(statement.get(), &count));
    std::vector<OdbcResultColumn> columns(std::size_t(std::max<SQLSMALLINT>(count, 0)));
    std::vector<SQLWCHAR> name(256);
    for (SQLUSMALLINT number = 1; number <= columns.size(); ++number) {
        OdbcResultColumn& column = columns[number - 1];
        SQLSMALLINT nameLength = 0;
        SQLULEN size = 0;
        SQLSMALLINT digits = 0;
        SQLSMALLINT nullable = SQL_NULLABLE_UNKNOWN;
        auto describeColumn = [&] {
            statement.check(SQLDescribeColW(statement.get(), number, name.data(), SQLSMALLINT(name.size()),
                                            &nameLength, &column.sqlType, &size, &digits, &nullable));
        };
        describeColumn();
        if (std::size_t(nameLength) >= name.size()) {
            name.resize(std::size_t(nameLength) + 1);
            describeColumn();
        }

        ColumnInfo& info = column.info;
        info.name = fromOdbcText(name.data(), nameLength);
        info.kind = kindOf(column.sqlType);
        info.size = isCharacter(column.sqlType) && size <= SQLULEN(INT_MAX) ? int(size) : 0;
        // SQLite's driver reports NOT NULL only through the descriptor field, not SQLDescribeCol.
        info.notNull = numericAttribute(statement, number, SQL_DESC_NULLABLE, nullable) == SQL_NO_NULLS;
        info.autoIncrement =
            numericAttribute(statement, number, SQL_DESC_AUTO_UNIQUE_VALUE, SQL_FALSE) == SQL_TRUE;
        info.baseTable = textAttribute(statement, number, SQL_DESC_BASE_TABLE_NAME);
        if (!info.baseTable.isEmpty()) {
            info.baseColumn = textAttribute(statement, number, SQL_DESC_BASE_COLUMN_NAME);
            info.declaredType =
                declaredType(textAttribute(statement, number, SQL_DESC_TYPE_NAME), column.sqlType, size);
        }

        switch (column.sqlType) {
        case SQL_CHAR:
        case SQL_VARCHAR:
        case SQL_WCHAR:
        case SQL_WVARCHAR:
        case SQL_BINARY:
        case SQL_VARBINARY:
            column.maxLength = boundedLength(SQLLEN(size));
            break;
        case SQL_LONGVARCHAR:
        case SQL_WLONGVARCHAR:
        case SQL_LONGVARBINARY:
            column.maxLength = 0;
            break;
        default:
            if (info.kind == ColumnKind::Text) {
                column.maxLength =
                    boundedLength(numericAttribute(statement, number, SQL_DESC_DISPLAY_SIZE, 0));
            }
            break;
        }
    }
    return columns;
}

QString OdbcColumnDescriber::textAttribute(const OdbcHandle& statement, SQLUSMALLINT column,
                                           SQLUSMALLINT field) {
    SQLWCHAR text[256] = {};
    SQLSMALLINT bytes = 0;
    // Drivers that do not know an attribute refuse it; the column then simply lacks it.
    if (!SQL_SUCCEEDED(
            SQLColAttributeW(statement.get(), column, field, text, sizeof text, &bytes, nullptr))) {
        return {};
    }
    const qsizetype units = std::min<qsizetype>(bytes / qsizetype(sizeof(SQLWCHAR)), std::size(text) - 1);
    return fromOdbcText(text, units);
}

SQLLEN OdbcColumnDescriber::numericAttribute(const OdbcHandle& statement, SQLUSMALLINT column,
                                             SQLUSMALLINT field, SQLLEN fallback) {
    SQLLEN value = 0;
    if (!SQL_SUCCEEDED(SQLColAttributeW(statement.get(), column, field, nullptr, 0, nullptr, &value))) {
        return fallback;
    }
    return value;
}

} // namespace tarvand::sql
