#pragma once

#include "ReportColumn.h"
#include "ReportHeading.h"

#include <QFont>
#include <QList>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;
class QRectF;

namespace tarvand::siblings {

class ReportTable;

// Puts a report on pages, right to left: the heading (title, lines under it, date) and the table
// header on every page, the rows, a totals row after the last row when amount columns are
// totalled, and "page i of n" at the foot. Columns share the page width in proportion to what
// they need; a text too long for its column is cut with an ellipsis.
class ReportRenderer {
public:
    ReportRenderer(const ReportTable& table, ReportHeading heading, double fontPoints);

    // The width the table would like, in the device's pixels.
    double NaturalWidth(QPaintDevice* device) const;
    // Paints every page; returns the number of pages, 0 when painting could not start (a PDF
    // file that cannot be written).
    int Paint(QPagedPaintDevice* device) const;

private:
    struct Geometry;
    Geometry measure(QPaintDevice* device) const;
    QList<double> naturalWidths(QPaintDevice* device) const;
    double paintHeading(QPainter& painter, const Geometry& geometry) const;
    void paintRow(QPainter& painter, const Geometry& geometry, double top, const QStringList& texts,
                  bool emphasised, bool shaded) const;
    void paintFooter(QPainter& painter, const Geometry& geometry, int page, int pages) const;

    const ReportTable& table_;
    QList<ReportColumn> columns_;
    ReportHeading heading_;
    QFont font_;
};

} // namespace tarvand::siblings
