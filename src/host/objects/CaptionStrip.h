#pragma once

#include <QPixmap>

namespace tarvand::ui {
class TPanel;
class TShape;
class TSpeedButton;
} // namespace tarvand::ui

namespace tarvand::host {

// The caption strip of the host's borderless windows: the coloured panel with the title at the
// right and a close button drawn over a shape at the left.
class CaptionStrip {
public:
    // Highlight background, white left-justified title, and a flat close button with a cross.
    static void Style(ui::TPanel* panel, ui::TShape* closeShape, ui::TSpeedButton* closeButton);
    // The cross of the suite's close buttons.
    static QPixmap CloseGlyph();
};

} // namespace tarvand::host
