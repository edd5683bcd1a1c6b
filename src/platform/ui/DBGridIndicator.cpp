#include "DBGridIndicator.h"

#include "DBGridModel.h"

#include <QPainter>
#include <QPainterPath>

namespace tarvand::ui {

DBGridIndicator::DBGridIndicator(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {
    setSectionResizeMode(QHeaderView::Fixed);
    setSectionsClickable(false);
    setHighlightSections(false);
}

void DBGridIndicator::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    // The style leaves a clip of its own behind.
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();

    const int mark = model() != nullptr
                         ? model()->headerData(logicalIndex, Qt::Vertical, DBGridModel::IndicatorRole).toInt()
                         : 0;
    if (mark == 0) {
        return;
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(palette().color(QPalette::ButtonText));
    const QPointF centre = QRectF(rect).center();
    const qreal half = std::min(rect.width(), rect.height()) * 0.25;
    if (mark == 1) {
        // Points at the row: leftwards when the indicator is at the right edge.
        const qreal towards = isRightToLeft() ? -1 : 1;
        QPainterPath arrow;
        arrow.moveTo(centre.x() - towards * half * 0.6, centre.y() - half);
        arrow.lineTo(centre.x() + towards * half * 0.8, centre.y());
        arrow.lineTo(centre.x() - towards * half * 0.6, centre.y() + half);
        arrow.closeSubpath();
        painter->drawPath(arrow);
    } else if (mark == 2) {
        painter->drawRect(QRectF(centre.x() - 1, centre.y() - half, 2, 2 * half));
        painter->drawRect(QRectF(centre.x() - half * 0.5, centre.y() - half, half, 1.5));
        painter->drawRect(QRectF(centre.x() - half * 0.5, centre.y() + half - 1.5, half, 1.5));
    } else {
        painter->setPen(QPen(palette().color(QPalette::ButtonText), 1.6));
        for (int i = 0; i < 3; ++i) {
            painter->save();
            painter->translate(centre);
            painter->rotate(60.0 * i);
            painter->drawLine(QPointF(0, -half), QPointF(0, half));
            painter->restore();
        }
    }
    painter->restore();
}

} // namespace tarvand::ui
