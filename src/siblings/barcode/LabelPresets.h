#pragma once

#include <QList>
#include <QString>

namespace tarvand::siblings {

struct LabelLayout;

// A label sheet sold ready cut: its name and its geometry in millimetres.
struct LabelPreset {
    QString name;
    double labelWidth;
    double labelHeight;
    int columns;
    int rows;
    double marginTop;
    double marginSide;
    double gapX;
    double gapY;
};

// The common A4 label sheets the designer offers, named by their labels' count and size.
class LabelPresets {
public:
    static const QList<LabelPreset>& All();
    // Copies the preset's geometry into the layout (on an A4 page); the content is kept.
    static void Apply(const LabelPreset& preset, LabelLayout& layout);
    // The index of the preset the layout's geometry matches, -1 for a sheet of the user's own.
    static int Matching(const LabelLayout& layout);
};

} // namespace tarvand::siblings
