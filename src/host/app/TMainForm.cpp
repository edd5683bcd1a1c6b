#include "TMainForm.h"

#include "CaptionStrip.h"
#include "TPanel.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "WindowDrag.h"

#include <QEvent>
#include <QScreen>

namespace tarvand::host {

TMainForm::TMainForm(QWidget* parent) : ui::TForm(parent) {
    setupUi(this);
    setObjectName(QStringLiteral("MainForm"));

    CaptionStrip::Style(Caption_Panel, Close_Shape, sb_Closed, Min_Shape, sb_Min);

    Caption_Panel->OnMouseDown = [this](QObject* sender, ui::TMouseButton button, ui::TShiftState shift,
                                        int x,
                                        int y) { Caption_PanelMouseDown(sender, button, shift, x, y); };
    Caption_Panel->OnDblClick = [this](QObject* sender) { Caption_PanelDblClick(sender); };
    sb_Closed->OnClick = [this](QObject*) { Close(); };
    sb_Min->OnClick = [this](QObject*) { SetWindowState(ui::wsMinimized); };
}

void TMainForm::SetTitle(const QString& title) {
    SetCaption(title);
    Caption_Panel->SetCaption(QStringLiteral("     ") + title);
}

void TMainForm::SetStatus(const QString& text, const QString& hint) {
    plStatus->SetCaption(QStringLiteral("  ") + text);
    plStatus->SetHint(hint);
}

void TMainForm::showEvent(QShowEvent* event) {
    ui::TForm::showEvent(event);
    fillScreenWhenMaximised();
}

void TMainForm::changeEvent(QEvent* event) {
    ui::TForm::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isVisible())
        fillScreenWhenMaximised();
}

// Without a window manager nothing sizes a maximised window, while the module lays its caption
// buttons out by the screen's width: the window takes the screen's free area itself.
void TMainForm::fillScreenWhenMaximised() {
    if (!(windowState() & Qt::WindowMaximized) || screen() == nullptr)
        return;
    const QRect area = screen()->availableGeometry();
    if (geometry() != area)
        setGeometry(area);
}

void TMainForm::Caption_PanelMouseDown(QObject*, ui::TMouseButton Button, ui::TShiftState, int, int) {
    if (Button == ui::mbLeft)
        ui::WindowDrag::start(Caption_Panel);
}

void TMainForm::Caption_PanelDblClick(QObject*) {
    SetWindowState(WindowState() == ui::wsMaximized ? ui::wsNormal : ui::wsMaximized);
}

} // namespace tarvand::host
