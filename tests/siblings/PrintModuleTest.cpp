// Print.dll and Print1.dll: the grid as a report, written headless to PDF and read back as text.
#include "SiblingEntries.h"
#include "SiblingFixture.h"
#include "TColumn.h"
#include "TColumnTitle.h"
#include "TPrintParams.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

namespace tarvand::siblingtests {
namespace {

const QString title = "گزارش دارايي ها دوره مالي [1403/01/01-1403/12/29]";
const QString workDate = "1403/05/20";

class PrintModule : public SiblingFixture {
protected:
    ~PrintModule() override { qunsetenv("TARVAND_PRINT_PDF"); }

    // The asset register with captions, the name hidden, and an amount column totalled.
    void showAssets() {
        showQuery(QStringLiteral(
            "Select DaraCod, DaraNam, EndValue, BahreDate From D_Amval Where DaraCod Like '%10%' "
            "Order By DaraCod"));
        ui::TDBGridColumns* columns = grid->Columns();
        const char* const fields[] = {"DaraCod", "DaraNam", "EndValue", "BahreDate"};
        const char16_t* const captions[] = {u"كد دارايي", u"نام دارايي", u"بهاي تمام شده",
                                            u"تاريخ بهره برداري"};
        for (int i = 0; i < 4; ++i) {
            ui::TColumn* column = columns->Add();
            column->SetFieldName(QLatin1String(fields[i]));
            column->Title()->SetCaption(QString::fromUtf16(captions[i]));
        }
        columns->Items(1)->SetVisible(false);
    }

    TPrintParams params() {
        TPrintParams record;
        record.Grid = grid;
        record.Title = title;
        record.WorkDate = workDate;
        record.PrintDate = workDate;
        record.Connection = &connection;
        record.UserId = "1";
        return record;
    }

    // Prints through the module with the headless path into a PDF, and returns its text.
    QString printToText(const QString& suitePath) {
        LoadedModule module(suitePath);
        const auto print = module.Resolve<sibling::PrintFormEntry>("PrintForm_Show");
        EXPECT_NE(print, nullptr) << module.ErrorText().toStdString();
        if (print == nullptr)
            return {};
        const QString pdf = folder_.filePath("report.pdf");
        qputenv("TARVAND_PRINT_PDF", QFile::encodeName(pdf));
        TPrintParams record = params();
        print(&record);
        EXPECT_TRUE(QFile::exists(pdf));
        const QString shots = qEnvironmentVariable("TARVAND_SIBLING_SHOTS");
        if (!shots.isEmpty())
            QFile::copy(pdf, QDir(shots).filePath(QFileInfo(module.FileName()).baseName() + ".pdf"));
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", pdf, "-"});
        EXPECT_TRUE(pdftotext.waitForFinished());
        return QString::fromUtf8(pdftotext.readAllStandardOutput());
    }

    QString expectedTotal() {
        data::TADOQuery total;
        total.SetConnection(&connection);
        total.SetSQL("Select Sum(EndValue) As X From D_Amval Where DaraCod Like '%10%'");
        total.Open();
        return TGlobal::FormatAmount(QString::number(qint64(total.FieldByName("X")->AsFloat())));
    }

    QTemporaryDir folder_;
};

TEST_F(PrintModule, TheHeadlessPdfHoldsTheVisibleColumnsRowsTotalsDateAndPages) {
    showAssets();
    const QString text = printToText("\\DLLS\\GlobalForms\\Print.dll");
    ASSERT_FALSE(text.isEmpty());
    for (query_.First(); !query_.Eof(); query_.Next()) {
        EXPECT_TRUE(text.contains(query_.FieldByName("DaraCod")->AsString().trimmed()));
        EXPECT_TRUE(text.contains(query_.FieldByName("BahreDate")->AsString()));
    }
    EXPECT_TRUE(text.contains(expectedTotal())) << expectedTotal().toStdString();
    EXPECT_TRUE(text.contains(workDate));
    // pdftotext gives Persian letters in their presentation forms and reorders the runs of a
    // right-to-left line, so the title's period is checked by its two dates.
    EXPECT_TRUE(text.contains("1403/01/01")) << text.toStdString();
    EXPECT_TRUE(text.contains("1403/12/29"));
    // The hidden name column is not printed.
    EXPECT_FALSE(text.contains("ساختمان"));
}

TEST_F(PrintModule, TheAdvancedModuleWritesTheSameReportHeadless) {
    showAssets();
    const QString text = printToText("\\DLLS\\GlobalForms\\Print1.dll");
    EXPECT_TRUE(text.contains("1101"));
    EXPECT_TRUE(text.contains(expectedTotal()));
}

TEST_F(PrintModule, TheAdvancedModuleAsksForColumnsAndPageThenShowsThePreview) {
    showAssets();
    LoadedModule module("\\DLLS\\GlobalForms\\Print1.dll");
    const auto print = module.Resolve<sibling::PrintFormEntry>("PrintForm_Show");
    ASSERT_NE(print, nullptr) << module.ErrorText().toStdString();
    bool previewed = false;
    TPrintParams record = params();
    onModal(
        [&](QWidget* setup) {
            keepPicture(setup, "PrintSetup");
            auto* columns = setup->findChild<QListWidget*>("Columns");
            ASSERT_NE(columns, nullptr);
            ASSERT_EQ(columns->count(), 4);
            EXPECT_EQ(columns->item(1)->checkState(), Qt::Unchecked);
            EXPECT_EQ(columns->item(0)->checkState(), Qt::Checked);
            columns->setFocus();
            columns->setCurrentRow(1);
            press(setup, Qt::Key_Space);
            EXPECT_EQ(columns->item(1)->checkState(), Qt::Checked);
            QTimer::singleShot(0, setup, [&] {
                auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
                previewed = preview != nullptr;
                if (preview != nullptr) {
                    keepPicture(preview, "PrintPreview");
                    preview->reject();
                }
            });
            press(setup, Qt::Key_Return);
        },
        [&] { print(&record); });
    EXPECT_TRUE(previewed);
}

} // namespace
} // namespace tarvand::siblingtests
