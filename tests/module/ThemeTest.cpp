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
#include "ThemeColors.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace tarvand;

namespace {

QColor systemColor(const char* name) {
    return ColorText::ToQColor(*ColorText::StringToColor(QLatin1String(name)));
}

// The options file where the suite keeps it under an application folder.
QString writeIni(const QTemporaryDir& dir, const QByteArray& text) {
    EXPECT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Data")));
    const QString path = dir.filePath(QStringLiteral("Data/Options.ini"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return path;
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

// Each kind of control takes its key's colour: named in the file, or the key's default.
TEST_F(ThemeTest, EachControlTakesTheColourOfItsKey) {
    writeIni(appDir, "[Color]\r\n"
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
    const QColor frame = frameShape->BrushColor();
    global.ApplyTheme(&form);
    EXPECT_EQ(form.Color(), QColor(0xC0, 0xDC, 0xC0));
    EXPECT_EQ(form.FontColor(), QColor(0x80, 0x00, 0x00));
    EXPECT_EQ(caption->Color(), QColor(0x00, 0x00, 0x80));
    EXPECT_EQ(caption->FontColor(), QColor(Qt::yellow));
    EXPECT_EQ(closeShape->BrushColor(), QColor(0x00, 0x00, 0x80));
    EXPECT_EQ(body->Color(), QColor(0xC0, 0xDC, 0xC0));
    EXPECT_EQ(frameShape->BrushColor(), frame);
    EXPECT_EQ(valueEdit->Color(), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(inputEdit->Color(), QColor(0xFF, 0xFB, 0xF0));
    EXPECT_EQ(label->FontColor(), QColor(0x80, 0x00, 0x00));
    EXPECT_EQ(grid->Color(), QColor(Qt::white));
    EXPECT_EQ(grid->FixedColor(), systemColor("clBtnFace"));
    ui::TColumn* code = grid->Columns()->Items(0);
    EXPECT_FALSE(code->Color().isValid()); // keeps the grid's colours
    EXPECT_FALSE(code->FontColor().isValid());
    ui::TColumn* name = grid->Columns()->Items(1);
    EXPECT_EQ(name->Color(), QColor(0xE0, 0xE0, 0xE0));
    EXPECT_EQ(name->FontColor(), QColor(Qt::yellow));
    EXPECT_EQ(name->Title()->Color(), systemColor("clBtnFace"));
    EXPECT_EQ(name->Title()->FontColor(), QColor(Qt::blue));
    EXPECT_EQ(global.GridCaptionFRColor, 0x00FF0000u);
    EXPECT_EQ(global.GridCaptionFSColor, 0x00008000u);
    EXPECT_EQ(ui::Application->HintColor(), QColor(Qt::cyan));
}

// Forms embedded in the themed one keep their own theme; disabled controls keep the desktop's
// greyed text.
TEST_F(ThemeTest, EmbeddedFormsAndDisabledTextKeepTheirColours) {
    writeIni(appDir, "[Color]\nLabelColor=clRed\n");
    auto* embedded = new ui::TForm(body);
    auto* innerCaption = add<ui::TPanel>(embedded, "Caption_Panel");
    auto* innerShape = add<ui::TShape>(embedded, "Close_Shape");
    const QColor shapeBefore = innerShape->BrushColor();
    const QColor greyed = label->palette().color(QPalette::Disabled, QPalette::WindowText);
    global.ApplyTheme(&form);
    EXPECT_EQ(caption->Color(), systemColor("clHighlight"));
    EXPECT_NE(innerCaption->Color(), systemColor("clHighlight"));
    EXPECT_EQ(innerShape->BrushColor(), shapeBefore);
    EXPECT_EQ(label->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(label->palette().color(QPalette::Disabled, QPalette::WindowText), greyed);
}

TEST_F(ThemeTest, ShapeFormLaysTheCaptionButtonsOutFromTheRightAndRoundWindowCutsTheCorners) {
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
    form.resize(400, 300);
    global.RoundWindow(QRect(0, 0, 400, 300), &form);
    const QRegion mask = form.mask();
    EXPECT_EQ(mask.boundingRect(), QRect(0, 0, 400, 300));
    EXPECT_FALSE(mask.contains(QPoint(399, 299)));
    EXPECT_TRUE(mask.contains(QPoint(10, 0))); // the corner ellipse is 20 wide ...
    EXPECT_FALSE(mask.contains(QPoint(1, 8))); // ... and 40 high
}

// A press on the caption strip starts the move; the window follows the mouse until the button is
// released, inside its parent when embedded, on the screen when top-level.
TEST_F(ThemeTest, StartDragMoveMovesTheWindowWithTheMouseWhileTheButtonIsDown) {
    ui::TPanel parent;
    parent.resize(600, 400);
    ui::TForm topLevel;
    for (ui::TForm* window : {new ui::TForm(&parent), &topLevel}) {
        window->setGeometry(50, 40, 300, 200);
        auto* strip = add<ui::TPanel>(window, "Caption_Panel");
        strip->setGeometry(0, 0, 300, 24);
        strip->OnMouseDown = [&, window](QObject*, ui::TMouseButton, ui::TShiftState, int, int) {
            global.StartDragMove(window);
        };
        window->window()->show();
        const QPoint start = window->pos();
        QCursor::setPos(strip->mapToGlobal(QPoint(100, 10)));
        QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(100, 10));
        QTest::mouseMove(strip, QPoint(130, 30));
        QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(130, 30));
        EXPECT_EQ(window->pos(), start + QPoint(30, 20));
        QTest::mouseMove(strip, QPoint(10, 10));
        EXPECT_EQ(window->pos(), start + QPoint(30, 20));
    }
}

TEST(ColorTextTest, NamesWhateverTheirCaseAndIntegersInEveryNotationTheSuiteWrites) {
    const std::pair<const char*, TColor> colours[] = {
        {"clYellow", 0x0000FFFFu},  {"CLRED", 0x000000FFu},       {" clwhite ", 0x00FFFFFFu},
        {"clBtnFace", 0xFF00000Fu}, {"clHighlight", 0xFF00000Du}, {"0x00E1FFFF", 0x00E1FFFFu},
        {"$009C7863", 0x009C7863u}, {"255", 0x000000FFu},         {"-16777201", 0xFF00000Fu}};
    for (const auto& [text, colour] : colours)
        EXPECT_EQ(ColorText::StringToColor(QLatin1String(text)), colour) << text;
    for (const char* text : {"", "clPink", "0xZZ", "12abc", "0x1FFFFFFFF", "$"})
        EXPECT_FALSE(ColorText::StringToColor(QLatin1String(text)).has_value()) << text;
}

TEST(ColorTextTest, SystemColoursFollowTheApplicationPalette) {
    const QPalette original = QGuiApplication::palette();
    QPalette palette = original;
    palette.setColor(QPalette::Button, QColor(0xD4, 0xD0, 0xC8));
    palette.setColor(QPalette::Highlight, QColor(0x0A, 0x24, 0x6A));
    QGuiApplication::setPalette(palette);
    EXPECT_EQ(systemColor("clBtnFace"), QColor(0xD4, 0xD0, 0xC8));
    EXPECT_EQ(systemColor("clHighlight"), QColor(0x0A, 0x24, 0x6A));
    EXPECT_EQ(ColorText::ToQColor(0x8000000F), QColor(0xD4, 0xD0, 0xC8)); // older encoding of clBtnFace
    EXPECT_EQ(ColorText::ToQColor(0x009C7863), QColor(0x63, 0x78, 0x9C)); // bytes are blue, green, red
    EXPECT_EQ(ColorText::ToQColor(ColorText::clNone).alpha(), 0);
    EXPECT_FALSE(ColorText::ToQColor(ColorText::clDefault).isValid());
    QGuiApplication::setPalette(original);
}

// Values of the file's colour section (named in any case) replace the defaults key by key; other
// sections, values that are no colour and a missing file leave the defaults.
TEST(ThemeColorsTest, FileValuesOverrideDefaultsKeyByKey) {
    QTemporaryDir dir;
    const ThemeColors theme =
        ThemeColors::Load(writeIni(dir, "[Other]\r\nHintColor=clRed\r\n[COLOR]\r\n"
                                        "DialogColor=0x00C0C0C0\r\ncaptionbcolor=clNavy\r\n"
                                        "GridTextBAColor=$00FFEEDD\r\nLabelColor=1,2\r\n"
                                        "GridTextBRColor=pink\r\nHintColor=\r\n"));
    EXPECT_EQ(theme.value(ThemeColors::DialogColor), 0x00C0C0C0u);
    EXPECT_EQ(theme.value(ThemeColors::CaptionBColor), 0x00800000u);
    EXPECT_EQ(theme.color(ThemeColors::GridTextBAColor), QColor(0xDD, 0xEE, 0xFF));
    EXPECT_EQ(theme.value(ThemeColors::LabelColor), 0x00000000u);
    EXPECT_EQ(theme.value(ThemeColors::GridTextBRColor), 0x009C7863u);
    EXPECT_EQ(theme.value(ThemeColors::HintColor), 0x0000FFFFu);
    EXPECT_EQ(theme.value(ThemeColors::CaptionFColor), 0x00FFFFFFu); // not in the file
    EXPECT_EQ(ThemeColors::Load(dir.filePath(QStringLiteral("missing.ini"))).value(ThemeColors::DialogColor),
              0xFF00000Fu);
}
