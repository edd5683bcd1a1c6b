#pragma once

#include "BarcodeSymbol.h"
#include "LabelItem.h"
#include "LabelLayout.h"

#include <QList>
#include <QString>

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QRectF;

namespace tarvand::siblings {

// The labels laid out on pages: what the preview shows, the printer prints and the PDF holds.
// Every code is encoded once, when the sheet is made; a code the chosen symbology cannot carry
// is drawn in Code 128.
class LabelSheet {
public:
    LabelSheet(QList<LabelItem> items, LabelLayout layout);

    const LabelLayout& Layout() const { return layout_; }
    int LabelCount() const { return int(items_.size()); }
    int PageCount() const;

    // Paints a page at the given scale, the page's top left corner at the painter's origin.
    void PaintPage(QPainter& painter, int page, double dotsPerMm) const;
    // Writes every page as PDF; false, with the reason, when the file cannot be written.
    bool WritePdf(const QString& path, QString* errorText = nullptr) const;
    // Prints every page on the printer the user chose.
    void Print(QPrinter& printer) const;

private:
    void paintAll(QPagedPaintDevice& device, QPainter& painter) const;
    void paintLabel(QPainter& painter, const QRectF& box, int index, double dotsPerMm) const;

    QList<LabelItem> items_;
    LabelLayout layout_;
    QList<BarcodeSymbol> symbols_;
};

} // namespace tarvand::siblings
