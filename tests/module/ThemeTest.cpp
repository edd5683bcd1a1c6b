#include "ColorText.h"
#include "TApplication.h"
#include "TColumn.h"
#include "TColumnTitle.h"
#include "TDBGrid.h"
#include "TDBGridColumns.h"
#include "TEdit.h"
#include "TForm.h"
#include "TGlobal.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TShape.h"
#include "TSpeedButton.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace tarvand;

namespace {

// A panel class of its own: the theme matches class names exactly, so it is not a TPanel to it.
class TCaptionPanel : public ui::TPanel {
    Q_OBJECT

public:
    using ui::TPanel::TPanel;
};

QColor systemColor(const char* name) {
    return ColorText::ToQColor(*ColorText::StringToColor(QLatin1String(name)));
}

QColor rgb(TColor color) {
    return ColorText::ToQColor(color);
}

template <typename Control> Control* add(QWidget* parent, const char* name) {
    auto* control = new Control(parent);
    control->SetName(QLatin1String(name));
    return control;
}

// A form with one control of every kind the theme colours, inside a panel as designers nest them.
class ThemeTest : public ::testing::Test {
protected:
    void SetUp() override {
        global.AppPath = QDir::toNativeSeparators(appDir.path());
        body = add<ui::TPanel>(&form, "Panel1");
        caption = add<ui::TPanel>(&form, "Caption_Panel");
        label = add<ui::TLabel>(body, "lbName");
        valueEdit = add<ui::TEdit>(body, "txtValue");
        valueEdit->SetBorderStyle(ui::bsNone);
        inputEdit = add<ui::TEdit>(body, "txtInput");
        closeShape = add<ui::TShape>(caption, "Close_Shape");
        frameShape = add<ui::TShape>(&form, "RightShape");
        grid = add<ui::TDBGrid>(body, "dbgList");
        grid->Columns()->Add()->SetFieldName(QStringLiteral("Code"));
        ui::TColumn* name = grid->Columns()->Add();
        name->SetFieldName(QStringLiteral("Name"));
        name->SetReadOnly(true);
    }

