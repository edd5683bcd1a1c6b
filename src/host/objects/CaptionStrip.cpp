#include "CaptionStrip.h"

#include "TPanel.h"
#include "TShape.h"
#include "TSpeedButton.h"

#include <QPainter>

namespace tarvand::host {

void CaptionStrip::Style(ui::TPanel* panel, ui::TShape* closeShape, ui::TSpeedButton* closeButton) {
    const QColor background = panel->palette().color(QPalette::Highlight);
    panel->SetColor(background);
    panel->SetFontColor(Qt::white);
    panel->SetAlignment(ui::taLeftJustify);
    panel->SetBevelOuter(ui::bvNone);
    if (closeShape != nullptr) {
        closeShape->SetBrushColor(background);
        closeShape->SetPenColor(Qt::white);
        closeShape->SetShape(ui::stRoundRect);
    }
    if (closeButton != nullptr) {
        closeButton->SetFlat(true);
        closeButton->setFocusPolicy(Qt::NoFocus);
        closeButton->SetGlyph(CloseGlyph());
        closeButton->setCursor(Qt::PointingHandCursor);
    }
}

QPixmap CaptionStrip::CloseGlyph() {
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(2, 2, 10, 10);
    painter.drawLine(10, 2, 2, 10);
    return pixmap;
}

} // namespace tarvand::host
