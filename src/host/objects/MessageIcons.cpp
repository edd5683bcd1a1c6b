#include "MessageIcons.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QStyle>
#include <QtMath>

namespace tarvand::host {

QPixmap MessageIcons::Picture(Kind kind, const QSize& size) {
    QStyle::StandardPixmap standard = QStyle::SP_MessageBoxInformation;
    switch (kind) {
    case Stop:
        return drawStop(size);
    case Warning:
        standard = QStyle::SP_MessageBoxWarning;
        break;
    case Question:
        standard = QStyle::SP_MessageBoxQuestion;
        break;
    case Error:
        standard = QStyle::SP_MessageBoxCritical;
        break;
    case Information:
        break;
    }
    const QIcon icon = QApplication::style()->standardIcon(standard);
    const QPixmap pixmap = icon.pixmap(size);
    if (!pixmap.isNull())
        return pixmap;
    // Styles without message-box icons (the minimal platforms) get drawn signs of the same meaning.
    switch (kind) {
    case Warning:
        return drawSign(size, QColor(0xF0, 0xB4, 0x00), QStringLiteral("!"), true);
    case Question:
        return drawSign(size, QColor(0x1E, 0x64, 0xC8), QStringLiteral("?"), false);
    case Error:
        return drawSign(size, QColor(0xD0, 0x20, 0x20), QStringLiteral("×"), false);
    default:
        return drawSign(size, QColor(0x1E, 0x64, 0xC8), QStringLiteral("i"), false);
    }
}

QPixmap MessageIcons::drawStop(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1, 1, -1, -1);
    const qreal radius = qMin(area.width(), area.height()) / 2;
    QPolygonF octagon;
    for (int corner = 0; corner < 8; ++corner) {
        const qreal angle = qDegreesToRadians(22.5 + 45.0 * corner);
        octagon << area.center() + QPointF(radius * qCos(angle), radius * qSin(angle));
    }
    painter.setPen(QPen(Qt::white, qMax<qreal>(1.5, radius / 10)));
    painter.setBrush(QColor(0xC8, 0x10, 0x10));
    painter.drawPolygon(octagon);
    painter.setPen(QPen(Qt::white, qMax<qreal>(2.5, radius / 4), Qt::SolidLine, Qt::RoundCap));
    const qreal arm = radius * 0.4;
    painter.drawLine(area.center() + QPointF(-arm, -arm), area.center() + QPointF(arm, arm));
    painter.drawLine(area.center() + QPointF(arm, -arm), area.center() + QPointF(-arm, arm));
    return pixmap;
}

QPixmap MessageIcons::drawSign(const QSize& size, const QColor& colour, const QString& mark, bool triangle) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1, 1, -1, -1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    if (triangle) {
        QPainterPath path;
        path.moveTo(area.center().x(), area.top());
        path.lineTo(area.bottomRight());
        path.lineTo(area.bottomLeft());
        path.closeSubpath();
        painter.drawPath(path);
    } else {
        painter.drawEllipse(area);
    }
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(qRound(area.height() * 0.6));
    painter.setFont(font);
    painter.setPen(triangle ? Qt::black : Qt::white);
    painter.drawText(triangle ? area.adjusted(0, area.height() * 0.2, 0, 0) : area, Qt::AlignCenter, mark);
    return pixmap;
}

} // namespace tarvand::host
