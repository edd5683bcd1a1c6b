#include "TDlgMsg.h"

#include "CaptionStrip.h"
#include "Guard.h"
#include "MessageIcons.h"
#include "WindowDrag.h"

#include <QCloseEvent>

namespace tarvand::host {

TDlgMsg::TDlgMsg(QWidget* parent) : ui::TForm(parent), defaultTitle_(QStringLiteral("پيام")) {
    setupUi(this);
    setObjectName(QStringLiteral("DlgMsg"));

    SetBorderStyle(ui::bsNone);
    SetCaption(defaultTitle_);
    Caption_Panel->SetAlign(ui::alTop);
    Panel1->SetAlign(ui::alClient);
    Panel1->SetBevelInner(ui::bvRaised);
    BottomPanel->SetAlign(ui::alBottom);
    BottomPanel->SetBevelOuter(ui::bvNone);
    InfoPanel->SetAlign(ui::alClient);
    InfoPanel->SetBevelOuter(ui::bvNone);
    Panel2->SetBevelOuter(ui::bvNone);
    Panel2->SetBevelInner(ui::bvLowered);

    Memo1->SetColor(palette().color(QPalette::Button));
    Memo1->SetScrollBars(ui::ssNone);
    Memo1->SetTabStop(false);

    const std::pair<ui::TImage*, MessageIcons::Kind> icons[] = {{I_Warning, MessageIcons::Warning},
                                                                {I_Question, MessageIcons::Question},
                                                                {I_Error, MessageIcons::Error},
                                                                {I_Stop, MessageIcons::Stop},
                                                                {I_Info, MessageIcons::Information}};
    for (const auto& [image, kind] : icons) {
        image->SetPicture(MessageIcons::Picture(kind, image->size()));
        image->SetStretch(true);
    }
    I_Stop->SetCenter(true);

    BBtnOK2->SetKind(ui::bkOK);
    BBtnCancel->SetKind(ui::bkCancel);
    QFont bold = BBtnCancel->font();
    bold.setBold(true);
    BBtnCancel->setFont(bold);
    BBtnOK1->SetModalResult(ui::mrOk);
    BBtnOK1->SetDefault(true);
    BBtnYes->SetKind(ui::bkYes);
    BBtnNo->SetModalResult(ui::mrNo);
    BBtnNo->SetCancel(true);
    // The kinds give the buttons their glyphs and roles; the captions stay the dialog's own.
    BBtnOK2->SetCaption(QStringLiteral("&تاييد"));
    BBtnCancel->SetCaption(QStringLiteral("&انصراف"));
    BBtnYes->SetCaption(QStringLiteral("&بله"));

    Caption_Panel->Tag = 99;
    CaptionStrip::Style(Caption_Panel, Close_Shape, sb_Closed);
    Caption_Panel->OnMouseDown = [this](QObject* sender, ui::TMouseButton button, ui::TShiftState shift,
                                        int x,
                                        int y) { Caption_PanelMouseDown(sender, button, shift, x, y); };
    sb_Closed->OnClick = [this](QObject* sender) { sb_ClosedClick(sender); };

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(1300);
    Timer->setSingleShot(true);
    connect(Timer, &QTimer::timeout, this, [this] { ui::Guard::run([this] { TimerTimer(); }); });

    OnShow = [this](QObject* sender) { FormShow(sender); };
    OnShortCut = [this](ui::WORD key, ui::TShiftState shift, bool& handled) {
        FormShortCut(key, shift, handled);
    };
}

void TDlgMsg::closeEvent(QCloseEvent* event) {
    if (IsModal() && ModalResult() == ui::mrNone)
        SetModalResult(dismissResult_);
    ui::TForm::closeEvent(event);
}

void TDlgMsg::FormShow(QObject*) {
    SetRoundedRegion(rect(), 20, 40);
    // Enter answers the default button; the focus goes to the one the message shows.
    for (ui::TBitBtn* button : {BBtnOK1, BBtnOK2, BBtnYes}) {
        if (!button->isHidden()) {
            button->setFocus();
            return;
        }
    }
    setFocus();
}

void TDlgMsg::FormShortCut(ui::WORD Key, ui::TShiftState Shift, bool& Handled) {
    if (Key == ui::VK_ESCAPE && Shift == Qt::NoModifier && IsModal()) {
        dismiss();
        Handled = true;
    }
}

void TDlgMsg::Caption_PanelMouseDown(QObject*, ui::TMouseButton Button, ui::TShiftState, int, int) {
    if (Button == ui::mbLeft)
        ui::WindowDrag::start(Caption_Panel);
}

void TDlgMsg::sb_ClosedClick(QObject*) {
    dismiss();
}

void TDlgMsg::TimerTimer() {
    Timer->stop();
    dismiss();
}

void TDlgMsg::dismiss() {
    if (IsModal())
        SetModalResult(dismissResult_);
    else
        Close();
}

} // namespace tarvand::host
