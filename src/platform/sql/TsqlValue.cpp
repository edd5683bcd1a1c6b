#include "TsqlValue.h"

#include "DeclaredType.h"
#include "EDatabaseError.h"
#include "VariantKind.h"
#include "WholeNumber.h"

#include <QtNumeric>
#include <cmath>

namespace tarvand::sql {

namespace {

QString trimmedBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].isSpace()) {
        ++begin;
    }
    while (end > begin && text[end - 1].isSpace()) {
        --end;
    }
    return text.mid(begin, end - begin);
}

QString floatText(double value) {
    if (IsWholeNumber(value, 1e15)) {
        return QString::number(qint64(value));
    }
    QString text = QString::number(value, 'g', 6);
    // SQL Server writes three exponent digits: 1.23457e+006.
    const qsizetype e = text.indexOf(u'e');
    if (e >= 0) {
        QString digits = text.mid(e + 2);
        while (digits.size() < 3) {
            digits.prepend(u'0');
        }
        text = text.left(e + 2) + digits;
    }
    return text;
}

} // namespace

TsqlValue TsqlValue::integer(qint64 value) {
    TsqlValue v;
    v.type_ = Type::Integer;
    v.int_ = value;
    return v;
}

TsqlValue TsqlValue::real(double value) {
    TsqlValue v;
    v.type_ = Type::Float;
    v.double_ = value;
    return v;
}

TsqlValue TsqlValue::text(QString value) {
    TsqlValue v;
    v.type_ = Type::Text;
    v.text_ = std::move(value);
    return v;
}

TsqlValue TsqlValue::fromSqlite(sqlite3_value* value) {
    switch (sqlite3_value_type(value)) {
    case SQLITE_INTEGER:
        return integer(sqlite3_value_int64(value));
    case SQLITE_FLOAT:
        return real(sqlite3_value_double(value));
    case SQLITE_NULL:
        return {};
    default:
        return text(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(value)),
                                      sqlite3_value_bytes(value)));
    }
}

TsqlValue TsqlValue::fromVariant(const QVariant& value) {
    switch (KindOfVariant(value)) {
    case VariantKind::Null:
        return {};
    case VariantKind::Integer:
        return integer(value.toLongLong());
    case VariantKind::Real:
        return real(value.toDouble());
    case VariantKind::Bytes:
    case VariantKind::Text:
        break;
    }
    return text(value.toString());
}

QString TsqlValue::toText() const {
    switch (type_) {
    case Type::Integer:
        return QString::number(int_);
    case Type::Float:
        return floatText(double_);
    case Type::Text:
        return text_;
    case Type::Null:
        break;
    }
    return {};
}

QVariant TsqlValue::toVariant() const {
    switch (type_) {
    case Type::Integer:
        return QVariant(int_);
    case Type::Float:
        return QVariant(double_);
    case Type::Text:
        return QVariant(text_);
    case Type::Null:
        break;
    }
    return {};
}

void TsqlValue::setResult(sqlite3_context* context) const {
    switch (type_) {
    case Type::Integer:
        sqlite3_result_int64(context, int_);
        return;
    case Type::Float:
        sqlite3_result_double(context, double_);
        return;
    case Type::Text: {
        const QByteArray bytes = text_.toUtf8();
        sqlite3_result_text64(context, bytes.constData(), sqlite3_uint64(bytes.size()), SQLITE_TRANSIENT,
                              SQLITE_UTF8);
        return;
    }
    case Type::Null:
        sqlite3_result_null(context);
        return;
    }
}

TsqlValue TsqlValue::toIntegerType(const QString& typeName) const {
    if (type_ == Type::Integer) {
        return *this;
    }
    if (type_ == Type::Float) {
        if (!std::isfinite(double_) || std::fabs(double_) >= 9.2e18) {
            throw EDatabaseError(
                QStringLiteral("Arithmetic overflow error converting expression to data type %1.")
                    .arg(typeName));
        }
        return integer(qint64(std::trunc(double_)));
    }
    const QString text = trimmedBlanks(text_);
    if (text.isEmpty()) {
        return integer(0);
    }
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok) {
        throw EDatabaseError(
            QStringLiteral("Conversion failed when converting the varchar value '%1' to data type %2.")
                .arg(text_, typeName));
    }
    return integer(value);
}

TsqlValue TsqlValue::toFloatType() const {
    if (type_ != Type::Text) {
        return real(toReal());
    }
    const QString text = trimmedBlanks(text_);
    if (text.isEmpty()) {
        return real(0);
    }
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok) {
        throw EDatabaseError(QStringLiteral("Error converting data type varchar to float."));
    }
    return real(value);
}

TsqlValue TsqlValue::toDecimalType(int scale) const {
    double value = 0;
    if (type_ == Type::Text) {
        bool ok = false;
        value = trimmedBlanks(text_).toDouble(&ok);
        if (!ok) {
            throw EDatabaseError(QStringLiteral("Error converting data type varchar to numeric."));
        }
    } else if (type_ == Type::Integer && scale == 0) {
        return *this;
    } else {
        value = toReal();
    }
    const double factor = std::pow(10.0, scale);
    const double rounded = std::round(value * factor) / factor;
    if (scale == 0 && std::fabs(rounded) < 9.2e18) {
        return integer(qint64(rounded));
    }
    return real(rounded);
}

TsqlValue TsqlValue::cast(const DeclaredType& type) const {
    if (isNull()) {
        return {};
    }
    const QString& base = type.base();
    if (type.isCharacter() || base == u"text" || base == u"ntext") {
        QString text = toText();
        // Cast(x As Varchar) without a length means Varchar(30).
        const int length = type.isCharacter() ? (type.hasLength() ? type.length() : 30) : 0;
        if (length > 0 && text.size() > length) {
            text.truncate(length);
        }
        if ((base == u"char" || base == u"nchar") && text.size() < length) {
            text = text.leftJustified(length, u' ');
        }
        return TsqlValue::text(text);
    }
    if (base == u"bit") {
        return integer(toIntegerType(base).int_ != 0 ? 1 : 0);
    }
    if (type.kind() == ColumnKind::Integer) {
        return toIntegerType(base);
    }
    if (base == u"float" || base == u"real" || base == u"double") {
        return toFloatType();
    }
    if (base == u"decimal" || base == u"numeric") {
        return toDecimalType(type.scale());
    }
    if (base == u"money" || base == u"smallmoney") {
        return toDecimalType(4);
    }
    if (base == u"datetime" || base == u"date" || base == u"smalldatetime") {
        return TsqlValue::text(toText());
    }
    throw EDatabaseError(QStringLiteral("Type %1 is not supported by the embedded database.").arg(base));
}

TsqlValue TsqlValue::add(const TsqlValue& left, const TsqlValue& right) {
    if (left.isNull() || right.isNull()) {
        return {};
    }
    if (left.type_ == Type::Text && right.type_ == Type::Text) {
        return text(left.text_ + right.text_);
    }
    const auto numeric = [](const TsqlValue& value, const TsqlValue& other) {
        if (value.type_ != Type::Text) {
            return value;
        }
        return other.type_ == Type::Integer ? value.toIntegerType(QStringLiteral("int"))
                                            : value.toFloatType();
    };
    const TsqlValue a = numeric(left, right);
    const TsqlValue b = numeric(right, left);
    if (a.type_ == Type::Integer && b.type_ == Type::Integer) {
        qint64 sum = 0;
        if (!qAddOverflow(a.int_, b.int_, &sum)) {
            return integer(sum);
        }
    }
    return real(a.toReal() + b.toReal());
}

} // namespace tarvand::sql
