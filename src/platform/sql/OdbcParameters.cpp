#include "OdbcParameters.h"

namespace tarvand::sql {

namespace {

// Character and binary parameters up to these lengths are declared with one fixed size, so that
// SQL Server reuses one plan for the statement whatever the values' lengths.
constexpr SQLULEN textParameterSize = 4000;
constexpr SQLULEN binaryParameterSize = 8000;

bool isSmallInteger(int typeId) {
    switch (typeId) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

bool isWideInteger(int typeId) {
    return typeId == QMetaType::UInt || typeId == QMetaType::Long || typeId == QMetaType::ULong ||
           typeId == QMetaType::LongLong || typeId == QMetaType::ULongLong;
}

bool isReal(int typeId) {
    return typeId == QMetaType::Double || typeId == QMetaType::Float;
}

} // namespace

OdbcParameters::OdbcParameters(const QVariantList& values) {
    slots_.reserve(std::size_t(values.size()));
    for (const QVariant& value : values) {
        slots_.push_back(slotFor(value));
    }
}

OdbcParameters::Slot OdbcParameters::slotFor(const QVariant& value) {
    Slot slot;
    const int typeId = value.typeId();
    if (isSmallInteger(typeId) || isWideInteger(typeId)) {
        slot.cType = SQL_C_SBIGINT;
        slot.sqlType = isSmallInteger(typeId) ? SQL_INTEGER : SQL_BIGINT;
        slot.columnSize = isSmallInteger(typeId) ? 10 : 19;
        slot.integer = value.toLongLong();
        slot.indicator = 0;
    } else if (isReal(typeId)) {
        slot.cType = SQL_C_DOUBLE;
        slot.sqlType = SQL_DOUBLE;
        slot.columnSize = 15;
        slot.real = value.toDouble();
        slot.indicator = 0;
    } else if (typeId == QMetaType::QByteArray) {
        slot.cType = SQL_C_BINARY;
        slot.bytes = value.toByteArray();
        const auto length = SQLULEN(slot.bytes.size());
        slot.sqlType = length > binaryParameterSize ? SQL_LONGVARBINARY : SQL_VARBINARY;
        slot.columnSize = length > binaryParameterSize ? length : binaryParameterSize;
        slot.indicator = SQLLEN(length);
    } else if (value.isValid()) {
        slot.text = value.toString();
        const auto units = SQLULEN(slot.text.size());
        slot.sqlType = units > textParameterSize ? SQL_WLONGVARCHAR : SQL_WVARCHAR;
        slot.columnSize = units > textParameterSize ? units : textParameterSize;
        slot.indicator = SQLLEN(units * sizeof(SQLWCHAR));
    }
    // A null keeps the type its variant was made with, so that SQL Server can convert it to the
    // column's type (an untyped NULL is sent as text, which converts to every non-binary type).
    if (value.isNull()) {
        slot.indicator = SQL_NULL_DATA;
    }
    return slot;
}

SQLPOINTER OdbcParameters::valuePointer(Slot& slot) {
    switch (slot.cType) {
    case SQL_C_SBIGINT:
        return &slot.integer;
    case SQL_C_DOUBLE:
        return &slot.real;
    case SQL_C_BINARY:
        return slot.bytes.data();
    default:
        return odbcText(slot.text);
    }
}

void OdbcParameters::bind(const OdbcHandle& statement) {
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        Slot& slot = slots_[i];
        const SQLLEN bufferLength = slot.indicator > 0 ? slot.indicator : 0;
        statement.check(SQLBindParameter(statement.get(), SQLUSMALLINT(i + 1), SQL_PARAM_INPUT, slot.cType,
                                         slot.sqlType, slot.columnSize, 0, valuePointer(slot), bufferLength,
                                         &slot.indicator));
    }
}

} // namespace tarvand::sql
