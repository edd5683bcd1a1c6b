#include "RecordCursor.h"

#include <algorithm>

namespace tarvand::data {

void RecordCursor::reset(std::vector<RowId> order) {
    order_ = std::move(order);
    first();
}

void RecordCursor::first() {
    position_ = order_.empty() ? -1 : 0;
    gap_ = 0;
    bof_ = true;
    eof_ = order_.empty();
}

void RecordCursor::last() {
    position_ = count() - 1;
    gap_ = 0;
    bof_ = order_.empty();
    eof_ = true;
}

bool RecordCursor::canMove(int distance) const {
    return (distance > 0 && !eof_) || (distance < 0 && !bof_);
}

int RecordCursor::moveBy(int distance) {
    if (!canMove(distance)) {
        return 0;
    }
    bof_ = false;
    eof_ = false;
    if (order_.empty()) {
        position_ = -1;
        bof_ = eof_ = true;
        return 0;
    }
    // Without a current record the cursor sits between gap_ - 1 and gap_.
    const int from = hasCurrent() ? position_ : (distance > 0 ? gap_ - 1 : gap_);
    int target = from + distance;
    if (target >= count()) {
        target = count() - 1;
        eof_ = true;
    } else if (target < 0) {
        target = 0;
        bof_ = true;
    }
    const int moved = target - from;
    position_ = target;
    return moved;
}

void RecordCursor::moveTo(int position) {
    position_ = position;
    bof_ = false;
    eof_ = false;
}

int RecordCursor::find(RowId row) const {
    const auto found = std::find(order_.begin(), order_.end(), row);
    return found == order_.end() ? -1 : int(found - order_.begin());
}

int RecordCursor::insertionPoint() const {
    return hasCurrent() ? position_ : std::min(gap_, count());
}

void RecordCursor::insert(int position, RowId row) {
    position = std::clamp(position, 0, count());
    order_.insert(order_.begin() + position, row);
    moveTo(position);
}

void RecordCursor::replaceCurrent(RowId row) {
    order_.at(std::size_t(position_)) = row;
}

void RecordCursor::removeCurrent() {
    order_.erase(order_.begin() + position_);
    if (order_.empty()) {
        position_ = -1;
        bof_ = eof_ = true;
        return;
    }
    position_ = std::min(position_, count() - 1);
    bof_ = false;
    eof_ = false;
}

void RecordCursor::removeCurrentLeavingGap() {
    gap_ = position_;
    order_.erase(order_.begin() + position_);
    position_ = -1;
    bof_ = eof_ = order_.empty();
}

void RecordCursor::removeCurrentReturningTo(int position) {
    removeCurrentLeavingGap();
    if (position >= 0 && position < count()) {
        moveTo(position);
    }
}

} // namespace tarvand::data
