#pragma once

#include "TForm.h"
#include "ui_TMainForm.h"

namespace tarvand::host {

// The host's main window: borderless like every window of the suite, a caption strip that moves
// it (double click maximises or restores) with close and minimise buttons at its leading edge's
// opposite (the left, in a right-to-left window) so that the title at the right never runs under
// them, the client panel the module's window is embedded into, and a status strip saying who
// works on what.
class TMainForm : public ui::TForm, public Ui_MainForm {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);

    // The title in the caption strip and the window's own caption.
    void SetTitle(const QString& title);
    // The status strip's text, and the hint that tells more when the mouse rests on it.
    void SetStatus(const QString& text, const QString& hint);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fillScreenWhenMaximised();
    void Caption_PanelMouseDown(QObject* Sender, ui::TMouseButton Button, ui::TShiftState Shift, int X,
                                int Y);
    void Caption_PanelDblClick(QObject* Sender);
};

} // namespace tarvand::host
