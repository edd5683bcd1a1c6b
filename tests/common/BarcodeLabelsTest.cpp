// The register's barcode command and BarCode.dll: the label tables, the designer, and labels that
// real readers decode (the PDF rendered by pdftoppm, every symbol read by zbarimg).
#include "BarcodeCommand.h"
#include "ModuleHost.h"
#include "PictureFolder.h"
#include "ResultTable.h"
#include "SiblingEntries.h"
#include "SiblingModule.h"
#include "TADOConnection.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tarvand;
using testsupport::ResultTable;

namespace {

// Where a sheet's labels lie, in millimetres: the first row's top, the label's size (columns run
// leftwards from the page's right edge), and the rows and columns.
struct Sheet {
    double top;
    double width;
    double height;
    int rows;
    int columns;
};
const Sheet defaultSheet{0.5, 70, 37, 8, 3};
const Sheet smallSheet{0.5, 38.1, 21.2, 13, 5};

class BarcodeLabelsTest : public ::testing::Test {
protected:
    BarcodeLabelsTest() { host.Session().Global()->AppPath = QDir::toNativeSeparators(TARVAND_APP_FOLDER); }

    ResultTable read(const QString& statement) const {
        return ResultTable::read(host.Session().Connection()->Backend(), statement);
    }
    QStringList codes() const {
        QStringList codes;
        for (const QString& code :
             read(QStringLiteral("Select DaraCod From D_Amval")).texts(QStringLiteral("DaraCod")))
            codes << code.trimmed();
        codes.sort();
        return codes;
    }
    // What zbarimg reads on the PDF's pages, one text per symbol, sorted. Each label is read as a
    // picture of its own, as a hand scanner sees it: zbar loses QR symbols among many others.
    QStringList decode(const QString& pdf, Sheet sheet) const {
        constexpr double dotsPerMm = 300 / 25.4;
        const QString prefix = folder.filePath(QStringLiteral("page"));
        EXPECT_EQ(QProcess::execute(QStringLiteral("pdftoppm"),
                                    {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-gray"),
                                     QStringLiteral("-png"), pdf, prefix}),
                  0);
        QStringList strips;
        for (const QString& name : QDir(folder.path()).entryList({QStringLiteral("page*.png")})) {
            const QImage page(folder.filePath(name));
            QFile::remove(folder.filePath(name));
            for (int label = 0; label < sheet.rows * sheet.columns; ++label) {
                const QRectF place(page.width() / dotsPerMm - (label % sheet.columns + 1) * sheet.width,
                                   sheet.top + (label / sheet.columns) * sheet.height, sheet.width,
                                   sheet.height);
                strips << folder.filePath(QStringLiteral("%1-%2.png").arg(name).arg(label));
                page.copy(QRectF(place.topLeft() * dotsPerMm, place.size() * dotsPerMm).toRect())
                    .save(strips.last());
            }
        }
        QProcess zbar;
        zbar.start(QStringLiteral("zbarimg"),
                   QStringList{QStringLiteral("--quiet"), QStringLiteral("--raw")} + strips);
        zbar.waitForFinished(120000);
        for (const QString& strip : strips)
            QFile::remove(strip);
        QStringList texts =
            QString::fromUtf8(zbar.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        texts.sort();
        return texts;
    }
    // An EAN-13 reading carries the code with leading zeros and a check digit.
    static QStringList eanCodes(QStringList texts) {
        for (QString& text : texts) {
            text.chop(1);
            while (text.startsWith(QLatin1Char('0')))
                text.remove(0, 1);
        }
        texts.sort();
        return texts;
    }

    testsupport::ModuleHost host{1, testsupport::ModuleHost::Context::SetNow};
    QTemporaryDir folder;
};

// The clerk's way: the command fills the label tables and opens the designer; QR code is chosen
// and the labels saved as PDF through the file dialog. Every label scans as its asset's code.
TEST_F(BarcodeLabelsTest, TheRegisterIsDesignedSavedAndEveryLabelScans) {
    const QString pdf = folder.filePath(QStringLiteral("labels.pdf"));
    int labelRows = -1;
    int priceRows = -1;
    bool designed = false;
    QTimer::singleShot(0, [&] {
        QWidget* designer = QApplication::activeModalWidget();
        ASSERT_NE(designer, nullptr);
        designed = designer->objectName() == QLatin1String("LabelDesigner");
        const ResultTable tables =
            read(QStringLiteral("Select Name From Tempdb..SysObjects Where Name Like '%") +
                 host.Session().Global()->SessionTag + QStringLiteral("%' Order By Name"));
        for (const QString& name : tables.texts(QStringLiteral("Name"))) {
            const QString table = name.startsWith(QLatin1String("##")) ? name : QStringLiteral("##") + name;
            const int rows = int(read(QStringLiteral("Select * From ") + table).rowCount());
            if (name.endsWith(QLatin1String("_Temp")))
                labelRows = rows;
            else if (name.endsWith(QLatin1String("_Fee")))
                priceRows = rows;
        }
        auto* symbology = designer->findChild<QComboBox*>(QStringLiteral("symbology"));
        symbology->setCurrentIndex(symbology->findText(QStringLiteral("QR Code")));
        QTemporaryDir fallback;
        designer->grab().save(
            QDir(testsupport::PictureFolder::Path(fallback)).filePath(QStringLiteral("label-designer.png")));
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->selectFile(pdf);
            static_cast<QDialog*>(dialog)->accept();
        });
        for (QPushButton* button : designer->findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("ذخيره PDF ..."))
                button->click();
        designer->close();
    });
    BarcodeCommand::Run();
    EXPECT_TRUE(designed);
    EXPECT_EQ(labelRows, codes().size());
    EXPECT_EQ(priceRows, codes().size());
    EXPECT_EQ(decode(pdf, defaultSheet), codes());
}

