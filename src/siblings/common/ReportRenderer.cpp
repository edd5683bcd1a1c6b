#include "ReportRenderer.h"

#include "ReportTable.h"
#include "TForm.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace tarvand::siblings {

namespace {

// Widths are measured on the first rows only: a register of many thousand rows would otherwise
// be read twice before the first page shows.
constexpr int measuredRows = 2000;

const QColor headerShade(219, 228, 240);
const QColor stripeShade(246, 246, 246);
const QColor totalShade(230, 230, 230);
const QString totalCaption = QStringLiteral("جمع");

QFont boldOf(const QFont& font, double scale = 1.0) {
    QFont bold = font;
    bold.setBold(true);
    bold.setPointSizeF(font.pointSizeF() * scale);
    return bold;
}

// A print preview records the page as a picture, which keeps each run of text but not the line
// it stood in, and lays the runs out again on its own: a right-to-left line comes back with its
// brackets and blanks out of place. There the line is laid out here and drawn as glyph outlines.
void drawOutlines(QPainter& painter, const QRectF& rect, const QString& text, const QTextOption& option) {
    QTextLayout layout(text, painter.font(), painter.device());
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(rect.width());
    layout.endLayout();
    const QPointF origin(rect.left(), rect.top() + (rect.height() - line.height()) / 2);
    QPainterPath outlines;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont font = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (int i = 0; i < glyphs.size(); ++i)
            outlines.addPath(font.pathForGlyph(glyphs.at(i)).translated(origin + positions.at(i)));
    }
    painter.fillPath(outlines, painter.pen().color());
}

void drawText(QPainter& painter, const QRectF& rect, const QString& text, Qt::Alignment alignment) {
    QTextOption option(alignment | Qt::AlignVCenter);
    option.setTextDirection(Qt::RightToLeft);
    option.setWrapMode(QTextOption::NoWrap);
    const QString shown =
        QFontMetricsF(painter.font(), painter.device()).elidedText(text, Qt::ElideRight, rect.width());
    if (painter.paintEngine()->type() == QPaintEngine::Picture)
        drawOutlines(painter, rect, shown, option);
    else
        painter.drawText(rect, shown, option);
}

} // namespace

struct ReportRenderer::Geometry {
    QRectF area;
    QList<double> widths;
    double padding = 0;
    double rowHeight = 0;
    double headingHeight = 0;
    double footerHeight = 0;
    int rowsPerPage = 1;
};

ReportRenderer::ReportRenderer(const ReportTable& table, ReportHeading heading, double fontPoints)
    : table_(table), columns_(table.PrintedColumns()), heading_(std::move(heading)),
      font_(ui::TForm::DefaultFont()) {
    font_.setPointSizeF(fontPoints);
}

double ReportRenderer::NaturalWidth(QPaintDevice* device) const {
    const QList<double> widths = naturalWidths(device);
    return std::accumulate(widths.begin(), widths.end(), 0.0);
}

QList<double> ReportRenderer::naturalWidths(QPaintDevice* device) const {
    const QFontMetricsF body(font_, device);
    const QFontMetricsF bold(boldOf(font_), device);
    const double padding = body.averageCharWidth();
    const int rows = std::min(table_.RowCount(), measuredRows);
    QList<double> widths;
    for (const ReportColumn& column : columns_) {
        double width = bold.horizontalAdvance(column.Caption);
        for (int row = 0; row < rows; ++row)
            width = std::max(width, body.horizontalAdvance(table_.Cell(row, column)));
        if (table_.Totalled(column))
            width = std::max(width, bold.horizontalAdvance(table_.Total(column)));
        widths.append(std::max(width, bold.horizontalAdvance(totalCaption)) + 2 * padding);
    }
    return widths;
}

ReportRenderer::Geometry ReportRenderer::measure(QPaintDevice* device) const {
    Geometry geometry;
    geometry.area = QRectF(0, 0, device->width(), device->height());
    const QFontMetricsF body(font_, device);
    const QFontMetricsF title(boldOf(font_, 1.5), device);
    geometry.padding = body.averageCharWidth() / 2;
    geometry.rowHeight = std::ceil(body.height() * 1.6);
    geometry.headingHeight =
        title.height() * 1.4 + body.height() * 1.3 * heading_.SubTitles.size() + body.height() * 2.0;
    geometry.footerHeight = body.height() * 2.0;

    // The columns fill the page width, each in proportion to what it needs.
    const QList<double> natural = naturalWidths(device);
    const double total = std::accumulate(natural.begin(), natural.end(), 0.0);
    for (double width : natural)
        geometry.widths.append(total > 0 ? width * geometry.area.width() / total : 0);

    const double tableHeight =
        geometry.area.height() - geometry.headingHeight - geometry.footerHeight - geometry.rowHeight;
    geometry.rowsPerPage = std::max(1, int(tableHeight / geometry.rowHeight));
    return geometry;
}

