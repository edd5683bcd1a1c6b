#include "LabelSheet.h"

#include "TForm.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>

namespace tarvand::siblings {

namespace {

// Resolution of the PDF: fine enough that bars of a tenth of a millimetre keep their widths.
constexpr int pdfResolution = 1200;
constexpr double paddingMm = 1.5;

} // namespace

LabelSheet::LabelSheet(QList<LabelItem> items, LabelLayout layout)
    : items_(std::move(items)), layout_(layout) {
    symbols_.reserve(items_.size());
    for (const LabelItem& item : items_) {
        const bool carried = BarcodeSymbol::Allows(layout_.symbology, item.code);
        symbols_.append(BarcodeSymbol(carried ? layout_.symbology : Symbology::Code128, item.code));
    }
}

int LabelSheet::PageCount() const {
    const int perPage = std::max(1, layout_.LabelsPerPage());
    return std::max(1, int((items_.size() + perPage - 1) / perPage));
}

void LabelSheet::PaintPage(QPainter& painter, int page, double dotsPerMm) const {
    painter.save();
    painter.setLayoutDirection(Qt::RightToLeft);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int perPage = layout_.LabelsPerPage();
    for (int slot = 0; slot < perPage; ++slot) {
        const int index = page * perPage + slot;
        if (index >= items_.size())
            break;
        const int row = slot / layout_.columns;
        const int column = slot % layout_.columns;
        const QRectF place = layout_.LabelRect(row, column);
        paintLabel(painter, QRectF(place.topLeft() * dotsPerMm, place.size() * dotsPerMm), index, dotsPerMm);
    }
    painter.restore();
}

void LabelSheet::paintLabel(QPainter& painter, const QRectF& box, int index, double dotsPerMm) const {
    const LabelItem& item = items_[index];
    const QRectF inner = box.adjusted(paddingMm * dotsPerMm, paddingMm * dotsPerMm, -paddingMm * dotsPerMm,
                                      -paddingMm * dotsPerMm);
    const double lineHeight = std::clamp(layout_.labelHeight * 0.13, 2.2, 4.2) * dotsPerMm;
    QFont font = ui::TForm::DefaultFont();
    font.setPixelSize(std::max(1, int(lineHeight * 0.78)));
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, painter.device());

    double top = inner.top();
    double bottom = inner.bottom();
    const auto line = [&](double y, const QString& text) {
        painter.drawText(QRectF(inner.left(), y, inner.width(), lineHeight), Qt::AlignCenter,
                         metrics.elidedText(text, Qt::ElideRight, inner.width()));
    };
    if (layout_.showName && !item.name.isEmpty()) {
        line(top, item.name);
        top += lineHeight;
    }
    QStringList foot;
    if (layout_.showDate && !item.date.isEmpty())
        foot << item.date;
    if (layout_.showPrice && !item.price.isEmpty())
        foot << QStringLiteral("قيمت: ") + item.price;
    if (!foot.isEmpty()) {
        bottom -= lineHeight;
        line(bottom, foot.join(QStringLiteral("   ")));
    }
    if (layout_.showCode) {
        bottom -= lineHeight;
        line(bottom, item.code);
    }
    symbols_[index].Paint(painter, QRectF(inner.left(), top, inner.width(), std::max(0.0, bottom - top)));
}

void LabelSheet::paintAll(QPagedPaintDevice& device, QPainter& painter) const {
    const double dotsPerMm = device.logicalDpiX() / 25.4;
    for (int page = 0; page < PageCount(); ++page) {
        if (page > 0)
            device.newPage();
        PaintPage(painter, page, dotsPerMm);
    }
}

bool LabelSheet::WritePdf(const QString& path, QString* errorText) const {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (errorText != nullptr)
            *errorText = file.errorString();
        return false;
    }
    QPdfWriter writer(&file);
    writer.setResolution(pdfResolution);
    writer.setPageLayout(
        QPageLayout(QPageSize(QSizeF(layout_.pageWidth, layout_.pageHeight), QPageSize::Millimeter),
                    QPageLayout::Portrait, QMarginsF()));
    writer.setCreator(QStringLiteral("BarCode"));
    QPainter painter(&writer);
    paintAll(writer, painter);
    return painter.end();
}

void LabelSheet::Print(QPrinter& printer) const {
    // The sheet's geometry is measured from the paper's corner, not from the printable area.
    printer.setFullPage(true);
    QPainter painter(&printer);
    if (!painter.isActive())
        return;
    paintAll(printer, painter);
}

} // namespace tarvand::siblings
