#include "TPanel.h"

#include "Guard.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QTextOption>
#include <qdrawutil.h>

namespace tarvand::ui {

TMouseButton MouseButtonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::RightButton:
        return mbRight;
    case Qt::MiddleButton:
        return mbMiddle;
    default:
        return mbLeft;
    }
}

TPanel::TPanel(QWidget* parent) : QFrame(parent), TControl(this) {
    setAutoFillBackground(true);
    updateMargins();
}

void TPanel::SetCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void TPanel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    update();
}

void TPanel::SetBevelOuter(TBevelCut bevel) {
    bevelOuter_ = bevel;
    updateMargins();
}

void TPanel::SetBevelInner(TBevelCut bevel) {
    bevelInner_ = bevel;
    updateMargins();
}

void TPanel::SetBevelWidth(int width) {
    bevelWidth_ = width;
    updateMargins();
}

void TPanel::updateMargins() {
    const int margin = (bevelOuter_ != bvNone ? bevelWidth_ : 0) + (bevelInner_ != bvNone ? bevelWidth_ : 0);
    setContentsMargins(margin, margin, margin, margin);
    update();
}

void TPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    QRect area = rect();
    for (const TBevelCut bevel : {bevelOuter_, bevelInner_}) {
        if (bevel == bvNone) {
            continue;
        }
        qDrawShadeRect(&painter, area, palette(), bevel == bvLowered, bevelWidth_);
        area.adjust(bevelWidth_, bevelWidth_, -bevelWidth_, -bevelWidth_);
    }
    if (caption_.isEmpty()) {
        return;
    }
    const Qt::Alignment horizontal = alignment_ == taLeftJustify    ? Qt::AlignLeft
                                     : alignment_ == taRightJustify ? Qt::AlignRight
                                                                    : Qt::AlignHCenter;
    QTextOption option(QStyle::visualAlignment(layoutDirection(), horizontal | Qt::AlignVCenter));
    option.setTextDirection(layoutDirection());
    option.setWrapMode(QTextOption::NoWrap);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRectF(area), caption_, option);
}

void TPanel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    if (OnMouseDown) {
        const QPoint at = event->position().toPoint();
        Guard::run(
            [&] { OnMouseDown(this, MouseButtonOf(event->button()), event->modifiers(), at.x(), at.y()); });
    }
}

void TPanel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click && OnClick) {
        Guard::run([this] { OnClick(this); });
    }
}

void TPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && OnDblClick) {
        Guard::run([this] { OnDblClick(this); });
    }
}

void TPanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    if (OnResize) {
        Guard::run([this] { OnResize(this); });
    }
}

} // namespace tarvand::ui
