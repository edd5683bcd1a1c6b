#pragma once

#include "ReportHeading.h"
#include "ReportOptions.h"
#include "ReportTable.h"
#include "SiblingDialog.h"

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QListWidget;

namespace tarvand::siblings {

// The set-up of the advanced print: the title, which of the grid's columns are printed (those
// the grid shows are ticked), the paper, its orientation and the font size. Space ticks a
// column, Enter goes on to the preview, Esc gives up.
class PrintSetupDialog : public SiblingDialog {
public:
    PrintSetupDialog(const ReportTable& table, const ReportHeading& heading, QWidget* parent = nullptr);

    // The table with the chosen columns, the heading with the title as edited, and the page.
    ReportTable Table() const;
    ReportHeading Heading() const;
    ReportOptions Options() const;

private:
    void accept();

    ReportTable table_;
    ReportHeading heading_;
    QLineEdit* title_;
    QListWidget* columns_;
    QComboBox* paper_;
    QComboBox* orientation_;
    QDoubleSpinBox* fontSize_;
};

} // namespace tarvand::siblings
