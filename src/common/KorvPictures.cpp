#include "KorvPictures.h"

#include "TImageList.h"

#include <QPainter>
#include <QPixmap>
#include <QVariant>

namespace tarvand {

namespace {

const char* const FirstIndexProperty = "tarvandSendToPictures";

QPixmap blank() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap clipboard() {
    QPixmap pixmap = blank();
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x6b, 0x4a, 0x1f));
    painter.setBrush(QColor(0xc8, 0x9b, 0x5a));
    painter.drawRect(2, 2, 11, 13);
    painter.setBrush(Qt::white);
    painter.drawRect(4, 4, 7, 9);
    painter.setBrush(QColor(0x80, 0x80, 0x80));
    painter.drawRect(5, 1, 5, 3);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    for (int y = 6; y <= 11; y += 2)
        painter.drawLine(5, y, 10, y);
    return pixmap;
}

QPixmap spreadsheet() {
    QPixmap pixmap = blank();
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x1d, 0x6f, 0x42));
    painter.setBrush(Qt::white);
    painter.drawRect(1, 2, 14, 12);
    painter.fillRect(2, 3, 13, 3, QColor(0x1d, 0x6f, 0x42));
    for (int x = 5; x < 15; x += 4)
        painter.drawLine(x, 3, x, 13);
    for (int y = 9; y < 14; y += 3)
        painter.drawLine(2, y, 14, y);
    return pixmap;
}

QPixmap document() {
    QPixmap pixmap = blank();
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x2b, 0x57, 0x9a));
    painter.setBrush(Qt::white);
    painter.drawRect(3, 1, 10, 14);
    painter.setPen(QPen(QColor(0x2b, 0x57, 0x9a), 1.5));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPolyline(QPolygonF({{4.5, 4.5}, {6.0, 11.5}, {8.0, 6.5}, {10.0, 11.5}, {11.5, 4.5}}));
    return pixmap;
}

QPixmap webPage() {
    QPixmap pixmap = blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0x1f, 0x5f, 0xbf));
    painter.setBrush(QColor(0xd6, 0xe6, 0xfa));
    painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(5, 1.5, 6, 13));
    painter.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
    painter.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
    return pixmap;
}

} // namespace

int KorvPictures::SendToPictures(ui::TImageList* images) {
    if (images == nullptr)
        return -1;
    const QVariant known = images->property(FirstIndexProperty);
    if (known.isValid())
        return known.toInt();
    const int first = images->Add(clipboard());
    images->Add(spreadsheet());
    images->Add(document());
    images->Add(webPage());
    images->setProperty(FirstIndexProperty, first);
    return first;
}

} // namespace tarvand
