#include "LocateMatcher.h"

#include "EDatabaseError.h"
#include "FieldConversion.h"
#include "TDataSet.h"
#include "TField.h"

namespace tarvand::data {

namespace {

bool isTextField(TFieldType type) {
    return type == TFieldType::ftString || type == TFieldType::ftMemo || type == TFieldType::ftUnknown;
}

} // namespace

LocateMatcher::LocateMatcher(QList<TField*> fields, const QVariant& keyValues, TLocateOptions options)
    : fields_(std::move(fields)), options_(options) {
    if (fields_.isEmpty()) {
        throw EDatabaseError(QStringLiteral("Locate needs at least one key field"));
    }
    if (keyValues.typeId() == QMetaType::QVariantList) {
        values_ = keyValues.toList();
    } else {
        values_.append(keyValues);
    }
    if (values_.size() != fields_.size()) {
        throw EDatabaseError(
            QStringLiteral("Locate needs one value for each of its %1 key fields").arg(fields_.size()));
    }
    // Key values of numeric fields are converted once; one that is no number matches no row.
    for (qsizetype i = 0; i < values_.size(); ++i) {
        std::optional<double> number;
        if (IsNumericType(fields_.at(i)->DataType()) && values_.at(i).isValid()) {
            try {
                number = FieldConversion::toFloat(values_.at(i));
            } catch (const EDatabaseError&) {
                number.reset(); // not a number: no row can match it
            }
        }
        numbers_.push_back(number);
    }
}

bool LocateMatcher::matches(int key, const QVariant& fieldValue) const {
    const QVariant& wanted = values_.at(key);
    if (!wanted.isValid() || wanted.isNull()) {
        return !fieldValue.isValid();
    }
    const TFieldType type = fields_.at(key)->DataType();
    if (isTextField(type)) {
        const QString text = FieldConversion::toText(fieldValue, type);
        const QString sought = wanted.toString();
        const Qt::CaseSensitivity sensitivity =
            options_.testFlag(TLocateOption::loCaseInsensitive) ? Qt::CaseInsensitive : Qt::CaseSensitive;
        if (options_.testFlag(TLocateOption::loPartialKey)) {
            return text.startsWith(sought, sensitivity);
        }
        return text.compare(sought, sensitivity) == 0;
    }
    if (!fieldValue.isValid()) {
        return false;
    }
    if (IsNumericType(type) && fieldValue.typeId() != QMetaType::QString) {
        const std::optional<double>& number = numbers_.at(std::size_t(key));
        return number && fieldValue.toDouble() == *number;
    }
    return FieldConversion::toText(fieldValue, type) == FieldConversion::toText(wanted, type);
}

int LocateMatcher::firstMatch(const TDataSet& dataSet) const {
    const int count = dataSet.RecordCount();
    for (int position = 0; position < count; ++position) {
        bool all = true;
        for (int key = 0; key < fields_.size() && all; ++key) {
            all = matches(key, dataSet.ValueAt(position, fields_.at(key)->Index()));
        }
        if (all) {
            return position;
        }
    }
    return -1;
}

} // namespace tarvand::data
