#pragma once

#include <QColor>
#include <QString>
#include <optional>

namespace tarvand {

// A colour as the suite's options file stores it: 0x00BBGGRR for a fixed colour, or a system colour
// (high byte 0xFF, low byte the system colour's index) that the desktop's palette decides.
using TColor = quint32;

// Colour texts of the suite's options file: a colour-constant name (clBtnFace, clYellow, ...,
// matched case-insensitively) or an integer in decimal, "$" hexadecimal or "0x" hexadecimal.
class ColorText {
public:
    static constexpr TColor clNone = 0x1FFFFFFF;
    static constexpr TColor clDefault = 0x20000000;

    // No value for a text that is neither a known name nor a 32-bit integer.
    static std::optional<TColor> StringToColor(const QString& text);

    // System colours come from the application's palette; clNone is transparent; clDefault gives
    // an invalid colour, which the callers read as "leave the control's own colour".
    static QColor ToQColor(TColor color);
};

} // namespace tarvand
