#include "TShape.h"

#include "Guard.h"
#include "TPanel.h"

#include <QMouseEvent>
#include <QPainter>

namespace tarvand::ui {

TShape::TShape(QWidget* parent) : QWidget(parent), TControl(this) {}

void TShape::SetShape(TShapeType shape) {
    shape_ = shape;
    update();
}

void TShape::SetBrushColor(const QColor& color) {
    brushColor_ = color;
    update();
}

void TShape::SetBrushStyle(TBrushStyle style) {
    brushStyle_ = style;
    update();
}

void TShape::SetPenColor(const QColor& color) {
    penColor_ = color;
    update();
}

void TShape::SetPenWidth(int width) {
    penWidth_ = width;
    update();
}

void TShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, shape_ != stRectangle && shape_ != stSquare);
    QPen pen(penColor_, penWidth_);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(penWidth_ > 0 ? pen : QPen(Qt::NoPen));
    painter.setBrush(brushStyle_ == bsSolid ? QBrush(brushColor_) : QBrush(Qt::NoBrush));
    // The pen is drawn inside the bounds, as the form library draws it.
    const qreal inset = penWidth_ / 2.0;
    QRectF area = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
        const qreal side = std::min(area.width(), area.height());
        area = QRectF(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    }
    switch (shape_) {
    case stRectangle:
    case stSquare:
        painter.drawRect(area);
        break;
    case stRoundRect:
    case stRoundSquare: {
        const qreal radius = std::min(area.width(), area.height()) / 4;
        painter.drawRoundedRect(area, radius, radius);
        break;
    }
    case stEllipse:
    case stCircle:
        painter.drawEllipse(area);
        break;
    }
}

void TShape::mousePressEvent(QMouseEvent* event) {
    if (OnMouseDown) {
        const QPoint at = event->position().toPoint();
        Guard::run(
            [&] { OnMouseDown(this, MouseButtonOf(event->button()), event->modifiers(), at.x(), at.y()); });
    }
}

} // namespace tarvand::ui
