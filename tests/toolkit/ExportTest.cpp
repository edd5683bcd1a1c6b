#include "ToolkitGridFixture.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

using namespace tarvand;
using tarvand::test::ToolkitGridFixture;

namespace {

const QString nameWithBreak = "ساختمان\r\nمركزي";
const QString secondName = "كارخانه - سالن توليد يك";

// Two asset locations, the first with a line break in its name, shown as code, a hidden detail-2
// column and name.
class ExportTest : public ToolkitGridFixture {
protected:
    void SetUp() override {
        ToolkitGridFixture::SetUp();
        ASSERT_TRUE(myDatabase->ExecSql("Update D_Makan Set MakanNam = 'x' Where MakanCod = '  1'"));
        query = openQuery("Select * From D_Makan Where MakanCod <= '  2' Order By MakanCod");
        query->First();
        query->Edit();
        query->FieldByName("MakanNam")->SetText(nameWithBreak);
        query->Post();
        showGrid(query.get(), {"MakanCod:كد", "Tafsily2:تفصيلي", "MakanNam:نام"});
        grid->Columns()->Items(1)->SetVisible(false);
    }
    static QString clipboardText() { return QGuiApplication::clipboard()->text(); }
    QByteArray fileBytes(const QString& relative) const {
        QFile file(appFile(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void makeEmpty() {
        query->Close();
        query->SetSQL("Select * From D_Makan Where MakanCod = 'none'");
        query->Open();
    }

    std::unique_ptr<data::TADOQuery> query;
};

QByteArray crlf(const QString& text) {
    return QString(text).replace(QLatin1Char('\n'), QLatin1String("\r\n")).toUtf8();
}

// Tab-separated files start with UTF-8's byte-order mark, which spreadsheet and word processor
// need to read the Persian text without being told the encoding.
QByteArray textFile(const QString& text) {
    return QByteArray("\xEF\xBB\xBF") + crlf(text);
}

} // namespace

TEST_F(ExportTest, ClipboardCopyKeepsLineBreaksSkipsHiddenColumnsAndMayTurnThem) {
    global.CopyGridToClipboard(query.get(), grid, form.get(), false);
    EXPECT_EQ(clipboardText(),
              "\tكد\tنام\t  \n\t  1\t" + nameWithBreak + "\t  \n\t  2\t" + secondName + "\t  ");
    // The walk leaves the grid on the last record, and the grid shows it there.
    EXPECT_EQ(query->RecNo(), 2);
    EXPECT_EQ(grid->currentIndex().row(), 1);
    global.CopyGridToClipboard(query.get(), grid, nullptr, true);
    EXPECT_EQ(clipboardText(),
              "\tنام\tكد\t  \n\t" + nameWithBreak + "\t  1\t  \n\t" + secondName + "\t  2\t  ");
}

TEST_F(ExportTest, SpreadsheetFileIsReversedWithMarkedCellsAndNoBreaksInCells) {
    global.ExportGridToFile(grid, true, ".XLS");
    const QString text = "\tنام\tكد\t  \n\t ساختمانمركزي\t   1\t  \n\t " + secondName + "\t   2\t  ";
    EXPECT_EQ(clipboardText(), text);
    EXPECT_EQ(fileBytes(QStringLiteral("EXCEL/quList.XLS")), textFile(text));
    ASSERT_EQ(openedDocuments.size(), 1);
    EXPECT_EQ(openedDocuments[0], QDir(appDir.path()).filePath("EXCEL/quList.XLS"));
}

TEST_F(ExportTest, LowerCaseSpreadsheetExtensionChoosesTheExcelFolder) {
    global.ExportGridToFile(grid, true, ".xls");
    EXPECT_TRUE(QFile::exists(appFile("EXCEL/quList.xls")));
    EXPECT_FALSE(QFile::exists(appFile("WORD/quList.xls")));
}

TEST_F(ExportTest, NotReversedFileKeepsBreaksStoredAsTextFileLines) {
    global.ExportGridToFile(grid, false, ".DOC");
    const QByteArray bytes = fileBytes("WORD/quList.DOC");
    // The carriage return of the cell's own break stays in front of the stored line end.
    EXPECT_EQ(bytes, textFile(QStringLiteral("\tكد\tنام\t  \n\t  1\t") + nameWithBreak +
                              QStringLiteral("\t  \n\t  2\t") + secondName + QStringLiteral("\t  ")));
    EXPECT_TRUE(bytes.contains("\r\r\n"));
}

TEST_F(ExportTest, DatasetWithoutNameGivesTheGridsNameAndExportingAgainOverwrites) {
    query->Name.clear();
    global.ExportGridToFile(grid, true, ".DOC");
    makeEmpty();
    global.ExportGridToFile(grid, true, QStringLiteral(".DOC"));
    EXPECT_EQ(fileBytes(QStringLiteral("WORD/dbgName.DOC")), textFile(QStringLiteral("\tنام\tكد\t  ")));
    EXPECT_EQ(openedDocuments.size(), 2);
}

TEST_F(ExportTest, EmptyDatasetGivesTheHeadingOnly) {
    makeEmpty();
    global.CopyGridToClipboard(query.get(), grid, nullptr, false);
    EXPECT_EQ(clipboardText(), "\tكد\tنام\t  ");
    global.ExportGridToHtml(grid, false, "T");
    EXPECT_EQ(clipboardText(),
              QStringLiteral("<HTML dir=rtl>  <HEAD>  <TITLE> T</TITLE> </HEAD> <BODY "
                             "bgcolor=LightSteelBlue > <H3 Align=CENTER>T</H3><TT Align=Right > در "
                             "تاريخ:09/05/1403</TT><TABLE BORDER=1><TR><TH ALIGN=RIGHT "
                             "bgColor=Gray>كد</TH><TH ALIGN=RIGHT "
                             "bgColor=Gray>نام</TH></TR></TABLE></BODY></HTML>"));
}

TEST_F(ExportTest, HtmlPageColoursOddAndEvenRecords) {
    const QString title = "گزارش مكان";
    global.ExportGridToHtml(grid, true, title);
    const auto cell = [](const QString& color, const QString& text) {
        return "<TD  ALIGN=RIGHT bgColor=" + color + " ><font Face=Tahoma   size=2 >" + text + "</font></TD>";
    };
    const QString page =
        "<HTML dir=rtl>  <HEAD>  <TITLE> " + title +
        "</TITLE> </HEAD> <BODY bgcolor=LightSteelBlue > <H3 Align=CENTER>" + title +
        QStringLiteral("</H3><TT Align=Right > در تاريخ:09/05/1403</TT><TABLE BORDER=1><TR><TH ALIGN=RIGHT "
                       "bgColor=Gray>نام</TH><TH ALIGN=RIGHT bgColor=Gray>كد</TH></TR>") +
        "<TR>" + cell("LightYellow", nameWithBreak) + cell("LightYellow", "  1") + "</TR><TR>" +
        cell("gray", secondName) + cell("gray", "  2") + "</TR></TABLE></BODY></HTML>";
    EXPECT_EQ(clipboardText(), page);
    // The file declares its encoding first thing in the head; the clipboard has the page as built.
    EXPECT_EQ(
        fileBytes(QStringLiteral("html/quList.html")),
        crlf(QString(page).replace(
            QStringLiteral("<HEAD>"),
            QStringLiteral("<HEAD><META http-equiv=Content-Type content=\"text/html; charset=utf-8\">"))));
    ASSERT_EQ(openedDocuments.size(), 1);
    EXPECT_TRUE(openedDocuments[0].endsWith("/html/quList.html"));
}

TEST_F(ExportTest, MissingFolderWritesAndOpensNothingButFillsTheClipboard) {
    ASSERT_TRUE(QDir(appFile("WORD")).removeRecursively());
    global.ExportGridToFile(grid, false, ".DOC");
    EXPECT_TRUE(openedDocuments.isEmpty());
    EXPECT_FALSE(QFile::exists(appFile("WORD/quList.DOC")));
    EXPECT_TRUE(clipboardText().startsWith("\tكد\tنام\t  \n"));
}
