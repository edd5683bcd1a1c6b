#pragma once

#include <QFlags>

namespace tarvand::ui {

// Options of the data-aware grid.
enum TDBGridOption {
    dgEditing = 0x1, // cells may be typed into
    dgAlwaysShowEditor = 0x2,
    dgTitles = 0x4,        // the title row
    dgIndicator = 0x8,     // the column that marks the current row and its state
    dgColumnResize = 0x10, // the user may resize columns
    dgColLines = 0x20,
    dgRowLines = 0x40,
    dgTabs = 0x80, // Tab moves between columns
    dgRowSelect = 0x100,
    dgAlwaysShowSelection = 0x200,
    dgConfirmDelete = 0x400,
    dgCancelOnExit = 0x800, // leaving the grid cancels a new row nobody typed into
    dgMultiSelect = 0x1000
};
Q_DECLARE_FLAGS(TDBGridOptions, TDBGridOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TDBGridOptions)

} // namespace tarvand::ui
