#pragma once

#include <QPixmap>

namespace tarvand::ui {
class TPanel;
class TShape;
class TSpeedButton;
} // namespace tarvand::ui

namespace tarvand::host {

// The caption strip of every borderless window of the suite: the coloured panel with the title,
// a close button and, where the window has one, a minimise button beside it, each drawn over a
// shape. Each window says where its strip and buttons sit (its layout); their look is given here
// only.
class CaptionStrip {
public:
    // Highlight background, white left-justified title without a bevel; flat buttons without the
    // focus, with a cross and a bar, over rounded shapes of the strip's colour edged in white.
    static void Style(ui::TPanel* panel, ui::TShape* closeShape, ui::TSpeedButton* closeButton,
                      ui::TShape* minimizeShape = nullptr, ui::TSpeedButton* minimizeButton = nullptr);
    static QPixmap CloseGlyph();
    static QPixmap MinimizeGlyph();
};

} // namespace tarvand::host