int ReportRenderer::Paint(QPagedPaintDevice* device) const {
    QPainter painter;
    if (!painter.begin(device))
        return 0;
    const Geometry geometry = measure(device);
    const int rows = table_.RowCount();
    const bool totals = table_.HasTotals();
    const int lines = rows + (totals ? 1 : 0);
    const int pages = std::max(1, (lines + geometry.rowsPerPage - 1) / geometry.rowsPerPage);

    QStringList captions;
    QStringList totalTexts;
    bool captionPlaced = false;
    for (const ReportColumn& column : columns_) {
        captions.append(column.Caption);
        if (table_.Totalled(column)) {
            totalTexts.append(table_.Total(column));
        } else {
            totalTexts.append(captionPlaced ? QString() : totalCaption);
            captionPlaced = true;
        }
    }

    int line = 0;
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            device->newPage();
        double top = paintHeading(painter, geometry);
        paintRow(painter, geometry, top, captions, true, false);
        top += geometry.rowHeight;
        for (int onPage = 0; onPage < geometry.rowsPerPage && line < lines; ++onPage, ++line) {
            if (line < rows) {
                QStringList texts;
                for (const ReportColumn& column : columns_)
                    texts.append(table_.Cell(line, column));
                paintRow(painter, geometry, top, texts, false, line % 2 == 1);
            } else {
                paintRow(painter, geometry, top, totalTexts, true, true);
            }
            top += geometry.rowHeight;
        }
        paintFooter(painter, geometry, page, pages);
    }
    painter.end();
    return pages;
}

double ReportRenderer::paintHeading(QPainter& painter, const Geometry& geometry) const {
    const QRectF& area = geometry.area;
    double top = area.top();
    painter.setPen(Qt::black);

    painter.setFont(boldOf(font_, 1.5));
    const double titleHeight = QFontMetricsF(painter.font(), painter.device()).height() * 1.4;
    drawText(painter, QRectF(area.left(), top, area.width(), titleHeight), heading_.Title, Qt::AlignHCenter);
    top += titleHeight;

    painter.setFont(font_);
    const QFontMetricsF body(font_, painter.device());
    for (const QString& line : heading_.SubTitles) {
        drawText(painter, QRectF(area.left(), top, area.width(), body.height() * 1.3), line,
                 Qt::AlignHCenter);
        top += body.height() * 1.3;
    }

    const QRectF dateLine(area.left(), top, area.width(), body.height() * 1.5);
    drawText(painter, dateLine, QStringLiteral("تاريخ: ") + heading_.Date, Qt::AlignLeft | Qt::AlignAbsolute);
    drawText(painter, dateLine, QStringLiteral("تعداد رديفها: ") + QString::number(table_.RowCount()),
             Qt::AlignRight | Qt::AlignAbsolute);
    return area.top() + geometry.headingHeight;
}

void ReportRenderer::paintRow(QPainter& painter, const Geometry& geometry, double top,
                              const QStringList& texts, bool emphasised, bool shaded) const {
    painter.setFont(emphasised ? boldOf(font_) : font_);
    const QColor shade = emphasised ? (shaded ? totalShade : headerShade) : stripeShade;
    const bool header = emphasised && !shaded;
    QPen border(QColor(120, 120, 120));
    border.setWidthF(painter.device()->logicalDpiX() / 150.0);

    // The first column stands at the right edge.
    double right = geometry.area.right();
    for (int i = 0; i < columns_.size(); ++i) {
        const ReportColumn& column = columns_.at(i);
        const QRectF cell(right - geometry.widths.at(i), top, geometry.widths.at(i), geometry.rowHeight);
        if (emphasised || shaded)
            painter.fillRect(cell, shade);
        painter.setPen(border);
        painter.drawRect(cell);
        painter.setPen(Qt::black);
        Qt::Alignment alignment = Qt::AlignRight | Qt::AlignAbsolute;
        if (header || column.Centered)
            alignment = Qt::AlignHCenter;
        else if (column.Amount)
            alignment = Qt::AlignLeft | Qt::AlignAbsolute;
        drawText(painter, cell.adjusted(geometry.padding, 0, -geometry.padding, 0), texts.value(i),
                 alignment);
        right -= geometry.widths.at(i);
    }
}

void ReportRenderer::paintFooter(QPainter& painter, const Geometry& geometry, int page, int pages) const {
    painter.setFont(font_);
    painter.setPen(Qt::black);
    const QRectF& area = geometry.area;
    const QRectF footer(area.left(), area.bottom() - geometry.footerHeight, area.width(),
                        geometry.footerHeight);
    drawText(painter, footer,
             QStringLiteral("صفحه ") + QString::number(page) + QStringLiteral(" از ") +
                 QString::number(pages),
             Qt::AlignHCenter);
}

} // namespace tarvand::siblings
