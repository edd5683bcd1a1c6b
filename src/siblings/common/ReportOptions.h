#pragma once

#include <QPageSize>

namespace tarvand::siblings {

// How a report is put on paper.
struct ReportOptions {
    enum class Orientation { Automatic, Portrait, Landscape };
    // Automatic turns the page to landscape when the table is wider than a portrait page.
    Orientation PageOrientation = Orientation::Automatic;
    QPageSize::PageSizeId PageSize = QPageSize::A4;
    double FontPoints = 9;
};

} // namespace tarvand::siblings
