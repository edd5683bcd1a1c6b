#include "TImage.h"

#include "Guard.h"

#include <QMouseEvent>
#include <QPainter>

namespace tarvand::ui {

TImage::TImage(QWidget* parent) : QWidget(parent), TControl(this) {}

void TImage::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void TImage::SetStretch(bool value) {
    stretch_ = value;
    update();
}

void TImage::SetCenter(bool value) {
    center_ = value;
    update();
}

void TImage::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (stretch_) {
        painter.drawPixmap(rect(), picture_);
        return;
    }
    QRect target(QPoint(0, 0), picture_.deviceIndependentSize().toSize());
    if (center_) {
        target.moveCenter(rect().center());
    }
    painter.drawPixmap(target, picture_);
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick) {
        Guard::run([this] { OnClick(this); });
    }
}

} // namespace tarvand::ui
