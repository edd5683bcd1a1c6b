#pragma once

#include <QVariant>

namespace tarvand {

// How the database layers keep a value handed to them as a QVariant: every integral type as one
// 64-bit integer, the floating-point types as a double, a byte array as bytes, anything else as its
// text.
enum class VariantKind { Null, Integer, Real, Bytes, Text };

// The kind of a value of this type, null or not.
inline VariantKind KindOfType(int typeId) {
    switch (typeId) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return VariantKind::Integer;
    case QMetaType::Double:
    case QMetaType::Float:
        return VariantKind::Real;
    case QMetaType::QByteArray:
        return VariantKind::Bytes;
    default:
        return VariantKind::Text;
    }
}

inline VariantKind KindOfVariant(const QVariant& value) {
    return value.isNull() ? VariantKind::Null : KindOfType(value.typeId());
}

} // namespace tarvand
