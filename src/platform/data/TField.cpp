#include "TField.h"

#include "EDatabaseError.h"
#include "FieldConversion.h"
#include "TDataSet.h"

#include <limits>

namespace tarvand::data {

TField::TField(TDataSet* dataSet, const QString& fieldName, TFieldType dataType, int size, TFieldKind kind)
    : dataSet_(dataSet), fieldName_(fieldName), dataType_(dataType), size_(size), kind_(kind) {}

bool TField::IsNull() const {
    return !Value().isValid();
}

QVariant TField::Value() const {
    return dataSet_->readField(*this);
}

QVariant TField::OldValue() const {
    return dataSet_->readOldField(*this);
}

QString TField::AsString() const {
    return FieldConversion::toText(Value(), dataType_);
}

int TField::AsInteger() const {
    const qint64 value = AsLargeInt();
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min()) {
        throw EDatabaseError(QStringLiteral("'%1' is not a valid integer value").arg(value));
    }
    return int(value);
}

qint64 TField::AsLargeInt() const {
    return FieldConversion::toInteger(Value());
}

double TField::AsFloat() const {
    return FieldConversion::toFloat(Value());
}

bool TField::AsBoolean() const {
    return FieldConversion::toBoolean(Value());
}

QString TField::Text() const {
    return AsString();
}

QString TField::DisplayText() const {
    return FieldConversion::toDisplayText(Value(), dataType_, displayFormat_);
}

void TField::SetValue(const QVariant& value) {
    assign(value);
}

void TField::SetAsString(const QString& value) {
    assign(value);
}

void TField::SetAsInteger(int value) {
    assign(qlonglong(value));
}

void TField::SetAsFloat(double value) {
    assign(value);
}

void TField::SetText(const QString& value) {
    assign(value);
}

void TField::Clear() {
    assign(QVariant());
}

void TField::assign(const QVariant& value) {
    // A calculated field is filled by OnCalcFields whatever its ReadOnly says.
    const bool calculating = Calculated() && dataSet_->State() == TDataSetState::dsCalcFields;
    if (readOnly_ && !calculating) {
        throw EDatabaseError(QStringLiteral("Field '%1' cannot be modified").arg(fieldName_));
    }
    dataSet_->writeField(*this, FieldConversion::fromInput(value, *this));
}

} // namespace tarvand::data
