#include "ShowMsg.h"

#include "Exception.h"
#include "HostContext.h"
#include "MessageKind.h"
#include "TBitBtn.h"
#include "TDlgMsg.h"
#include "TImage.h"
#include "TMemo.h"
#include "TPanel.h"

#include <QGuiApplication>
#include <QScreen>

namespace tarvand {

namespace {

// The word that, once used as a title, becomes the OK button's caption for good.
QString ContinueWord;

const QString ContinueTitle = QStringLiteral("ادامه");

void showButtons(host::TDlgMsg& dialog, MessageKind::Buttons buttons) {
    for (ui::TBitBtn* button :
         {dialog.BBtnOK2, dialog.BBtnCancel, dialog.BBtnOK1, dialog.BBtnYes, dialog.BBtnNo})
        button->SetVisible(false);
    switch (buttons) {
    case MessageKind::Buttons::Ok:
        dialog.BBtnOK1->SetVisible(true);
        break;
    case MessageKind::Buttons::OkCancel:
        dialog.BBtnOK2->SetVisible(true);
        dialog.BBtnCancel->SetVisible(true);
        break;
    case MessageKind::Buttons::YesNo:
        dialog.BBtnYes->SetVisible(true);
        dialog.BBtnNo->SetVisible(true);
        break;
    case MessageKind::Buttons::None:
        break;
    }
}

ui::TImage* iconImage(host::TDlgMsg& dialog, MessageKind::Icon icon) {
    switch (icon) {
    case MessageKind::Icon::Warning:
        return dialog.I_Warning;
    case MessageKind::Icon::Question:
        return dialog.I_Question;
    case MessageKind::Icon::Error:
        return dialog.I_Error;
    case MessageKind::Icon::Stop:
        return dialog.I_Stop;
    case MessageKind::Icon::Info:
        return dialog.I_Info;
    case MessageKind::Icon::None:
        break;
    }
    return nullptr;
}

} // namespace

int ShowMsg(QString Msg, QString Title, QString Kind) {
    if (DlgMsg == nullptr)
        throw Exception(QStringLiteral("پنجره پيام ميزبان در دسترس نيست."));
    host::TDlgMsg& dialog = *DlgMsg;

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    dialog.SetLeft(screen.width() / 2 - dialog.Width() / 2);
    dialog.SetTop(screen.height() / 2 - dialog.Height() / 2);

    if (Title.isEmpty())
        Title = dialog.DefaultTitle();
    Kind = MessageKind::Normalize(Kind);
    if (Title == ContinueTitle)
        ContinueWord = ContinueTitle;

    const MessageKind kind = MessageKind::Parse(Kind);
    showButtons(dialog, kind.buttons());
    if (const std::optional<int> dismiss = kind.dismissResult())
        dialog.SetDismissResult(*dismiss);
    for (ui::TImage* image :
         {dialog.I_Warning, dialog.I_Question, dialog.I_Error, dialog.I_Stop, dialog.I_Info})
        image->SetVisible(false);
    if (ContinueWord == ContinueTitle)
        dialog.BBtnOK1->SetCaption(ContinueWord);
    dialog.Memo1->SetLeft(5);
    dialog.Memo1->SetWidth(217);
    if (ui::TImage* image = iconImage(dialog, kind.icon())) {
        image->SetVisible(true);
    } else {
        dialog.Memo1->SetLeft(6);
        dialog.Memo1->SetWidth(213);
    }

    dialog.Memo1->Clear();
    dialog.Memo1->SetText(Msg);
    if (dialog.Memo1->LineCount() > 4) {
        dialog.Memo1->SetScrollBars(ui::ssVertical);
        dialog.InfoPanel->SetEnabled(true);
    } else {
        dialog.SetHeight(141);
        dialog.Memo1->SetHeight(69);
        dialog.Memo1->SetScrollBars(ui::ssNone);
        dialog.InfoPanel->SetEnabled(false);
    }

    dialog.Caption_Panel->SetCaption(QStringLiteral("     ") + Title);
    dialog.SetCaption(Title);
    return dialog.ShowModal();
}

void ShowMsgPlain(QString Msg) {
    ShowMsg(std::move(Msg), QString(), QStringLiteral("1 C"));
}

} // namespace tarvand
