#pragma once

#include "ReportHeading.h"
#include "ReportOptions.h"
#include "ReportTable.h"

#include <QString>

class QPageLayout;
class QPagedPaintDevice;
class QWidget;

namespace tarvand {
struct TPrintParams;
}

namespace tarvand::siblings {

// One report on its way to paper: shown in a print preview that prints it or saves it as PDF,
// or, when the environment variable TARVAND_PRINT_PDF names a file, written there as PDF without
// any dialog (the headless path of unattended runs and tests).
class ReportJob {
public:
    ReportJob(ReportTable table, ReportHeading heading, ReportOptions options);

    // The heading the print-parameter record asks for: its title, the two texts after it, and the
    // print date (the work date when the record has none).
    static ReportHeading HeadingOf(const TPrintParams& params);
    // The file of the headless path; empty when the preview is to be shown.
    static QString HeadlessPdfPath();

    // The headless path or the preview, whichever applies.
    void Run(QWidget* parent);
    // Writes the report as PDF; false (with the reason in errorText) when the file cannot be written.
    bool WritePdf(const QString& path, QString* errorText = nullptr) const;
    // Shows the print preview modally.
    void Preview(QWidget* parent);

private:
    void setUp(QPagedPaintDevice& device) const;
    bool writePdf(const QString& path, const QPageLayout* layout, QString* errorText) const;
    void savePdfFromPreview(QWidget* preview, const QPageLayout& layout) const;

    ReportTable table_;
    ReportHeading heading_;
    ReportOptions options_;
};

} // namespace tarvand::siblings
