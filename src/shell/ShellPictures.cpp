#include "ShellPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace tarvand {

namespace {

QPixmap transparentPixmap(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The body of a padlock with its shackle, open or closed.
void drawPadlock(QPainter& painter, const QRectF& body, bool open, const QColor& color) {
    QPen shackle(color.darker(140), 2.2);
    painter.setPen(shackle);
    painter.setBrush(Qt::NoBrush);
    const qreal width = body.width() * 0.6;
    const QRectF arc(body.center().x() - width / 2 + (open ? width * 0.55 : 0), body.top() - width * 0.8,
                     width, width * 1.3);
    painter.drawArc(arc, 0, 180 * 16);
    painter.drawLine(QPointF(arc.right(), arc.center().y()), QPointF(arc.right(), body.top()));
    if (!open)
        painter.drawLine(QPointF(arc.left(), arc.center().y()), QPointF(arc.left(), body.top()));
    painter.setPen(QPen(color.darker(160), 1));
    painter.setBrush(color);
    painter.drawRoundedRect(body, 2, 2);
    painter.setBrush(color.darker(170));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(body.center().x(), body.center().y() - 1), 1.6, 1.6);
    painter.drawRect(QRectF(body.center().x() - 0.7, body.center().y(), 1.4, body.height() * 0.3));
}

} // namespace

QPixmap ShellPictures::Access(bool allowed) {
    QPixmap pixmap = transparentPixmap(32, 22);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawPadlock(painter, QRectF(9, 10, 14, 10), allowed,
                allowed ? QColor(0x3C, 0xB0, 0x43) : QColor(0xD9, 0x3B, 0x30));
    return pixmap;
}

QPixmap ShellPictures::TabImage(int index) {
    // One colour per table, so that the tabs can be told apart at a glance.
    static constexpr std::array<QRgb, TabImageCount> Colors = {
        0x2E7D32, 0x6D4C41, 0x00838F, 0x8E24AA, 0x3949AB, 0xEF6C00,
        0xC62828, 0x757575, 0x757575, 0x1565C0, 0xAD1457, 0x283593,
    };
    QPixmap pixmap = transparentPixmap(16, 16);
    if (index < 0 || index >= TabImageCount)
        return pixmap;
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor color(Colors.at(index));
    painter.setPen(QPen(color.darker(140), 1));
    painter.setBrush(color);
    painter.drawRoundedRect(QRectF(1.5, 2.5, 13, 11), 2, 2);
    painter.setPen(QPen(Qt::white, 1.2));
    for (int row = 0; row < 3; ++row)
        painter.drawLine(QPointF(4, 5.5 + row * 2.5), QPointF(12, 5.5 + row * 2.5));
    return pixmap;
}

} // namespace tarvand
