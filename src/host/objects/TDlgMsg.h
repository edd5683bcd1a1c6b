#pragma once

#include "TForm.h"

#include <QTimer>
#include <memory>

class Ui_DlgMsg;

namespace tarvand::ui {
class TBevel;
class TBitBtn;
class TImage;
class TMemo;
class TPanel;
class TShape;
class TSpeedButton;
} // namespace tarvand::ui

namespace tarvand::host {

// The host's message dialog. The module's message function reconfigures it for every message
// (buttons, icon, text, title) and shows it modally; the dialog itself only ends the modal loop:
// a button gives its modal result, leaving without one (the close button, Esc, closing the window)
// gives DismissResult. Borderless, with a caption strip that drags it.
class TDlgMsg : public ui::TForm {
    Q_OBJECT

public:
    explicit TDlgMsg(QWidget* parent = nullptr);
    ~TDlgMsg() override;

    ui::TPanel* Panel1;
    ui::TPanel* InfoPanel;
    ui::TBevel* Bevel2;
    ui::TMemo* Memo1;
    ui::TPanel* Panel2;
    ui::TImage* I_Warning;
    ui::TImage* I_Question;
    ui::TImage* I_Error;
    ui::TImage* I_Stop;
    ui::TImage* I_Info;
    ui::TPanel* BottomPanel;
    ui::TBitBtn* BBtnOK2;
    ui::TBitBtn* BBtnCancel;
    ui::TBitBtn* BBtnOK1;
    ui::TBitBtn* BBtnYes;
    ui::TBitBtn* BBtnNo;
    ui::TPanel* Caption_Panel;
    ui::TShape* Close_Shape;
    ui::TSpeedButton* sb_Closed;
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

    std::unique_ptr<Ui_DlgMsg> ui_;
    QString defaultTitle_;
    int dismissResult_ = ui::mrOk;
};

} // namespace tarvand::host
