#include "TLabel.h"
#include "TPanel.h"
#include "TShowStateForm.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

using tarvand::host::TShowStateForm;

TEST(ShowStateForm, ShowsTheTextCentredWithoutAModalLoop) {
    TShowStateForm form;
    form.ShowState(QStringLiteral("در حال كار ..."));
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.IsModal());
    EXPECT_EQ(form.lbState->Caption(), QStringLiteral("در حال كار ..."));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(form.Left(), screen.width() / 2 - form.Width() / 2);
    EXPECT_EQ(form.Top(), screen.height() / 2 - form.Height() / 2);
    form.HideState();
    EXPECT_FALSE(form.isVisible());
}

TEST(ShowStateForm, IsABorderlessWindowWithACaptionStrip) {
    TShowStateForm form;
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form.Caption_Panel->Height(), 24);
    EXPECT_FALSE(form.Caption_Panel->Caption().trimmed().isEmpty());
    EXPECT_TRUE(form.testAttribute(Qt::WA_ShowWithoutActivating));
}
