#include "TLabel.h"
#include "TMainForm.h"
#include "TPanel.h"
#include "TShowStateForm.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using tarvand::host::TMainForm;
using tarvand::host::TShowStateForm;
namespace ui = tarvand::ui;

TEST(ShowStateForm, ShowsTheTextCentredWithoutAModalLoopOrTakingTheKeys) {
    TShowStateForm form;
    form.ShowState(QStringLiteral("در حال كار ..."));
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.IsModal());
    EXPECT_TRUE(form.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(form.lbState->Caption(), QStringLiteral("در حال كار ..."));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(form.pos(),
              QPoint(screen.width() / 2 - form.Width() / 2, screen.height() / 2 - form.Height() / 2));
    form.HideState();
    EXPECT_FALSE(form.isVisible());
}

// Nothing but the window itself sizes it here, as on a display without a window manager: shown
// maximised, or maximised later with a double click on its caption strip, it fills the screen's
// free area, where the module lays its caption buttons out.
TEST(MainForm, AMaximisedMainWindowFillsTheScreensFreeArea) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    TMainForm shownMaximised;
    shownMaximised.SetWindowState(ui::wsMaximized);
    shownMaximised.Show();
    EXPECT_EQ(shownMaximised.geometry(), area);
    EXPECT_EQ(shownMaximised.plClient->width(), area.width());

    TMainForm maximisedLater;
    maximisedLater.setGeometry(100, 100, 640, 480);
    maximisedLater.Show();
    QTest::mouseDClick(maximisedLater.Caption_Panel, Qt::LeftButton, {}, QPoint(300, 10));
    EXPECT_EQ(maximisedLater.WindowState(), ui::wsMaximized);
    EXPECT_EQ(maximisedLater.geometry(), area);
}
