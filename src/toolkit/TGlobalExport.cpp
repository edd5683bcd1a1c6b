#include "TGlobal.h"

#include "SuitePath.h"
#include "TDBGrid.h"
#include "TDataSet.h"
#include "TDataSource.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QList>
#include <algorithm>

namespace tarvand {

namespace {

const QLatin1String lineEnd("\t  ");

// The visible columns in the order they are written.
QList<ui::TColumn*> writtenColumns(ui::TDBGrid* grid, bool reversed) {
    QList<ui::TColumn*> columns;
    ui::TDBGridColumns* all = grid->Columns();
    for (int i = 0; i < all->Count(); ++i)
        if (all->Items(i)->Visible())
            columns.append(all->Items(i));
    if (reversed)
        std::reverse(columns.begin(), columns.end());
    return columns;
}

QString cellText(const ui::TColumn* column) {
    const data::TField* field = column->Field();
    return field != nullptr ? field->Text() : QString();
}

// Visits the records from the first in the dataset's order and leaves the dataset on the last.
// The grid follows only once, at the end: redrawing it for every record would cost far more than
// the export itself.
template <typename Record> void walkRecords(data::TDataSet* dataset, Record record) {
    if (dataset == nullptr || !dataset->Active())
        return;
    dataset->DisableControls();
    try {
        dataset->First();
        while (!dataset->Eof()) {
            record();
            if (dataset->RecNo() == dataset->RecordCount())
                break;
            dataset->Next();
        }
    } catch (...) {
        dataset->EnableControls();
        throw;
    }
    dataset->EnableControls();
}

// Tab-separated text. Reversed files mark each cell with a blank after the tab and drop line
// breaks inside cells, so that a spreadsheet reads one record per line; the clipboard copy keeps
// them in either order.
QString tabText(data::TDataSet* dataset, ui::TDBGrid* grid, bool reversed, bool forFile) {
    const QList<ui::TColumn*> columns = writtenColumns(grid, reversed);
    const bool fileFrame = forFile && reversed;
    QString text;
    for (const ui::TColumn* column : columns)
        text += QLatin1Char('\t') + column->Title()->Caption();
    text += lineEnd;
    // Line feeds go between lines only: none after the last record.
    walkRecords(dataset, [&] {
        text += QLatin1Char('\n');
        for (const ui::TColumn* column : columns) {
            if (fileFrame)
                text +=
                    QStringLiteral("\t ") + TGlobal::ReplaceAll(cellText(column), QStringLiteral("\r\n"), {});
            else
                text += QLatin1Char('\t') + cellText(column);
        }
        text += lineEnd;
    });
    return text;
}

const QString htmlHead = QStringLiteral("<HTML dir=rtl>") + QStringLiteral("  ") + QStringLiteral("<HEAD>");

QString htmlPage(data::TDataSet* dataset, ui::TDBGrid* grid, bool reversed, const QString& title,
                 const QString& workDate) {
    const QList<ui::TColumn*> columns = writtenColumns(grid, reversed);
    QString page = htmlHead + QStringLiteral("  ") + QStringLiteral("<TITLE> ") + title +
                   QStringLiteral("</TITLE>") + QLatin1Char(' ') + QStringLiteral("</HEAD>") +
                   QLatin1Char(' ') + QStringLiteral("<BODY bgcolor=LightSteelBlue >") + QLatin1Char(' ');
    page += QStringLiteral("<H3 Align=CENTER>") + title + QStringLiteral("</H3>");
    page += QStringLiteral("<TT Align=Right > در تاريخ:") + workDate.mid(8) + QLatin1Char('/') +
            workDate.mid(5, 2) + QLatin1Char('/') + workDate.left(4) + QStringLiteral("</TT>");
    page += QStringLiteral("<TABLE BORDER=1>");
    page += QStringLiteral("<TR>");
    for (const ui::TColumn* column : columns)
        page += QStringLiteral("<TH ALIGN=RIGHT bgColor=Gray>") + column->Title()->Caption() +
                QStringLiteral("</TH>");
    page += QStringLiteral("</TR>");
    walkRecords(dataset, [&] {
        const QString color =
            dataset->RecNo() % 2 == 0 ? QStringLiteral("gray") : QStringLiteral("LightYellow");
        page += QStringLiteral("<TR>");
        for (const ui::TColumn* column : columns)
            page += QStringLiteral("<TD  ALIGN=RIGHT bgColor=") + color +
                    QStringLiteral(" ><font Face=Tahoma   size=2 >") + cellText(column) +
                    QStringLiteral("</font></TD>");
        page += QStringLiteral("</TR>");
    });
    page += QStringLiteral("</TABLE>") + QStringLiteral("</BODY>") + QStringLiteral("</HTML>");
    return page;
}

void putOnClipboard(const QString& text) {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(text);
}

// Written as a text file of the suite's platform: every line feed stored as carriage return and
// line feed. False when the file cannot be created.
bool writeTextFile(const QString& path, const QString& text, const QByteArray& leadingBytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QString stored = text;
    stored.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    const QByteArray bytes = leadingBytes + stored.toUtf8();
    return file.write(bytes) == bytes.size();
}

// The programs that open a tab-separated file take it for the local ANSI code page unless a
// byte-order mark says UTF-8; with it, spreadsheet and word processor show the Persian text as typed.
const QByteArray utf8ByteOrderMark("\xEF\xBB\xBF");

// A browser guesses a page's encoding from the locale unless the page declares it. The declaration
// goes first in the head, so it is read before the title's Persian text.
QString htmlFilePage(const QString& page) {
    return htmlHead + QStringLiteral("<META http-equiv=Content-Type content=\"text/html; charset=utf-8\">") +
           page.mid(htmlHead.size());
}

data::TDataSet* dataSetOf(ui::TDBGrid* grid) {
    return grid->DataSource() != nullptr ? grid->DataSource()->DataSet() : nullptr;
}

} // namespace

void TGlobal::CopyGridToClipboard(data::TDataSet* dataset, ui::TDBGrid* grid, QWidget* window,
                                  bool reversed) {
    Q_UNUSED(window);
    if (grid == nullptr)
        return;
    putOnClipboard(tabText(dataset != nullptr ? dataset : dataSetOf(grid), grid, reversed, false));
}

void TGlobal::ExportGridToFile(ui::TDBGrid* grid, bool reversed, const QString& extension) {
    if (grid == nullptr)
        return;
    data::TDataSet* dataset = dataSetOf(grid);
    const QString text = tabText(dataset, grid, reversed, true);
    putOnClipboard(text);

    const QString folder =
        extension.toUpper() == QLatin1String(".XLS") ? QStringLiteral("EXCEL") : QStringLiteral("WORD");
    const QString name =
        dataset == nullptr || dataset->Name.trimmed().isEmpty() ? grid->Name() : dataset->Name;
    const QString path =
        SuitePath::ToPlatform(AppPath + QLatin1Char('\\') + folder + QLatin1Char('\\') + name + extension);
    if (writeTextFile(path, text, utf8ByteOrderMark) && OpenDocument)
        OpenDocument(path);
}

void TGlobal::ExportGridToHtml(ui::TDBGrid* grid, bool reversed, const QString& title) {
    if (grid == nullptr)
        return;
    data::TDataSet* dataset = dataSetOf(grid);
    const QString page = htmlPage(dataset, grid, reversed, title, WorkDate);
    putOnClipboard(page);

    const QString name = dataset != nullptr ? dataset->Name : QString();
    const QString path =
        SuitePath::ToPlatform(AppPath + QStringLiteral("\\html\\") + name + QStringLiteral(".html"));
    if (writeTextFile(path, htmlFilePage(page), {}) && OpenDocument)
        OpenDocument(path);
}

} // namespace tarvand
