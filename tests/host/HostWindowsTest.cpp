#include "TLabel.h"
#include "TShowStateForm.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

using tarvand::host::TShowStateForm;

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
