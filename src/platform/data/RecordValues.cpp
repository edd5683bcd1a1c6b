#include "RecordValues.h"

#include "FieldConversion.h"
#include "RecordBuffer.h"
#include "RowSet.h"
#include "TField.h"

namespace tarvand::data {

RecordValues::RecordValues(const RowSet& rows, RecordBuffer& buffer) : rows_(rows), buffer_(buffer) {}

QVariant RecordValues::stored(int column) const {
    if (calculationRow_ != kNoRow) {
        return rows_.otherValue(calculationRow_, column);
    }
    if (buffer_.editing()) {
        return buffer_.value(column);
    }
    const RecordCursor& cursor = rows_.cursor();
    return cursor.hasCurrent() ? rows_.currentValue(cursor.current(), column) : QVariant();
}

QVariant RecordValues::read(const TField& field) const {
    const auto slot = std::size_t(field.slot_);
    if (field.Calculated()) {
        const std::vector<QVariant>& values =
            calculationRow_ != kNoRow ? otherCalculated_ : buffer_.calculated();
        return slot < values.size() ? values[slot] : QVariant();
    }
    return FieldConversion::fromStored(stored(field.slot_), field.DataType());
}

QVariant RecordValues::readOriginal(const TField& field) const {
    if (field.Calculated() || calculationRow_ != kNoRow || !buffer_.editing()) {
        return read(field);
    }
    return buffer_.isNew() ? QVariant()
                           : FieldConversion::fromStored(buffer_.original().at(std::size_t(field.slot_)),
                                                         field.DataType());
}

std::vector<QVariant>& RecordValues::calculated() {
    return calculationRow_ != kNoRow ? otherCalculated_ : buffer_.calculated();
}

const std::vector<QVariant>& RecordValues::calculatedFor(RowId row, int count,
                                                         const std::function<void()>& compute) {
    if (otherRow_ == row && otherGeneration_ == generation_) {
        return otherCalculated_;
    }
    otherRow_ = kNoRow;
    otherCalculated_.assign(std::size_t(count), QVariant());
    calculationRow_ = row;
    try {
        compute();
    } catch (...) {
        calculationRow_ = kNoRow;
        throw;
    }
    calculationRow_ = kNoRow;
    otherRow_ = row;
    otherGeneration_ = generation_;
    return otherCalculated_;
}

} // namespace tarvand::data
