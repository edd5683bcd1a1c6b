#pragma once

#include "TForm.h"
#include "ui_TDlgMsg.h"

#include <QTimer>

namespace tarvand::host {

// The host's message dialog. The module's message function reconfigures it for every message
// (buttons, icon, text, title) and shows it modally; the dialog itself only ends the modal loop:
// a button gives its modal result, leaving without one (the close button, Esc, closing the window)
// gives DismissResult. Borderless, with a caption strip that drags it.
class TDlgMsg : public ui::TForm, public Ui_DlgMsg {
    Q_OBJECT

public:
    explicit TDlgMsg(QWidget* parent = nullptr);

    // Disabled unless a caller enables it: then the message goes away by itself after 1.3 s, as
    // if dismissed.
    QTimer* Timer;

    // The title of a message shown without one.
    QString DefaultTitle() const { return defaultTitle_; }
    int DismissResult() const { return dismissResult_; }
    void SetDismissResult(int result) { dismissResult_ = result; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow(QObject* Sender);
    void FormShortCut(ui::WORD Key, ui::TShiftState Shift, bool& Handled);
    void Caption_PanelMouseDown(QObject* Sender, ui::TMouseButton Button, ui::TShiftState Shift, int X,
                                int Y);
    void sb_ClosedClick(QObject* Sender);
    void TimerTimer();
    void dismiss();

    QString defaultTitle_;
    int dismissResult_ = ui::mrOk;
};

} // namespace tarvand::host
