#pragma once

#include "LabelItem.h"
#include "LabelLayout.h"
#include "SiblingDialog.h"

#include <QList>
#include <memory>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;

namespace tarvand::siblings {

class LabelPreview;
class LabelSheet;

// The label designer: the symbology, the sheet (a ready-cut preset or the user's own label size,
// columns, rows, margins and gaps) and what each label shows, beside a live preview of the page;
// the labels are printed through the printer dialog or saved as PDF.
class LabelDesigner : public SiblingDialog {
    Q_OBJECT

public:
    LabelDesigner(QList<LabelItem> items, const LabelLayout& layout, QWidget* parent = nullptr);
    ~LabelDesigner() override;

    LabelLayout Layout() const { return layout_; }

private:
    QWidget* buildSettings();
    void showLayout();
    void readControls();
    void presetChosen(int index);
    void rebuild();
    void print();
    void savePdf();

    QList<LabelItem> items_;
    LabelLayout layout_;
    std::unique_ptr<LabelSheet> sheet_;
    bool showing_ = false;

    QComboBox* symbology_;
    QComboBox* preset_;
    QDoubleSpinBox* labelWidth_;
    QDoubleSpinBox* labelHeight_;
    QSpinBox* columns_;
    QSpinBox* rows_;
    QDoubleSpinBox* marginTop_;
    QDoubleSpinBox* marginSide_;
    QDoubleSpinBox* gapX_;
    QDoubleSpinBox* gapY_;
    QCheckBox* showCode_;
    QCheckBox* showName_;
    QCheckBox* showPrice_;
    QCheckBox* showDate_;
    QSpinBox* page_;
    QLabel* pageCount_;
    LabelPreview* preview_;
};

} // namespace tarvand::siblings
