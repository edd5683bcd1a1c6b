#include "CaptionStrip.h"

#include "TPanel.h"
#include "TShape.h"
#include "TSpeedButton.h"

#include <QPainter>

namespace tarvand::host {

namespace {

void styleButton(ui::TShape* shape, ui::TSpeedButton* button, const QColor& background,
                 const QPixmap& glyph) {
    if (shape != nullptr) {
        shape->SetBrushColor(background);
        shape->SetPenColor(Qt::white);
        shape->SetShape(ui::stRoundRect);
    }
    if (button != nullptr) {
        button->SetFlat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->SetGlyph(glyph);
        button->setCursor(Qt::PointingHandCursor);
    }
}

QPixmap emptyGlyph() {
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

void CaptionStrip::Style(ui::TPanel* panel, ui::TShape* closeShape, ui::TSpeedButton* closeButton,
                         ui::TShape* minimizeShape, ui::TSpeedButton* minimizeButton) {
    const QColor background = panel->palette().color(QPalette::Highlight);
    panel->SetColor(background);
    panel->SetFontColor(Qt::white);
    panel->SetAlignment(ui::taLeftJustify);
    panel->SetBevelOuter(ui::bvNone);
    styleButton(closeShape, closeButton, background, CloseGlyph());
    styleButton(minimizeShape, minimizeButton, background, MinimizeGlyph());
}

QPixmap CaptionStrip::CloseGlyph() {
    QPixmap pixmap = emptyGlyph();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(2, 2, 10, 10);
    painter.drawLine(10, 2, 2, 10);
    return pixmap;
}

QPixmap CaptionStrip::MinimizeGlyph() {
    QPixmap pixmap = emptyGlyph();
    QPainter painter(&pixmap);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(2, 9, 10, 9);
    return pixmap;
}

} // namespace tarvand::host
