#pragma once

#include <QRectF>
#include <QString>

namespace tarvand::siblings {

// The symbologies a label may carry.
enum class Symbology { Code128, QrCode, Ean13 };

// How a sheet of labels is laid out and what each label shows. Lengths are millimetres on the
// page; labels run from the page's top right corner, right to left and then down, as the rows of
// a Persian page do.
struct LabelLayout {
    Symbology symbology = Symbology::Code128;
    double pageWidth = 210;
    double pageHeight = 297;
    double labelWidth = 70;
    double labelHeight = 37;
    int columns = 3;
    int rows = 8;
    double marginTop = 0.5;
    double marginSide = 0;
    double gapX = 0;
    double gapY = 0;
    bool showCode = true;
    bool showName = true;
    bool showPrice = false;
    bool showDate = false;

    int LabelsPerPage() const { return columns * rows; }
    // The place of a label on the page, in millimetres; columns count from the right edge.
    QRectF LabelRect(int row, int column) const {
        const double right = pageWidth - marginSide - column * (labelWidth + gapX);
        return QRectF(right - labelWidth, marginTop + row * (labelHeight + gapY), labelWidth, labelHeight);
    }

    // The layout that settings text describes, "KEY=value" entries separated by ";"
    // (SYMBOLOGY=QR;COLUMNS=3;LABELWIDTH=70;SHOW=CODE,NAME), over the given one: keys are matched
    // upper-cased; unknown keys and values that are not numbers leave its fields as they were.
    static LabelLayout FromSettings(const QString& settings, LabelLayout layout);
};

} // namespace tarvand::siblings
