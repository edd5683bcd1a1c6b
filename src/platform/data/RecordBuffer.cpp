#include "RecordBuffer.h"

namespace tarvand::data {

void RecordBuffer::startEdit(std::vector<QVariant> original) {
    values_ = original;
    original_ = std::move(original);
    editing_ = true;
    isNew_ = false;
    modified_ = false;
}

void RecordBuffer::startInsert(int columnCount) {
    values_.assign(std::size_t(columnCount), QVariant());
    original_.clear();
    editing_ = true;
    isNew_ = true;
    modified_ = false;
}

void RecordBuffer::finish() {
    values_.clear();
    original_.clear();
    editing_ = false;
    isNew_ = false;
    modified_ = false;
}

void RecordBuffer::clearCalculated(int count) {
    calculated_.assign(std::size_t(count), QVariant());
}

} // namespace tarvand::data
