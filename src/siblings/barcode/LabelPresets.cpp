#include "LabelPresets.h"

#include "LabelLayout.h"

#include <cmath>

namespace tarvand::siblings {

const QList<LabelPreset>& LabelPresets::All() {
    static const QList<LabelPreset> presets = {
        {QStringLiteral("24 برچسب 70 در 37 (3 ستون، 8 سطر)"), 70, 37, 3, 8, 0.5, 0, 0, 0},
        {QStringLiteral("21 برچسب 70 در 42.3 (3 ستون، 7 سطر)"), 70, 42.3, 3, 7, 0, 0, 0, 0},
        {QStringLiteral("14 برچسب 99.1 در 38.1 (2 ستون، 7 سطر)"), 99.1, 38.1, 2, 7, 15.1, 4.65, 2.5, 0},
        {QStringLiteral("40 برچسب 48.5 در 25.4 (4 ستون، 10 سطر)"), 48.5, 25.4, 4, 10, 21.5, 8, 0, 0},
        {QStringLiteral("65 برچسب 38.1 در 21.2 (5 ستون، 13 سطر)"), 38.1, 21.2, 5, 13, 10.7, 9.75, 0, 0},
    };
    return presets;
}

void LabelPresets::Apply(const LabelPreset& preset, LabelLayout& layout) {
    layout.pageWidth = 210;
    layout.pageHeight = 297;
    layout.labelWidth = preset.labelWidth;
    layout.labelHeight = preset.labelHeight;
    layout.columns = preset.columns;
    layout.rows = preset.rows;
    layout.marginTop = preset.marginTop;
    layout.marginSide = preset.marginSide;
    layout.gapX = preset.gapX;
    layout.gapY = preset.gapY;
}

int LabelPresets::Matching(const LabelLayout& layout) {
    const auto same = [](double a, double b) { return std::fabs(a - b) < 0.01; };
    for (int index = 0; index < All().size(); ++index) {
        const LabelPreset& p = All()[index];
        if (same(layout.pageWidth, 210) && same(layout.pageHeight, 297) &&
            same(layout.labelWidth, p.labelWidth) && same(layout.labelHeight, p.labelHeight) &&
            layout.columns == p.columns && layout.rows == p.rows && same(layout.marginTop, p.marginTop) &&
            same(layout.marginSide, p.marginSide) && same(layout.gapX, p.gapX) && same(layout.gapY, p.gapY))
            return index;
    }
    return -1;
}

} // namespace tarvand::siblings
