#pragma once

#include "TControl.h"
#include "UiTypes.h"

#include <QPixmap>
#include <QPushButton>

namespace tarvand::ui {

enum TBitBtnKind {
    bkCustom,
    bkOK,
    bkCancel,
    bkHelp,
    bkYes,
    bkNo,
    bkClose,
    bkAbort,
    bkRetry,
    bkIgnore,
    bkAll
};

// A push button with a glyph. A button with a modal result hands it to its form when clicked
// (before OnClick), which ends the form's modal loop; the Default button answers Enter and the
// Cancel button Esc anywhere in the form. "&" in the caption marks the Alt accelerator.
class TBitBtn : public QPushButton, public TControl {
    Q_OBJECT
    TARVAND_CONTROL_PROPERTIES
    Q_PROPERTY(tarvand::ui::TBitBtnKind kind READ Kind WRITE SetKind)
    Q_PROPERTY(int modalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(bool cancel READ Cancel WRITE SetCancel)

public:
    explicit TBitBtn(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }
    // The kind gives the button its modal result, Default or Cancel role and glyph.
    TBitBtnKind Kind() const { return kind_; }
    void SetKind(TBitBtnKind kind);
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    bool Default() const { return isDefault(); }
    void SetDefault(bool value) { setDefault(value); }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    QPixmap Glyph() const { return glyph_; }
    void SetGlyph(const QPixmap& glyph);

    TNotifyEvent OnClick;

private:
    void clicked();

    TBitBtnKind kind_ = bkCustom;
    TModalResult modalResult_ = mrNone;
    bool cancel_ = false;
    QPixmap glyph_;
};

} // namespace tarvand::ui
