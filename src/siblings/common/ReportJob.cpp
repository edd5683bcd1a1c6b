#include "ReportJob.h"

#include "Guard.h"
#include "ReportRenderer.h"
#include "TPrintParams.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QStyle>
#include <QToolBar>

namespace tarvand::siblings {

namespace {

const char* const headlessVariable = "TARVAND_PRINT_PDF";
constexpr int pdfResolution = 600;
const QMarginsF pageMargins(12, 12, 12, 12);

// A file name made of the title: what the file systems refuse becomes a blank.
QString fileTitle(const QString& title) {
    QString name = title.trimmed();
    for (QChar& c : name) {
        if (QStringLiteral("\\/:*?\"<>|").contains(c))
            c = QLatin1Char(' ');
    }
    name = name.simplified();
    return name.isEmpty() ? QStringLiteral("report") : name;
}

} // namespace

ReportJob::ReportJob(ReportTable table, ReportHeading heading, ReportOptions options)
    : table_(std::move(table)), heading_(std::move(heading)), options_(options) {}

ReportHeading ReportJob::HeadingOf(const TPrintParams& params) {
    ReportHeading heading;
    heading.Title = params.Title.trimmed();
    for (const QString& text : {params.TitleText1, params.TitleText2}) {
        if (!text.trimmed().isEmpty())
            heading.SubTitles.append(text.trimmed());
    }
    heading.Date = params.PrintDate.isEmpty() ? params.WorkDate : params.PrintDate;
    return heading;
}

QString ReportJob::HeadlessPdfPath() {
    return qEnvironmentVariable(headlessVariable);
}

void ReportJob::Run(QWidget* parent) {
    const QString path = HeadlessPdfPath();
    if (path.isEmpty()) {
        Preview(parent);
        return;
    }
    QString error;
    if (!WritePdf(path, &error))
        qWarning("%s", qUtf8Printable(error));
}

bool ReportJob::WritePdf(const QString& path, QString* errorText) const {
    return writePdf(path, nullptr, errorText);
}

bool ReportJob::writePdf(const QString& path, const QPageLayout* layout, QString* errorText) const {
    QPdfWriter writer(path);
    writer.setResolution(pdfResolution);
    writer.setTitle(heading_.Title);
    writer.setCreator(QStringLiteral("Tarvand"));
    if (layout != nullptr)
        writer.setPageLayout(*layout);
    else
        setUp(writer);
    if (ReportRenderer(table_, heading_, options_.FontPoints).Paint(&writer) > 0)
        return true;
    if (errorText != nullptr)
        *errorText = QStringLiteral("فايل PDF نوشته نشد: ") + QDir::toNativeSeparators(path);
    return false;
}

void ReportJob::setUp(QPagedPaintDevice& device) const {
    QPageLayout layout(QPageSize(options_.PageSize), QPageLayout::Portrait, pageMargins,
                       QPageLayout::Millimeter);
    device.setPageLayout(layout);
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    switch (options_.PageOrientation) {
    case ReportOptions::Orientation::Portrait:
        break;
    case ReportOptions::Orientation::Landscape:
        orientation = QPageLayout::Landscape;
        break;
    case ReportOptions::Orientation::Automatic: {
        const double naturalPoints =
            ReportRenderer(table_, heading_, options_.FontPoints).NaturalWidth(&device) * 72.0 /
            device.logicalDpiX();
        if (naturalPoints > layout.paintRect(QPageLayout::Point).width())
            orientation = QPageLayout::Landscape;
        break;
    }
    }
    device.setPageOrientation(orientation);
}

void ReportJob::Preview(QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(heading_.Title);
    setUp(printer);
    const ReportRenderer renderer(table_, heading_, options_.FontPoints);

    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("پيش نمايش چاپ - ") + heading_.Title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&renderer](QPrinter* target) { ui::Guard::run([&] { renderer.Paint(target); }); });
    if (auto* toolBar = dialog.findChild<QToolBar*>()) {
        toolBar->addSeparator();
        QAction* save = toolBar->addAction(dialog.style()->standardIcon(QStyle::SP_DialogSaveButton),
                                           QStringLiteral("ذخيره PDF"));
        save->setObjectName(QStringLiteral("SavePdf"));
        QObject::connect(save, &QAction::triggered, &dialog, [this, &dialog, &printer] {
            ui::Guard::run([&] { savePdfFromPreview(&dialog, printer.pageLayout()); });
        });
    }
    if (QScreen* screen = QGuiApplication::primaryScreen())
        dialog.resize(screen->availableSize() * 0.85);
    dialog.exec();
}

void ReportJob::savePdfFromPreview(QWidget* preview, const QPageLayout& layout) const {
    const QString path = QFileDialog::getSaveFileName(
        preview, QStringLiteral("ذخيره PDF"),
        QDir::home().filePath(fileTitle(heading_.Title) + QStringLiteral(".pdf")),
        QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!writePdf(path, &layout, &error))
        QMessageBox::warning(preview, QStringLiteral("ذخيره PDF"), error);
}

} // namespace tarvand::siblings
