#include "TForm.h"

#include "AlignArranger.h"
#include "Exception.h"
#include "Guard.h"
#include "TBitBtn.h"
#include "VirtualKey.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPainterPath>
#include <QPointer>
#include <QRegion>

namespace tarvand::ui {

TForm::TForm(QWidget* parent) : QWidget(parent), TControl(this) {
    setLayoutDirection(Qt::RightToLeft);
    setFont(DefaultFont());
    applyWindowFlags();
}

TForm::~TForm() {
    fireDestroy();
    if (modalLoop_ != nullptr) {
        modalLoop_->quit();
    }
}

QFont TForm::DefaultFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Vazirmatn"),
                      QStringLiteral("Noto Sans Arabic UI"), QStringLiteral("Noto Sans Arabic"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(13);
    return font;
}

QString TForm::Caption() const {
    return windowTitle();
}

void TForm::SetCaption(const QString& caption) {
    setWindowTitle(caption);
}

void TForm::Show() {
    show();
    raise();
}

void TForm::Close() {
    close();
}

void TForm::Free() {
    fireDestroy();
    delete this;
}

void TForm::Release() {
    deleteLater();
}

int TForm::ShowModal() {
    if (modalLoop_ != nullptr) {
        throw Exception(QStringLiteral("Cannot make a visible window modal"));
    }
    QPointer<TForm> self(this);
    modalResult_ = mrNone;
    if (isWindow()) {
        setWindowModality(Qt::ApplicationModal);
    }
    Show();
    activateWindow();
    QEventLoop loop;
    modalLoop_ = &loop;
    TCloseAction action = caHide;
    for (;;) {
        if (modalResult_ == mrNone) {
            loop.exec(QEventLoop::DialogExec);
        }
        if (!self) {
            return mrCancel;
        }
        action = askCloseAction();
        if (action != caNone) {
            break;
        }
        modalResult_ = mrNone;
    }
    modalLoop_ = nullptr;
    const TModalResult result = modalResult_;
    hide();
    setWindowModality(Qt::NonModal);
    if (action == caFree) {
        Release();
    }
    return result;
}

void TForm::SetModalResult(TModalResult result) {
    modalResult_ = result;
    if (modalLoop_ != nullptr && result != mrNone) {
        modalLoop_->quit();
    }
}

void TForm::SetParentControl(QWidget* parent) {
    const bool wasVisible = !isHidden();
    setParent(parent);
    applyWindowFlags();
    applyPlacement();
    if (wasVisible) {
        show();
    }
}

TWindowState TForm::WindowState() const {
    if (isWindow()) {
        if (QWidget::windowState() & Qt::WindowMinimized) {
            return wsMinimized;
        }
        if (QWidget::windowState() & Qt::WindowMaximized) {
            return wsMaximized;
        }
    }
    return windowState_;
}

void TForm::SetWindowState(TWindowState state) {
    windowState_ = state;
    if (isWindow()) {
        setWindowState(state == wsMinimized   ? Qt::WindowMinimized
                       : state == wsMaximized ? Qt::WindowMaximized
                                              : Qt::WindowNoState);
        return;
    }
    if (state == wsMinimized) {
        window()->showMinimized();
        windowState_ = wsNormal;
        return;
    }
    applyPlacement();
}

void TForm::SetBorderStyle(TBorderStyle style) {
    borderStyle_ = style;
    applyWindowFlags();
}

void TForm::SetRoundedRegion(const QRect& rect, int ellipseWidth, int ellipseHeight) {
    QPainterPath path;
    path.addRoundedRect(QRectF(rect), ellipseWidth / 2.0, ellipseHeight / 2.0);
    setMask(QRegion(path.toFillPolygon().toPolygon()));
    update();
}

bool TForm::event(QEvent* event) {
    if (event->type() == QEvent::DeferredDelete) {
        fireDestroy();
    }
    return QWidget::event(event);
}

bool TForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !OnShortCut || !watched->isWidgetType()) {
        return false;
    }
    // A key travels up the parents of the focus widget; it is looked at once, where it starts.
    QWidget* focus = QApplication::focusWidget();
    auto* receiver = static_cast<QWidget*>(watched);
    if (focus != nullptr ? receiver != focus : receiver != QApplication::activeWindow()) {
        return false;
    }
    if (receiver != this && !isAncestorOf(receiver)) {
        return false;
    }
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    bool handled = false;
    if (!Guard::run(
            [&] { OnShortCut(VirtualKey::fromQt(keyEvent->key()), keyEvent->modifiers(), handled); })) {
        return true;
    }
    return handled;
}

void TForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Only shown forms look at the application's keys (for OnShortCut).
    qApp->installEventFilter(this);
    if (!event->spontaneous() && OnShow) {
        Guard::run([this] { OnShow(this); });
    }
}

void TForm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    qApp->removeEventFilter(this);
    if (!event->spontaneous() && OnHide) {
        Guard::run([this] { OnHide(this); });
    }
}

void TForm::closeEvent(QCloseEvent* event) {
    if (modalLoop_ != nullptr) {
        // The modal loop asks OnClose once it has ended.
        event->ignore();
        SetModalResult(modalResult_ == mrNone ? mrCancel : modalResult_);
        return;
    }
    const TCloseAction action = askCloseAction();
    if (action == caNone) {
        event->ignore();
        return;
    }
    if (action == caMinimize) {
        event->ignore();
        SetWindowState(wsMinimized);
        return;
    }
    event->accept();
    if (action == caFree) {
        Release();
    }
}

void TForm::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if ((enter || event->key() == Qt::Key_Escape) && event->modifiers() == Qt::NoModifier &&
        clickDialogButton(enter)) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

TCloseAction TForm::askCloseAction() {
    TCloseAction action = caHide;
    if (OnClose && !Guard::run([&] { OnClose(this, action); })) {
        return caNone;
    }
    return action;
}

void TForm::applyWindowFlags() {
    if (parentWidget() != nullptr) {
        return;
    }
    const bool wasVisible = isVisible();
    Qt::WindowFlags flags = Qt::Window;
    if (borderStyle_ == bsNone) {
        flags |= Qt::FramelessWindowHint;
    }
    if (windowFlags() != flags) {
        setWindowFlags(flags);
        if (wasVisible) {
            show();
        }
    }
}

void TForm::applyPlacement() {
    if (parentWidget() == nullptr) {
        return;
    }
    const TAlign align = Align() == alNone && windowState_ == wsMaximized ? alClient : Align();
    AlignArranger::setAlign(this, align);
}

void TForm::fireDestroy() {
    if (destroyFired_) {
        return;
    }
    destroyFired_ = true;
    if (OnDestroy) {
        Guard::run([this] { OnDestroy(this); });
    }
}

bool TForm::clickDialogButton(bool defaultButton) {
    for (TBitBtn* button : findChildren<TBitBtn*>()) {
        if ((defaultButton ? button->Default() : button->Cancel()) && button->isVisible() &&
            button->isEnabled()) {
            button->click();
            return true;
        }
    }
    return false;
}

} // namespace tarvand::ui
