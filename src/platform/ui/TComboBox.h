#pragma once

#include "TControl.h"
#include "UiTypes.h"

#include <QComboBox>
#include <QStringList>

namespace tarvand::ui {

enum TComboBoxStyle { csDropDown, csDropDownList };

// A drop-down list. OnChange runs when the user picks an item, not when ItemIndex is set in code.
class TComboBox : public QComboBox, public TControl {
    Q_OBJECT
    TARVAND_CONTROL_PROPERTIES

public:
    explicit TComboBox(QWidget* parent = nullptr);

    QStringList Items() const;
    void SetItems(const QStringList& items);
    void ClearItems() { clear(); }
    void AddItem(const QString& item) { addItem(item); }
    // -1 when nothing is selected.
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index);
    QString Text() const { return currentText(); }
    TComboBoxStyle Style() const { return isEditable() ? csDropDown : csDropDownList; }
    void SetStyle(TComboBoxStyle style) { setEditable(style == csDropDown); }

    TNotifyEvent OnChange;

protected:
    QPalette::ColorRole ColorRole() const override { return QPalette::Base; }
    QPalette::ColorRole FontColorRole() const override { return QPalette::Text; }
};

} // namespace tarvand::ui
