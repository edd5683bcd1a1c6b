#include "ColorText.h"

#include <QGuiApplication>
#include <QPalette>

namespace tarvand {

namespace {

constexpr TColor SystemColor = 0xFF000000;
// Colours stored by older versions of the suite mark system colours by the top bit alone.
constexpr TColor LegacySystemColor = 0x80000000;

struct NamedColor {
    const char* name;
    TColor value;
};

constexpr NamedColor NamedColors[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clLtGray", 0xC0C0C0},
    {"clDkGray", 0x808080},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clNone", ColorText::clNone},
    {"clDefault", ColorText::clDefault},
    {"clScrollBar", SystemColor | 0},
    {"clBackground", SystemColor | 1},
    {"clActiveCaption", SystemColor | 2},
    {"clInactiveCaption", SystemColor | 3},
    {"clMenu", SystemColor | 4},
    {"clWindow", SystemColor | 5},
    {"clWindowFrame", SystemColor | 6},
    {"clMenuText", SystemColor | 7},
    {"clWindowText", SystemColor | 8},
    {"clCaptionText", SystemColor | 9},
    {"clActiveBorder", SystemColor | 10},
    {"clInactiveBorder", SystemColor | 11},
    {"clAppWorkSpace", SystemColor | 12},
    {"clHighlight", SystemColor | 13},
    {"clHighlightText", SystemColor | 14},
    {"clBtnFace", SystemColor | 15},
    {"clBtnShadow", SystemColor | 16},
    {"clGrayText", SystemColor | 17},
    {"clBtnText", SystemColor | 18},
    {"clInactiveCaptionText", SystemColor | 19},
    {"clBtnHighlight", SystemColor | 20},
    {"cl3DDkShadow", SystemColor | 21},
    {"cl3DLight", SystemColor | 22},
    {"clInfoText", SystemColor | 23},
    {"clInfoBk", SystemColor | 24},
    {"clHotLight", SystemColor | 26},
    {"clGradientActiveCaption", SystemColor | 27},
    {"clGradientInactiveCaption", SystemColor | 28},
    {"clMenuHighlight", SystemColor | 29},
    {"clMenuBar", SystemColor | 30},
};

std::optional<TColor> parseInteger(const QString& text) {
    bool ok = false;
    qint64 value = 0;
    if (text.startsWith(QLatin1Char('$')))
        value = text.mid(1).toLongLong(&ok, 16);
    else if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = text.mid(2).toLongLong(&ok, 16);
    else
        value = text.toLongLong(&ok, 10);
    // Negative decimals are how system colours appear in saved form files (-16777201 is clBtnFace).
    if (!ok || value < -0x80000000LL || value > 0xFFFFFFFFLL)
        return std::nullopt;
    return static_cast<TColor>(value);
}

QColor systemColor(int index) {
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case 1: // the desktop
        return QColor(0x3A, 0x6E, 0xA5);
    case 2:
    case 13:
    case 27:
    case 29:
        return palette.color(QPalette::Active, QPalette::Highlight);
    case 3:
    case 28:
        return palette.color(QPalette::Inactive, QPalette::Highlight).lighter(130);
    case 5:
        return palette.color(QPalette::Base);
    case 6:
    case 7:
        return palette.color(QPalette::WindowText);
    case 8:
        return palette.color(QPalette::Text);
    case 9:
    case 14:
        return palette.color(QPalette::Active, QPalette::HighlightedText);
    case 12:
    case 16:
        return palette.color(QPalette::Dark);
    case 17:
        return palette.color(QPalette::Disabled, QPalette::Text);
    case 18:
        return palette.color(QPalette::ButtonText);
    case 19:
        return palette.color(QPalette::Disabled, QPalette::WindowText);
    case 20:
        return palette.color(QPalette::Light);
    case 21:
        return palette.color(QPalette::Shadow);
    case 22:
        return palette.color(QPalette::Midlight);
    case 23:
        return palette.color(QPalette::ToolTipText);
    case 24:
        return palette.color(QPalette::ToolTipBase);
    case 26:
        return palette.color(QPalette::Link);
    case 4:
    case 10:
    case 11:
    case 30:
        return palette.color(QPalette::Window);
    default: // the button face, the scroll bar and unknown indexes
        return palette.color(QPalette::Button);
    }
}

} // namespace

std::optional<TColor> ColorText::StringToColor(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    for (const NamedColor& named : NamedColors) {
        if (trimmed.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0)
            return named.value;
    }
    return parseInteger(trimmed);
}

QColor ColorText::ToQColor(TColor color) {
    if (color == clNone)
        return QColor(Qt::transparent);
    if (color == clDefault)
        return QColor();
    if ((color & SystemColor) == SystemColor || (color & 0xFF000000) == LegacySystemColor)
        return systemColor(static_cast<int>(color & 0xFF));
    // Other high bytes select a palette entry on 8-bit displays; the low three bytes are the colour.
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

} // namespace tarvand
