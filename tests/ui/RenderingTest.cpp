// What users see: a right-to-left form with a caption strip and a grid of Persian text, rendered
// offscreen. Set TARVAND_UI_SNAPSHOT_DIR to keep the picture for a look.
#include "GridFixture.h"
#include "TField.h"
#include "TPanel.h"

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
        grid = new TDBGrid(form.get());
        grid->SetAlign(alClient);
        for (const QString& field : {"MakanCod", "MakanNam", "Tafsily2"})
            grid->Columns()->Add()->SetFieldName(field);
        grid->Columns()->Items(2)->SetReadOnly(true);
        grid->Columns()->Items(2)->SetColor(QColor(0x63, 0x78, 0x9C));
        grid->SetDataSource(&source);
        form->Show();
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
