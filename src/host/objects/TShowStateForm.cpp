#include "TShowStateForm.h"

#include "CaptionStrip.h"
#include "TLabel.h"
#include "TPanel.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>

namespace tarvand::host {

TShowStateForm::TShowStateForm(QWidget* parent) : ui::TForm(parent) {
    setupUi(this);
    setObjectName(QStringLiteral("ShowStateForm"));

    const QString title = QStringLiteral("لطفا صبر كنيد");
    SetCaption(title);
    Caption_Panel->SetAlign(ui::alTop);
    CaptionStrip::Style(Caption_Panel, nullptr, nullptr);
    Caption_Panel->SetCaption(QStringLiteral("     ") + title);
    plState->SetAlign(ui::alClient);
    plState->SetBevelInner(ui::bvLowered);
    lbState->SetAlignment(ui::taCenter);
    // A status window never takes the focus from the window the user works in.
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void TShowStateForm::ShowState(const QString& text) {
    lbState->SetCaption(text);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        SetLeft(area.width() / 2 - Width() / 2);
        SetTop(area.height() / 2 - Height() / 2);
    }
    Show();
    // Paint now, but let no keystroke or click reach the program while it is busy.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TShowStateForm::HideState() {
    hide();
}

} // namespace tarvand::host
