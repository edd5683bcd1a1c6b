#pragma once

#include "FilterCondition.h"
#include "FilterField.h"

#include <QList>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QToolButton;

namespace tarvand::siblings {

// One line of the filter dialog: how it joins the lines above (and / or; not on the first line),
// the column, the operator and the value, and a button that removes the line.
class FilterRow : public QWidget {
public:
    FilterRow(const QList<FilterField>& fields, bool first, QWidget* parent = nullptr);

    FilterCondition Condition() const;
    const FilterField& Field() const;
    void SetField(int index);
    void SetFirst(bool first);

    QComboBox* LinkBox() const { return link_; }
    QComboBox* FieldBox() const { return field_; }
    QComboBox* OperatorBox() const { return operator_; }
    QLineEdit* ValueEdit() const { return value_; }
    QToolButton* RemoveButton() const { return remove_; }

    // Widths the header of the dialog lines up with.
    static constexpr int LinkWidth = 56;
    static constexpr int FieldWidth = 170;
    static constexpr int OperatorWidth = 110;
    static constexpr int ValueWidth = 190;

private:
    QList<FilterField> fields_;
    QComboBox* link_;
    QComboBox* field_;
    QComboBox* operator_;
    QLineEdit* value_;
    QToolButton* remove_;
};

} // namespace tarvand::siblings
