#pragma once

#include <QVariant>
#include <vector>

namespace tarvand::data {

// The values of the record being edited or inserted (one per row store column, beside the values
// it had when it was read) and the calculated values of the current record.
class RecordBuffer {
public:
    void startEdit(std::vector<QVariant> original);
    void startInsert(int columnCount);
    void finish();

    bool editing() const { return editing_; }
    bool isNew() const { return isNew_; }
    bool modified() const { return modified_; }
    void setModified(bool value) { modified_ = value; }

    const std::vector<QVariant>& values() const { return values_; }
    const std::vector<QVariant>& original() const { return original_; }
    const QVariant& value(int column) const { return values_.at(std::size_t(column)); }
    void setValue(int column, const QVariant& value) { values_.at(std::size_t(column)) = value; }

    void clearCalculated(int count);
    const std::vector<QVariant>& calculated() const { return calculated_; }
    std::vector<QVariant>& calculated() { return calculated_; }

private:
    std::vector<QVariant> values_;
    std::vector<QVariant> original_;
    std::vector<QVariant> calculated_;
    bool editing_ = false;
    bool isNew_ = false;
    bool modified_ = false;
};

} // namespace tarvand::data
