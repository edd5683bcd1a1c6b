#pragma once

#include "TControl.h"
#include "UiTypes.h"

#include <QPlainTextEdit>
#include <QStringList>

namespace tarvand::ui {

// A multi-line text box: its text as lines, read-only mode, scroll bars, word wrap.
class TMemo : public QPlainTextEdit, public TControl {
    Q_OBJECT
    TARVAND_CONTROL_PROPERTIES

public:
    explicit TMemo(QWidget* parent = nullptr);

    QStringList Lines() const;
    void SetLines(const QStringList& lines);
    QString Text() const { return toPlainText(); }
    // Line breaks ("\r\n", "\n" or "\r") start new lines.
    void SetText(const QString& text);
    void Clear() { clear(); }
    // The number of lines as shown: a wrapped line counts once for every row it takes.
    int LineCount() const;

    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool value) { setReadOnly(value); }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle style);
    bool WordWrap() const { return lineWrapMode() != QPlainTextEdit::NoWrap; }
    void SetWordWrap(bool wrap);
    TBorderStyle BorderStyle() const { return frameShape() == QFrame::NoFrame ? bsNone : bsSingle; }
    void SetBorderStyle(TBorderStyle style);
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool value) { setFocusPolicy(value ? Qt::StrongFocus : Qt::NoFocus); }

    TNotifyEvent OnChange;

protected:
    QPalette::ColorRole ColorRole() const override { return QPalette::Base; }
    QPalette::ColorRole FontColorRole() const override { return QPalette::Text; }

private:
    TScrollStyle scrollBars_ = ssNone;
};

} // namespace tarvand::ui