    void writeOptions(const QByteArray& text) {
        ASSERT_TRUE(QDir(appDir.path()).mkpath(QStringLiteral("Data")));
        QFile file(appDir.filePath(QStringLiteral("Data/Options.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QTemporaryDir appDir;
    TGlobal global;
    ui::TForm form;
    ui::TPanel* body;
    ui::TPanel* caption;
    ui::TLabel* label;
    ui::TEdit* valueEdit;
    ui::TEdit* inputEdit;
    ui::TShape* closeShape;
    ui::TShape* frameShape;
    ui::TDBGrid* grid;
};

} // namespace

TEST_F(ThemeTest, WithoutOptionsFileEveryColourIsItsDefault) {
    const QColor otherPanel = body->Color();
    const QColor frame = frameShape->BrushColor();
    global.ApplyTheme(&form);

    EXPECT_EQ(form.Color(), systemColor("clBtnFace"));
    EXPECT_EQ(form.FontColor(), QColor(Qt::black));
    EXPECT_EQ(caption->Color(), systemColor("clHighlight"));
    EXPECT_EQ(caption->FontColor(), QColor(Qt::white));
    EXPECT_EQ(body->Color(), otherPanel);
    EXPECT_EQ(label->FontColor(), QColor(Qt::black));
    EXPECT_EQ(valueEdit->Color(), systemColor("clBtnFace"));
    EXPECT_EQ(valueEdit->FontColor(), QColor(Qt::black));
    EXPECT_EQ(inputEdit->Color(), QColor(Qt::white));
    EXPECT_EQ(closeShape->BrushColor(), systemColor("clHighlight"));
    EXPECT_EQ(frameShape->BrushColor(), frame);

    EXPECT_EQ(grid->Color(), rgb(0x00E1FFFF));
    EXPECT_EQ(grid->FontColor(), QColor(Qt::black));
    EXPECT_EQ(grid->FixedColor(), systemColor("clBtnFace"));
    EXPECT_EQ(grid->TitleFontColor(), QColor(Qt::black));
    ui::TColumn* code = grid->Columns()->Items(0);
    EXPECT_FALSE(code->Color().isValid()); // keeps the grid's colours
    EXPECT_FALSE(code->FontColor().isValid());
    ui::TColumn* name = grid->Columns()->Items(1);
    EXPECT_EQ(name->Color(), rgb(0x009C7863));
    EXPECT_EQ(name->FontColor(), QColor(Qt::yellow));
    EXPECT_EQ(name->Title()->Color(), systemColor("clBtnFace"));
    EXPECT_EQ(name->Title()->FontColor(), QColor(Qt::black));

    EXPECT_EQ(global.GridCaptionFRColor, 0x00000000u);
    EXPECT_EQ(global.GridCaptionFSColor, 0x000000FFu);
    EXPECT_EQ(ui::Application->HintColor(), QColor(Qt::yellow));
}

TEST_F(ThemeTest, OptionsFileColoursInNamesAndHexadecimal) {
    writeOptions("[Color]\r\n"
                 "DialogColor=0x00C0DCC0\r\n"
                 "CaptionBColor=clNavy\r\n"
                 "CaptionFColor=0x0000FFFF\r\n"
                 "TextEBColor=clSilver\r\n"
                 "TextABColor=0x00F0FBFF\r\n"
                 "LabelColor=clMaroon\r\n"
                 "GridTextBAColor=0x00FFFFFF\r\n"
                 "GridTextBRColor=$00E0E0E0\r\n"
                 "GridCaptionFRColor=clBlue\r\n"
                 "GridCaptionFSColor=clGreen\r\n"
                 "HintColor=clAqua\r\n");
    global.ApplyTheme(&form);
    EXPECT_EQ(form.Color(), QColor(0xC0, 0xDC, 0xC0));
    EXPECT_EQ(caption->Color(), QColor(0x00, 0x00, 0x80));
    EXPECT_EQ(caption->FontColor(), QColor(Qt::yellow));
    EXPECT_EQ(closeShape->BrushColor(), QColor(0x00, 0x00, 0x80));
    EXPECT_EQ(valueEdit->Color(), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(inputEdit->Color(), QColor(0xFF, 0xFB, 0xF0));
    EXPECT_EQ(label->FontColor(), QColor(0x80, 0x00, 0x00));
    EXPECT_EQ(grid->Color(), QColor(Qt::white));
    EXPECT_EQ(grid->Columns()->Items(1)->Color(), QColor(0xE0, 0xE0, 0xE0));
    EXPECT_EQ(grid->Columns()->Items(1)->Title()->FontColor(), QColor(Qt::blue));
    EXPECT_EQ(global.GridCaptionFRColor, 0x00FF0000u);
    EXPECT_EQ(global.GridCaptionFSColor, 0x00008000u);
    EXPECT_EQ(ui::Application->HintColor(), QColor(Qt::cyan));
}

TEST_F(ThemeTest, OptionsFileIsFoundWhateverTheCaseOfItsFolder) {
    ASSERT_TRUE(QDir(appDir.path()).mkpath(QStringLiteral("DATA")));
    QFile file(appDir.filePath(QStringLiteral("DATA/options.INI")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Color]\nDialogColor=clRed\n");
    file.close();
    global.ApplyTheme(&form);
    EXPECT_EQ(form.Color(), QColor(Qt::red));
}

TEST_F(ThemeTest, OnlyExactClassesAndNamedShapesAreColoured) {
    auto* lookalike = add<TCaptionPanel>(&form, "Caption_Panel");
    const QColor before = lookalike->Color();
    global.ApplyTheme(&form);
    EXPECT_EQ(lookalike->Color(), before);
    EXPECT_EQ(caption->Color(), systemColor("clHighlight"));
}

TEST_F(ThemeTest, EmbeddedFormsKeepTheirOwnTheme) {
    auto* embedded = new ui::TForm(body);
    auto* innerCaption = add<ui::TPanel>(embedded, "Caption_Panel");
    auto* innerShape = add<ui::TShape>(embedded, "Close_Shape");
    const QColor shapeBefore = innerShape->BrushColor();
    global.ApplyTheme(&form);
    EXPECT_EQ(caption->Color(), systemColor("clHighlight"));
    EXPECT_NE(innerCaption->Color(), systemColor("clHighlight"));
    EXPECT_EQ(innerShape->BrushColor(), shapeBefore);
}

TEST_F(ThemeTest, DisabledControlsKeepTheDesktopsGreyedText) {
    writeOptions("[Color]\nLabelColor=clRed\n");
    const QColor greyed = label->palette().color(QPalette::Disabled, QPalette::WindowText);
    global.ApplyTheme(&form);
    EXPECT_EQ(label->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(label->palette().color(QPalette::Disabled, QPalette::WindowText), greyed);
}

TEST_F(ThemeTest, RoundWindowCutsTheCornersOfTheGivenRectangle) {
    form.resize(400, 300);
    global.RoundWindow(QRect(0, 0, 400, 300), &form);
    const QRegion mask = form.mask();
    EXPECT_EQ(mask.boundingRect(), QRect(0, 0, 400, 300));
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_FALSE(mask.contains(QPoint(399, 299)));
    EXPECT_TRUE(mask.contains(QPoint(200, 150)));
    EXPECT_TRUE(mask.contains(QPoint(10, 0))); // the corner ellipse is 20 wide ...
    EXPECT_FALSE(mask.contains(QPoint(1, 8))); // ... and 40 high
}

TEST_F(ThemeTest, ShapeFormLaysTheCaptionButtonsOutFromTheRight) {
    form.resize(500, 300);
    auto* minShape = add<ui::TShape>(caption, "Min_Shape");
    auto* sysShape = add<ui::TShape>(caption, "Sys_Shape");
    auto* condShape = add<ui::TShape>(caption, "Cond_Shape");
    ui::TShape* shapes[] = {closeShape, minShape, sysShape, condShape};
    ui::TSpeedButton* buttons[4];
    for (int index = 0; index < 4; ++index) {
        shapes[index]->resize(21, 21);
        buttons[index] = new ui::TSpeedButton(caption);
        buttons[index]->resize(20, 20);
    }
    global.ShapeForm(false, &form, closeShape, minShape, sysShape, condShape, buttons[0], buttons[1],
                     buttons[2], buttons[3]);
    EXPECT_EQ(closeShape->Left(), 500 - 21 - 10);
    EXPECT_EQ(buttons[0]->Left(), closeShape->Left() + 1);
    for (int index = 1; index < 4; ++index) {
        EXPECT_EQ(shapes[index]->Left(), buttons[index - 1]->Left() - 21 - 2) << index;
        EXPECT_EQ(buttons[index]->Left(), shapes[index]->Left() + 1) << index;
        EXPECT_EQ(shapes[index]->BrushColor(), systemColor("clHighlight")) << index;
    }
    EXPECT_EQ(form.mask().boundingRect(), QRect(0, 0, 500, 300));
    EXPECT_EQ(form.Color(), systemColor("clBtnFace"));

    // Full screen, with only a close button.
    global.ShapeForm(true, &form, closeShape, nullptr, nullptr, nullptr, buttons[0], nullptr, nullptr,
                     nullptr);
    const int screenWidth = QApplication::primaryScreen()->geometry().width();
    EXPECT_EQ(closeShape->Left(), screenWidth - 21 - 10);
    EXPECT_EQ(buttons[0]->Left(), closeShape->Left() + 1);
}

TEST_F(ThemeTest, StartDragMoveMovesAnEmbeddedWindowWithTheMouse) {
    ui::TPanel host;
    host.resize(600, 400);
    auto* window = new ui::TForm(&host);
    window->setGeometry(50, 40, 300, 200);
    auto* strip = add<ui::TPanel>(window, "Caption_Panel");
    strip->setGeometry(0, 0, 300, 24);
    strip->OnMouseDown = [&](QObject*, ui::TMouseButton, ui::TShiftState, int, int) {
        global.StartDragMove(window);
    };
    host.show();
    // The cursor is where the button goes down.
    QCursor::setPos(strip->mapToGlobal(QPoint(100, 10)));
    QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(100, 10));
    QTest::mouseMove(strip, QPoint(130, 30));
    QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(130, 30));
    EXPECT_EQ(window->pos(), QPoint(80, 60));
    // The move ends with the button.
    QTest::mouseMove(strip, QPoint(10, 10));
    EXPECT_EQ(window->pos(), QPoint(80, 60));
}

TEST_F(ThemeTest, StartDragMoveMovesATopLevelWindowWithTheMouse) {
    ui::TForm window;
    window.setGeometry(200, 150, 300, 200);
    auto* strip = add<ui::TPanel>(&window, "Caption_Panel");
    strip->setGeometry(0, 0, 300, 24);
    strip->OnMouseDown = [&](QObject*, ui::TMouseButton, ui::TShiftState, int, int) {
        global.StartDragMove(&window);
    };
    window.show();
    const QPoint start = window.pos();
    QCursor::setPos(strip->mapToGlobal(QPoint(100, 10)));
    QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(100, 10));
    QTest::mouseMove(strip, QPoint(140, 15));
    QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(140, 15));
    EXPECT_EQ(window.pos(), start + QPoint(40, 5));
}

#include "ThemeTest.moc"
