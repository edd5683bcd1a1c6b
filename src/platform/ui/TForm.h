#pragma once

#include "TControl.h"
#include "UiTypes.h"

#include <QWidget>

class QEventLoop;

namespace tarvand::ui {

// The form base: a borderless, right-to-left window (or, once given a parent, a panel-like child
// that fills it) with the form library's lifecycle. OnShow runs on every show; Close asks OnClose
// for the close action (caHide by default, caNone keeps the form, caFree destroys it once control
// is back in the event loop); OnDestroy runs when the form is destroyed, while its controls and
// the members of the derived class still exist when the form goes through Free, caFree or the
// application object, and before its controls die when it is deleted directly.
class TForm : public QWidget, public TControl {
    Q_OBJECT

public:
    explicit TForm(QWidget* parent = nullptr);
    ~TForm() override;

    // The forms' font: Tahoma 13 pixels, or a Persian-capable face of the same size.
    static QFont DefaultFont();

    QString Caption() const;
    void SetCaption(const QString& caption);

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;
    TNotifyEvent OnDestroy;
    // Keys pressed anywhere in the form reach this first; Handled = true stops them there.
    TShortCutEvent OnShortCut;

    void Show();
    // Closes the form as its close button would: OnClose decides what happens. A modal form
    // ends its modal loop with mrCancel unless a result was set.
    void Close();
    // Destroys the form now, running OnDestroy first.
    void Free();
    // Destroys the form once control returns to the event loop.
    void Release();

    // Shows the form modally and returns its modal result (mrOk 1, mrCancel 2, mrYes 6, mrNo 7)
    // once ModalResult is set, a button with a modal result is pressed or the form is closed.
    int ShowModal();
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result);
    bool IsModal() const { return modalLoop_ != nullptr; }

    // Re-parents the form (null: a borderless window of its own). A maximised form fills its
    // parent, as does one aligned to the client area.
    void SetParentControl(QWidget* parent) override;
    TWindowState WindowState() const;
    // A form inside another control minimises the window that holds it.
    void SetWindowState(TWindowState state);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);

    // Clips the window to a rectangle with rounded corners (ellipse of the given width and height
    // at each corner), as the suite's windows are shaped.
    void SetRoundedRegion(const QRect& rect, int ellipseWidth, int ellipseHeight);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TCloseAction askCloseAction();
    void applyWindowFlags();
    void applyPlacement();
    void fireDestroy();
    bool clickDialogButton(bool defaultButton);

    TModalResult modalResult_ = mrNone;
    QEventLoop* modalLoop_ = nullptr;
    TWindowState windowState_ = wsNormal;
    TBorderStyle borderStyle_ = bsNone;
    bool destroyFired_ = false;
};

} // namespace tarvand::ui