TEST_F(BarcodeLabelsTest, EverySymbologyScansThroughTheHeadlessEntry) {
    SiblingModule module;
    ASSERT_TRUE(
        module.Load(host.Session().Global()->AppPath + QStringLiteral("\\DLLs\\Tavesh\\BarCode.dll")));
    const auto toPdf = module.Resolve<sibling::DesignBarCodePdfEntry>("DesignBarCodePdf");
    ASSERT_NE(toPdf, nullptr);
    host.Exec(BarcodeCommand::LabelTableStatement(QStringLiteral("##Labels"), QStringLiteral("1403/05/20")));
    const QString table = QStringLiteral("##Labels");
    const QString code = QStringLiteral("KalaCode");
    const QString name = QStringLiteral("KalaName");
    const QString price = QStringLiteral("FeeSales");
    const QString pdf = folder.filePath(QStringLiteral("labels.pdf"));
    const struct {
        const char* settings;
        Sheet sheet;
    } cases[] = {
        {"", defaultSheet},
        {"SYMBOLOGY=EAN13;SHOW=CODE,NAME,PRICE,DATE;LABELWIDTH=38.1;LABELHEIGHT=21.2;COLUMNS=5;ROWS=13",
         smallSheet},
        {"SYMBOLOGY=QR;LABELWIDTH=38.1;LABELHEIGHT=21.2;COLUMNS=5;ROWS=13", smallSheet},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.settings);
        ASSERT_TRUE(toPdf(host.Session().Connection(), &table, &code, &name, &price, true, &text, &pdf));
        const QStringList read = decode(pdf, c.sheet);
        EXPECT_EQ(text.contains(QLatin1String("EAN")) ? eanCodes(read) : read, codes()) << c.settings;
    }
}

// Without the module, or with a library that is no barcode module, the command does nothing.
TEST_F(BarcodeLabelsTest, AMissingModuleOrEntryIsSilent) {
    QDir(folder.path()).mkpath(QStringLiteral("DLLs/Tavesh"));
    host.Session().Global()->AppPath = QDir::toNativeSeparators(folder.path());
    BarcodeCommand::Run();
    QFile::copy(QStringLiteral(TARVAND_APP_FOLDER "/DLLs/GlobalForms/Search.so"),
                folder.filePath(QStringLiteral("DLLs/Tavesh/BarCode.so")));
    BarcodeCommand::Run();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(read(QStringLiteral("Select Name From Tempdb..SysObjects Where Name Like '%_Temp'")).rowCount(),
              0);
}

} // namespace
