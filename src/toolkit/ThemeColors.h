#pragma once

#include "ColorText.h"

#include <QString>
#include <array>

namespace tarvand {

// The colour scheme that all forms of the suite share, from the section "Color" of the suite's
// options file. A missing file, section or key, or a text that is not a colour, gives the key's
// default, so a damaged file never stops a form from showing.
class ThemeColors {
public:
    enum Key {
        DialogColor,
        CaptionBColor,
        CaptionFColor,
        TextABColor,
        TextAFColor,
        TextEBColor,
        TextEFColor,
        LabelColor,
        GridTextBAColor,
        GridTextBRColor,
        GridTextBSColor,
        GridTextFAColor,
        GridTextFRColor,
        GridTextFSColor,
        GridCaptionBAColor,
        GridCaptionBRColor,
        GridCaptionBSColor,
        GridCaptionFAColor,
        GridCaptionFRColor,
        GridCaptionFSColor,
        HintColor,
        KeyCount
    };

    static QString KeyName(Key key);
    static QString DefaultText(Key key);

    // Every key at its default.
    ThemeColors();
    // Reads the options file at a local path. Section and key names are matched case-insensitively,
    // as the suite's own programs read the file.
    static ThemeColors Load(const QString& iniPath);

    TColor value(Key key) const { return values_.at(key); }
    QColor color(Key key) const { return ColorText::ToQColor(values_.at(key)); }

private:
    std::array<TColor, KeyCount> values_{};
};

} // namespace tarvand
