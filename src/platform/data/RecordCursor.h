#pragma once

#include "RowStore.h"

#include <vector>

namespace tarvand::data {

// The current order of a dataset's rows and the position in it, with the begin/end-of-data flags
// that navigation sets. Positions are 0-based indexes into the order.
//
// After the new row of an insertion is taken away the cursor has no current record but remembers
// where it was: Next goes to the record that followed it, Prior to the one before.
class RecordCursor {
public:
    // Stands in the order for the new row of an insertion until it is posted.
    static constexpr RowId kNewRow = 0xffffffffu;

    // Takes a new order and goes to its first record.
    void reset(std::vector<RowId> order);
    std::vector<RowId>& order() { return order_; }
    const std::vector<RowId>& order() const { return order_; }

    int count() const { return int(order_.size()); }
    bool hasCurrent() const { return position_ >= 0; }
    int position() const { return position_; }
    RowId current() const { return order_.at(std::size_t(position_)); }
    bool bof() const { return bof_; }
    bool eof() const { return eof_; }

    void first();
    void last();
    // Whether a move by that distance is attempted at all (not further past an end already hit).
    bool canMove(int distance) const;
    // Moves as far as possible; returns the distance moved, setting Bof/Eof when an end stopped it.
    int moveBy(int distance);
    void moveTo(int position);
    int find(RowId row) const;
    // Where Insert puts a new row: before the current record, or where the cursor sits between
    // records.
    int insertionPoint() const;

    // Puts a row into the order at a position and makes it current.
    void insert(int position, RowId row);
    void replaceCurrent(RowId row);
    // Removes the current row; the next row (or the previous, when it was the last) becomes
    // current.
    void removeCurrent();
    // Removes the current row and leaves no current record.
    void removeCurrentLeavingGap();
    // Removes the current row and goes back to the record that was at position before it was put
    // in (no current record for -1).
    void removeCurrentReturningTo(int position);

private:
    std::vector<RowId> order_;
    int position_ = -1;
    int gap_ = 0; // where the removed row was, while there is no current record
    bool bof_ = true;
    bool eof_ = true;
};

} // namespace tarvand::data
