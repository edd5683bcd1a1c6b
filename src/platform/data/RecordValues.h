#pragma once

#include "RowStore.h"

#include <QVariant>
#include <cstdint>
#include <functional>
#include <vector>

namespace tarvand::data {

class RecordBuffer;
class RowSet;
class TField;

// What the fields of a dataset read: the stored values of the current record (the edit buffer's
// while it is edited) and its calculated values. While the calculated values of another row are
// computed for display, that row takes the current record's place for the fields.
class RecordValues {
public:
    RecordValues(const RowSet& rows, RecordBuffer& buffer);

    // A field's value in its own representation (see FieldConversion).
    QVariant read(const TField& field) const;
    // The value a data field had when the edited record was read (null for a new one).
    QVariant readOriginal(const TField& field) const;
    // The calculated values fields read and write now.
    std::vector<QVariant>& calculated();
    bool calculatingOther() const { return calculationRow_ != kNoRow; }

    // The calculated values of another row; compute (which runs OnCalcFields) is called with that
    // row standing in for the current record, at most once per row until the next change.
    const std::vector<QVariant>& calculatedFor(RowId row, int count, const std::function<void()>& compute);
    // The stored values changed: calculated values of other rows must be computed again.
    void changed() { ++generation_; }

private:
    QVariant stored(int column) const;

    static constexpr RowId kNoRow = 0xfffffffeu;

    const RowSet& rows_;
    RecordBuffer& buffer_;
    RowId calculationRow_ = kNoRow;
    std::vector<QVariant> otherCalculated_;
    RowId otherRow_ = kNoRow;
    std::uint64_t otherGeneration_ = 0;
    std::uint64_t generation_ = 0;
};

} // namespace tarvand::data
