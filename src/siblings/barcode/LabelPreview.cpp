#include "LabelPreview.h"

#include "LabelSheet.h"

#include <QPainter>

namespace tarvand::siblings {

namespace {

constexpr int border = 8;

} // namespace

LabelPreview::LabelPreview(QWidget* parent) : QWidget(parent) {
    setMinimumSize(420, 580);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void LabelPreview::SetSheet(const LabelSheet* sheet, int page) {
    sheet_ = sheet;
    page_ = page;
    update();
}

void LabelPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    if (sheet_ == nullptr)
        return;
    const LabelLayout& layout = sheet_->Layout();
    const double dotsPerMm =
        std::min((width() - 2 * border) / layout.pageWidth, (height() - 2 * border) / layout.pageHeight);
    if (dotsPerMm <= 0)
        return;
    const QSizeF page(layout.pageWidth * dotsPerMm, layout.pageHeight * dotsPerMm);
    const QPointF origin((width() - page.width()) / 2, (height() - page.height()) / 2);
    painter.fillRect(QRectF(origin + QPointF(3, 3), page), QColor(0, 0, 0, 60));
    painter.fillRect(QRectF(origin, page), Qt::white);

    painter.translate(origin);
    // Faint outlines of every label place, so that the user sees the sheet's cut.
    painter.setPen(QPen(QColor(190, 190, 190), 0));
    for (int row = 0; row < layout.rows; ++row)
        for (int column = 0; column < layout.columns; ++column) {
            const QRectF place = layout.LabelRect(row, column);
            painter.drawRect(QRectF(place.topLeft() * dotsPerMm, place.size() * dotsPerMm));
        }
    sheet_->PaintPage(painter, page_, dotsPerMm);
}

} // namespace tarvand::siblings
