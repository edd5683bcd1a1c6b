#pragma once

#include "SiblingDialog.h"

class QTableWidget;

namespace tarvand::data {
class TDataSet;
}

namespace tarvand::siblings {

// The properties of a report: its title, its number of rows and its columns (caption, field,
// type, size, visible). Enter or Esc closes it.
class ReportPropertyDialog : public SiblingDialog {
public:
    ReportPropertyDialog(const QString& title, data::TDataSet* dataSet, QWidget* parent = nullptr);

    QTableWidget* ColumnTable() const { return columns_; }

private:
    QTableWidget* columns_;
};

} // namespace tarvand::siblings
