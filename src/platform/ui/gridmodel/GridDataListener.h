#pragma once

namespace tarvand::ui {

// What the grid widget hears from its model about the dataset. A plain interface rather than
// signals, because an exception thrown while the grid writes its pending cell must travel back
// into the dataset operation that asked for it (a Post then stops), and must not cross Qt's
// signal machinery on the way.
class GridDataListener {
public:
    virtual ~GridDataListener() = default;
    // The dataset is about to post: write the text of the cell being edited into its field.
    virtual void recordUpdateRequested() = 0;
    // The current record moved, or the rows were reset (the model has already told the view).
    virtual void currentRecordChanged() = 0;
    // The dataset's state changed (browse, edit, insert, inactive).
    virtual void dataSetStateChanged() = 0;
};

} // namespace tarvand::ui
