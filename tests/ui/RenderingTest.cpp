// What users see: a right-to-left form with a caption strip, tabs, a grid of Persian text and a
// hint line, rendered offscreen. Set TARVAND_UI_SNAPSHOT_DIR to keep the picture for a look.
#include "GridFixture.h"
#include "TField.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TTabSheet.h"

#include <QDir>
#include <QHeaderView>
#include <QImage>

namespace tarvand::ui::test {
namespace {

class Rendering : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        tester.reset();
        form = std::make_unique<TForm>();
        form->resize(720, 360);
        auto* caption = new TPanel(form.get());
        caption->SetHeight(24);
        caption->SetAlign(alTop);
        caption->SetColor(QColor(0x00, 0x78, 0xD7));
        caption->SetCaption("               ثبت اطلاعات پايه داراييها");
        auto* hint = new TPanel(form.get());
        hint->SetHeight(20);
        hint->SetAlign(alBottom);
        hint->SetCaption("  كد مكان استقرار را وارد كنيد");
        auto* pages = new TPageControl(form.get());
        pages->SetAlign(alClient);
        for (const QString& text :
             {"داراييها                 ", "مبادي تحويل     ", "مكان استقرار دارايي   "}) {
            auto* sheet = new TTabSheet(pages);
            sheet->SetCaption(text);
            sheet->SetPageControl(pages);
        }
        TTabSheet* sheet = pages->Pages(2);
        grid = new TDBGrid(sheet);
        grid->SetAlign(alClient);
        grid->SetColor(QColor(0xFF, 0xFF, 0xE1));
        const QStringList titles = {"كد", "نام مكان استقرار", "كد تفصيلي دو"};
        const QStringList fields = {"MakanCod", "MakanNam", "Tafsily2"};
        const QList<int> widths = {40, 330, 90};
        for (int i = 0; i < fields.size(); ++i) {
            TColumn* column = grid->Columns()->Add();
            column->SetFieldName(fields.at(i));
            column->Title()->SetCaption(titles.at(i));
            column->SetWidth(widths.at(i));
        }
        grid->Columns()->Items(2)->SetReadOnly(true);
        grid->Columns()->Items(2)->SetColor(QColor(0x63, 0x78, 0x9C));
        grid->SetDataSource(&source);
        form->Show();
        pages->SetActivePage(sheet);
        QApplication::setActiveWindow(form.get());
        grid->setFocus();
        grid->SetSelectedIndex(1);
        table->SetRecNo(3);
    }
};

TEST_F(Rendering, AFormWithAGridDrawsRightToLeft) {
    type("كارخانه");
    const QImage image = form->grab().toImage();
    if (const QString folder = qEnvironmentVariable("TARVAND_UI_SNAPSHOT_DIR"); !folder.isEmpty()) {
        image.save(QDir(folder).filePath("grid-form.png"));
    }
    ASSERT_FALSE(image.isNull());
    // The code column, the first one, is the rightmost; the indicator is right of it.
    const int codeX = grid->horizontalHeader()->sectionViewportPosition(0);
    const int nameX = grid->horizontalHeader()->sectionViewportPosition(1);
    EXPECT_GT(codeX, nameX);
    EXPECT_GT(grid->verticalHeader()->mapTo(form.get(), QPoint(0, 0)).x(),
              grid->viewport()->mapTo(form.get(), QPoint(codeX, 0)).x());
    // The indicator marks the current row, and only that one.
    const auto marked = [&](int row) {
        QHeaderView* indicator = grid->verticalHeader();
        const QPoint origin =
            indicator->viewport()->mapTo(form.get(), QPoint(0, indicator->sectionViewportPosition(row)));
        for (int y = 2; y < indicator->sectionSize(row) - 2; ++y) {
            for (int x = 2; x < indicator->width() - 2; ++x) {
                if (image.pixelColor(origin + QPoint(x, y)).lightness() < 80) {
                    return true;
                }
            }
        }
        return false;
    };
    EXPECT_TRUE(marked(2));
    EXPECT_FALSE(marked(1));
    // The caption strip keeps its colour and the read-only column its own.
    EXPECT_EQ(image.pixelColor(3, 3), QColor(0x00, 0x78, 0xD7));
    const QRect readOnlyCell = grid->visualRect(grid->model()->index(0, 2));
    const QPoint inside = grid->viewport()->mapTo(form.get(), readOnlyCell.topLeft() + QPoint(2, 2));
    EXPECT_EQ(image.pixelColor(inside), QColor(0x63, 0x78, 0x9C));
}

} // namespace
} // namespace tarvand::ui::test
