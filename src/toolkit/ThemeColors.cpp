#include "ThemeColors.h"

#include <QFileInfo>
#include <QSettings>

namespace tarvand {

namespace {

struct KeyDefault {
    const char* name;
    const char* defaultText;
};

constexpr std::array<KeyDefault, ThemeColors::KeyCount> Keys = {{
    {"DialogColor", "clBtnFace"},        {"CaptionBColor", "clHighlight"},
    {"CaptionFColor", "clWhite"},        {"TextABColor", "clWhite"},
    {"TextAFColor", "clBlack"},          {"TextEBColor", "clBtnFace"},
    {"TextEFColor", "clBlack"},          {"LabelColor", "clBlack"},
    {"GridTextBAColor", "0x00E1FFFF"},   {"GridTextBRColor", "0x009C7863"},
    {"GridTextBSColor", "0x00E1FFFF"},   {"GridTextFAColor", "clBlack"},
    {"GridTextFRColor", "clYellow"},     {"GridTextFSColor", "clBlack"},
    {"GridCaptionBAColor", "clBtnFace"}, {"GridCaptionBRColor", "clBtnFace"},
    {"GridCaptionBSColor", "clBtnFace"}, {"GridCaptionFAColor", "clBlack"},
    {"GridCaptionFRColor", "clBlack"},   {"GridCaptionFSColor", "clRed"},
    {"HintColor", "clYellow"},
}};

QString findCaseInsensitive(const QStringList& names, const QString& wanted) {
    for (const QString& name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return name;
    }
    return {};
}

} // namespace

QString ThemeColors::KeyName(Key key) {
    return QLatin1String(Keys.at(key).name);
}

QString ThemeColors::DefaultText(Key key) {
    return QLatin1String(Keys.at(key).defaultText);
}

ThemeColors::ThemeColors() {
    for (int key = 0; key < KeyCount; ++key)
        values_[key] = *ColorText::StringToColor(DefaultText(static_cast<Key>(key)));
}

ThemeColors ThemeColors::Load(const QString& iniPath) {
    ThemeColors theme;
    if (!QFileInfo(iniPath).isFile())
        return theme;

    QSettings file(iniPath, QSettings::IniFormat);
    const QString section = findCaseInsensitive(file.childGroups(), QStringLiteral("Color"));
    if (section.isEmpty())
        return theme;
    file.beginGroup(section);
    const QStringList present = file.childKeys();
    for (int key = 0; key < KeyCount; ++key) {
        const QString stored = findCaseInsensitive(present, KeyName(static_cast<Key>(key)));
        if (stored.isEmpty())
            continue;
        // A value holding a comma comes back as a list; it is no colour either way.
        const QVariant raw = file.value(stored);
        if (raw.typeId() != QMetaType::QString)
            continue;
        if (const std::optional<TColor> color = ColorText::StringToColor(raw.toString()))
            theme.values_[key] = *color;
    }
    return theme;
}

} // namespace tarvand
