#include "GuardedApplication.h"

#include <gtest/gtest.h>

// The host's tests drive real widgets and the real module: one application object for the whole
// program (the one the host runs, which makes the form library's Application), on the offscreen
// platform, right-to-left as the suite's windows are.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarvand-host-tests"));
    tarvand::ui::GuardedApplication application(argc, argv);
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    return RUN_ALL_TESTS();
}
