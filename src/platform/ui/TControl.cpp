#include "TControl.h"

#include "AlignArranger.h"
#include "TPopupMenu.h"

#include <QMetaObject>
#include <QWidget>

namespace tarvand::ui {

QString ClassNameOf(const QObject* object) {
    if (object == nullptr) {
        return {};
    }
    const QString full = QString::fromLatin1(object->metaObject()->className());
    const qsizetype separator = full.lastIndexOf(QLatin1String("::"));
    return separator < 0 ? full : full.mid(separator + 2);
}

TControl::TControl(QWidget* self) : self_(self) {}

QString TControl::Name() const {
    return self_->objectName();
}

void TControl::SetName(const QString& name) {
    self_->setObjectName(name);
}

QString TControl::ClassName() const {
    return ClassNameOf(self_);
}

void TControl::SetAlign(TAlign align) {
    align_ = align;
    AlignArranger::setAlign(self_, align);
}

void TControl::SetParentControl(QWidget* parent) {
    const bool wasVisible = !self_->isHidden();
    self_->setParent(parent);
    if (align_ != alNone) {
        AlignArranger::setAlign(self_, align_);
    }
    if (wasVisible && parent != nullptr) {
        self_->show();
    }
}

QWidget* TControl::Parent() const {
    return self_->parentWidget();
}

int TControl::Left() const {
    return self_->x();
}

int TControl::Top() const {
    return self_->y();
}

int TControl::Width() const {
    return self_->width();
}

int TControl::Height() const {
    return self_->height();
}

void TControl::SetLeft(int left) {
    self_->move(left, self_->y());
}

void TControl::SetTop(int top) {
    self_->move(self_->x(), top);
}

void TControl::SetWidth(int width) {
    self_->resize(width, self_->height());
}

void TControl::SetHeight(int height) {
    self_->resize(self_->width(), height);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    self_->setGeometry(left, top, width, height);
}

bool TControl::Visible() const {
    return !self_->isHidden();
}

void TControl::SetVisible(bool visible) {
    self_->setVisible(visible);
}

bool TControl::Enabled() const {
    return self_->isEnabled();
}

void TControl::SetEnabled(bool enabled) {
    self_->setEnabled(enabled);
}

QString TControl::Hint() const {
    return self_->toolTip();
}

void TControl::SetHint(const QString& hint) {
    self_->setToolTip(hint);
}

QColor TControl::Color() const {
    return self_->palette().color(ColorRole());
}

void TControl::SetColor(const QColor& color) {
    QPalette palette = self_->palette();
    palette.setColor(ColorRole(), color);
    self_->setPalette(palette);
    self_->setAutoFillBackground(true);
}

QColor TControl::FontColor() const {
    return self_->palette().color(FontColorRole());
}

void TControl::SetFontColor(const QColor& color) {
    QPalette palette = self_->palette();
    palette.setColor(FontColorRole(), color);
    self_->setPalette(palette);
}

QFont TControl::Font() const {
    return self_->font();
}

void TControl::SetFont(const QFont& font) {
    self_->setFont(font);
}

TPopupMenu* TControl::PopupMenu() const {
    return popupMenu_;
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
    if (popupMenu_ != nullptr) {
        popupMenu_->Detach(self_);
    }
    popupMenu_ = menu;
    if (menu != nullptr) {
        menu->Attach(self_);
    }
}

} // namespace tarvand::ui
