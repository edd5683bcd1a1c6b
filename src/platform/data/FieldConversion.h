#pragma once

#include "DataTypes.h"

#include <QString>
#include <QVariant>

namespace tarvand::sql {
struct ColumnInfo;
}

namespace tarvand::data {

class TField;

// How values cross between the database's representation and a field's. A field value is null as
// an invalid QVariant, otherwise QString (strings, memos), qlonglong (integers, auto-increment),
// double (floats), bool, QDateTime or QByteArray (blobs).
class FieldConversion {
public:
    // The type of a field made for a result column: from the declared type where there is one,
    // else from the storage class of the values.
    static TFieldType typeOfColumn(const sql::ColumnInfo& column);

    // A value as the row store holds it, in the field type's representation. A value that does not
    // convert (text in an integer column) is kept as it is.
    static QVariant fromStored(const QVariant& stored, TFieldType type);
    // A value assigned to the field, checked and converted; strings are cut to the field's size and
    // an empty text makes a non-string field null. Throws EDatabaseError.
    static QVariant fromInput(const QVariant& input, const TField& field);

    static QString toText(const QVariant& value, TFieldType type);
    static QString toDisplayText(const QVariant& value, TFieldType type, const QString& displayFormat);
    // Null reads as 0 / false; a text that is not a number throws EDatabaseError.
    static qint64 toInteger(const QVariant& value);
    static double toFloat(const QVariant& value);
    static bool toBoolean(const QVariant& value);

    // Equality as the database sees it: numbers by value whatever their C++ type, NULL only equal
    // to NULL, strings exactly (case and trailing blanks count).
    static bool sameValue(const QVariant& a, const QVariant& b);
};

} // namespace tarvand::data
