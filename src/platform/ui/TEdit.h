#pragma once

#include "TControl.h"
#include "UiTypes.h"

#include <QLineEdit>

namespace tarvand::ui {

// A one-line text box. OnChange runs for every change of the text, typed or set.
class TEdit : public QLineEdit, public TControl {
    Q_OBJECT
    TARVAND_CONTROL_PROPERTIES

public:
    explicit TEdit(QWidget* parent = nullptr);

    QString Text() const { return text(); }
    void SetText(const QString& text) { setText(text); }
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool value) { setReadOnly(value); }
    int MaxLength() const { return maxLength(); }
    void SetMaxLength(int length);
    TBorderStyle BorderStyle() const { return hasFrame() ? bsSingle : bsNone; }
    void SetBorderStyle(TBorderStyle style) { setFrame(style == bsSingle); }

    TNotifyEvent OnChange;
    TKeyPressEvent OnKeyPress;

protected:
    QPalette::ColorRole ColorRole() const override { return QPalette::Base; }
    QPalette::ColorRole FontColorRole() const override { return QPalette::Text; }
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tarvand::ui
