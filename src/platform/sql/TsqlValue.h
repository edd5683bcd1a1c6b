#pragma once

#include <QString>
#include <QVariant>
#include <sqlite3.h>

namespace tarvand::sql {

class DeclaredType;

// A scalar value with SQL Server's conversion rules: what Cast, '+' and assignments to typed
// variables do with it. Conversion failures throw EDatabaseError with SQL Server's message.
class TsqlValue {
public:
    enum class Type { Null, Integer, Float, Text };

    TsqlValue() = default;
    static TsqlValue integer(qint64 value);
    static TsqlValue real(double value);
    static TsqlValue text(QString value);
    static TsqlValue fromSqlite(sqlite3_value* value);
    static TsqlValue fromVariant(const QVariant& value);

    Type type() const { return type_; }
    bool isNull() const { return type_ == Type::Null; }
    qint64 toInteger() const { return type_ == Type::Float ? qint64(double_) : int_; }
    double toReal() const { return type_ == Type::Float ? double_ : double(int_); }
    // The text SQL Server gives the value when it converts it to a character type.
    QString toText() const;
    QVariant toVariant() const;
    void setResult(sqlite3_context* context) const;

    TsqlValue cast(const DeclaredType& type) const;
    // SQL Server's '+': concatenation of two character values, addition of two numbers, and a
    // conversion of the character operand when the two are mixed. NULL yields NULL.
    static TsqlValue add(const TsqlValue& left, const TsqlValue& right);

private:
    TsqlValue toIntegerType(const QString& typeName) const;
    TsqlValue toFloatType() const;
    TsqlValue toDecimalType(int scale) const;

    Type type_ = Type::Null;
    qint64 int_ = 0;
    double double_ = 0;
    QString text_;
};

} // namespace tarvand::sql
