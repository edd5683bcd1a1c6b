#include "FieldConversion.h"

#include "ColumnInfo.h"
#include "EDatabaseError.h"
#include "NumberFormat.h"
#include "TField.h"
#include "VariantKind.h"
#include "WholeNumber.h"

#include <QDateTime>
#include <cmath>
#include <limits>
#include <optional>

namespace tarvand::data {

namespace {

bool isIntegerType(TFieldType type) {
    return type == TFieldType::ftSmallint || type == TFieldType::ftInteger || type == TFieldType::ftAutoInc;
}

bool isFloatType(TFieldType type) {
    return type == TFieldType::ftFloat || type == TFieldType::ftBCD;
}

bool isIntegralVariant(const QVariant& value) {
    return KindOfType(value.typeId()) == VariantKind::Integer;
}

bool isNumericVariant(const QVariant& value) {
    const VariantKind kind = KindOfType(value.typeId());
    return kind == VariantKind::Integer || kind == VariantKind::Real;
}

// Digits typed on a Persian or Arabic keyboard count as digits.
QString normalizedNumber(const QString& text) {
    QString result = text.trimmed();
    for (QChar& ch : result) {
        const char16_t code = ch.unicode();
        if (code >= 0x06F0 && code <= 0x06F9) {
            ch = QChar(u'0' + (code - 0x06F0));
        } else if (code >= 0x0660 && code <= 0x0669) {
            ch = QChar(u'0' + (code - 0x0660));
        }
    }
    return result;
}

std::optional<qint64> parseInteger(const QString& text) {
    bool ok = false;
    const qint64 value = normalizedNumber(text).toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

std::optional<double> parseFloat(const QString& text) {
    bool ok = false;
    const double value = normalizedNumber(text).toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

std::optional<bool> parseBoolean(const QString& text) {
    const QString word = text.trimmed().toLower();
    if (word == u"true" || word == u"t" || word == u"1" || word == u"yes" || word == u"y") {
        return true;
    }
    if (word == u"false" || word == u"f" || word == u"0" || word == u"no" || word == u"n") {
        return false;
    }
    return std::nullopt;
}

std::optional<QDateTime> parseDateTime(const QString& text) {
    const QString trimmed = text.trimmed();
    for (const Qt::DateFormat format : {Qt::ISODateWithMs, Qt::ISODate}) {
        const QDateTime value = QDateTime::fromString(trimmed, format);
        if (value.isValid()) {
            return value;
        }
    }
    for (const char* pattern : {"yyyy-MM-dd HH:mm:ss.zzz", "yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd"}) {
        const QDateTime value = QDateTime::fromString(trimmed, QLatin1String(pattern));
        if (value.isValid()) {
            return value;
        }
    }
    return std::nullopt;
}

// The shortest text that reads back as the same double, without an exponent for whole amounts.
QString floatText(double value) {
    if (IsWholeNumber(value, 1e18)) {
        return QString::number(qint64(value));
    }
    return QString::number(value, 'g', 15);
}

QString baseTypeName(const QString& declared) {
    const QString lower = declared.trimmed().toLower();
    qsizetype end = 0;
    while (end < lower.size() && lower.at(end) != u' ' && lower.at(end) != u'(') {
        ++end;
    }
    return lower.left(end);
}

[[noreturn]] void invalidValue(const QVariant& input, const char* what) {
    throw EDatabaseError(QStringLiteral("'%1' is not a valid %2").arg(input.toString(), QLatin1String(what)));
}

} // namespace

TFieldType FieldConversion::typeOfColumn(const sql::ColumnInfo& column) {
    if (column.autoIncrement) {
        return TFieldType::ftAutoInc;
    }
    const QString base = baseTypeName(column.declaredType);
    if (base == u"int" || base == u"integer" || base == u"bigint") {
        return TFieldType::ftInteger;
    }
    if (base == u"smallint" || base == u"tinyint") {
        return TFieldType::ftSmallint;
    }
    if (base == u"bit") {
        return TFieldType::ftBoolean;
    }
    if (base == u"float" || base == u"real" || base == u"double" || base == u"decimal" ||
        base == u"numeric" || base == u"money" || base == u"smallmoney") {
        return TFieldType::ftFloat;
    }
    if (base == u"char" || base == u"varchar" || base == u"nchar" || base == u"nvarchar" ||
        base == u"character") {
        return TFieldType::ftString;
    }
    if (base == u"text" || base == u"ntext" || base == u"clob") {
        return TFieldType::ftMemo;
    }
    if (base == u"datetime" || base == u"smalldatetime" || base == u"date") {
        return TFieldType::ftDateTime;
    }
    if (base == u"blob" || base == u"image" || base == u"binary" || base == u"varbinary") {
        return TFieldType::ftBlob;
    }
    switch (column.kind) {
    case sql::ColumnKind::Integer:
        return TFieldType::ftInteger;
    case sql::ColumnKind::Float:
        return TFieldType::ftFloat;
    case sql::ColumnKind::Blob:
        return TFieldType::ftBlob;
    case sql::ColumnKind::Text:
    case sql::ColumnKind::Unknown:
        break;
    }
    return TFieldType::ftString;
}

QVariant FieldConversion::fromStored(const QVariant& stored, TFieldType type) {
    if (!stored.isValid()) {
        return stored;
    }
    const bool isText = stored.typeId() == QMetaType::QString;
    switch (type) {
    case TFieldType::ftString:
    case TFieldType::ftMemo:
        if (isText) {
            return stored;
        }
        if (stored.typeId() == QMetaType::QByteArray) {
            return QString::fromUtf8(stored.toByteArray());
        }
        return toText(stored,
                      stored.typeId() == QMetaType::Double ? TFieldType::ftFloat : TFieldType::ftInteger);
    case TFieldType::ftSmallint:
    case TFieldType::ftInteger:
    case TFieldType::ftAutoInc:
        if (stored.typeId() == QMetaType::Double) {
            return qlonglong(std::llround(stored.toDouble()));
        }
        if (isText) {
            if (const auto value = parseInteger(stored.toString())) {
                return qlonglong(*value);
            }
            return stored;
        }
        return stored.toLongLong();
    case TFieldType::ftFloat:
    case TFieldType::ftBCD:
        if (isText) {
            if (const auto value = parseFloat(stored.toString())) {
                return *value;
            }
            return stored;
        }
        return stored.toDouble();
    case TFieldType::ftBoolean:
        if (isText) {
            if (const auto value = parseBoolean(stored.toString())) {
                return *value;
            }
            return stored;
        }
        return stored.toLongLong() != 0;
    case TFieldType::ftDateTime:
        if (isText) {
            if (const auto value = parseDateTime(stored.toString())) {
                return *value;
            }
        }
        return stored;
    case TFieldType::ftBlob:
        return isText ? QVariant(stored.toString().toUtf8()) : stored;
    case TFieldType::ftUnknown:
        break;
    }
    return stored;
}

QVariant FieldConversion::fromInput(const QVariant& input, const TField& field) {
    if (!input.isValid() || input.isNull()) {
        return {};
    }
    const TFieldType type = field.DataType();
    const bool isText = input.typeId() == QMetaType::QString || input.typeId() == QMetaType::QChar ||
                        input.typeId() == QMetaType::QByteArray;
    if (isText &&
        !(type == TFieldType::ftString || type == TFieldType::ftMemo || type == TFieldType::ftBlob) &&
        input.toString().trimmed().isEmpty()) {
        return {};
    }
    switch (type) {
    case TFieldType::ftString:
    case TFieldType::ftMemo:
    case TFieldType::ftUnknown: {
        QString text = input.typeId() == QMetaType::Double ? floatText(input.toDouble()) : input.toString();
        if (type == TFieldType::ftString && field.Size() > 0 && text.size() > field.Size()) {
            text.truncate(field.Size());
        }
        return text;
    }
    case TFieldType::ftSmallint:
    case TFieldType::ftInteger:
    case TFieldType::ftAutoInc: {
        qint64 value = 0;
        if (isText) {
            const auto parsed = parseInteger(input.toString());
            if (!parsed) {
                invalidValue(input, "integer value");
            }
            value = *parsed;
        } else if (isIntegralVariant(input)) {
            value = input.toLongLong();
        } else if (isNumericVariant(input)) {
            value = std::llround(input.toDouble());
        } else {
            invalidValue(input, "integer value");
        }
        const qint64 limit = type == TFieldType::ftSmallint  ? std::numeric_limits<qint16>::max()
                             : type == TFieldType::ftInteger ? std::numeric_limits<qint32>::max()
                                                             : std::numeric_limits<qint64>::max();
        if (value > limit || value < -limit - 1) {
            throw EDatabaseError(
                QStringLiteral("%1 is not a valid value for field '%2'. The allowed range is %3 to %4")
                    .arg(value)
                    .arg(field.FieldName())
                    .arg(-limit - 1)
                    .arg(limit));
        }
        return qlonglong(value);
    }
    case TFieldType::ftFloat:
    case TFieldType::ftBCD:
        if (isText) {
            const auto parsed = parseFloat(input.toString());
            if (!parsed) {
                invalidValue(input, "floating point value");
            }
            return *parsed;
        }
        if (!isNumericVariant(input)) {
            invalidValue(input, "floating point value");
        }
        return input.toDouble();
    case TFieldType::ftBoolean:
        if (isText) {
            const auto parsed = parseBoolean(input.toString());
            if (!parsed) {
                invalidValue(input, "boolean value");
            }
            return *parsed;
        }
        return input.toLongLong() != 0;
    case TFieldType::ftDateTime:
        if (input.typeId() == QMetaType::QDateTime) {
            return input;
        }
        if (input.typeId() == QMetaType::QDate) {
            return input.toDate().startOfDay();
        }
        if (const auto parsed = parseDateTime(input.toString())) {
            return *parsed;
        }
        invalidValue(input, "date and time");
        break;
    case TFieldType::ftBlob:
        return input.toByteArray();
    }
    return input;
}

QString FieldConversion::toText(const QVariant& value, TFieldType type) {
    if (!value.isValid()) {
        return {};
    }
    switch (value.typeId()) {
    case QMetaType::Double:
        return floatText(value.toDouble());
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case QMetaType::QByteArray:
        return type == TFieldType::ftBlob ? QStringLiteral("(BLOB)") : QString::fromUtf8(value.toByteArray());
    default:
        return value.toString();
    }
}

QString FieldConversion::toDisplayText(const QVariant& value, TFieldType type, const QString& displayFormat) {
    if (value.isValid() && !displayFormat.isEmpty() && isNumericVariant(value) &&
        (isIntegerType(type) || isFloatType(type))) {
        return NumberFormat(displayFormat).format(value.toDouble());
    }
    return toText(value, type);
}

qint64 FieldConversion::toInteger(const QVariant& value) {
    if (!value.isValid()) {
        return 0;
    }
    if (isIntegralVariant(value)) {
        return value.toLongLong();
    }
    if (isNumericVariant(value)) {
        return std::llround(value.toDouble());
    }
    const auto parsed = parseInteger(value.toString());
    if (!parsed) {
        invalidValue(value, "integer value");
    }
    return *parsed;
}

double FieldConversion::toFloat(const QVariant& value) {
    if (!value.isValid()) {
        return 0;
    }
    if (isNumericVariant(value)) {
        return value.toDouble();
    }
    const auto parsed = parseFloat(value.toString());
    if (!parsed) {
        invalidValue(value, "floating point value");
    }
    return *parsed;
}

bool FieldConversion::toBoolean(const QVariant& value) {
    if (!value.isValid()) {
        return false;
    }
    if (isNumericVariant(value)) {
        return value.toDouble() != 0;
    }
    const auto parsed = parseBoolean(value.toString());
    if (!parsed) {
        invalidValue(value, "boolean value");
    }
    return *parsed;
}

bool FieldConversion::sameValue(const QVariant& a, const QVariant& b) {
    if (!a.isValid() || !b.isValid()) {
        return a.isValid() == b.isValid();
    }
    if (isIntegralVariant(a) && isIntegralVariant(b)) {
        return a.toLongLong() == b.toLongLong();
    }
    if (isNumericVariant(a) && isNumericVariant(b)) {
        return a.toDouble() == b.toDouble();
    }
    if (a.typeId() == QMetaType::QString && b.typeId() == QMetaType::QString) {
        return a.toString() == b.toString();
    }
    return a == b;
}

} // namespace tarvand::data
