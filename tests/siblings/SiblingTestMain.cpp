#include "GuardedApplication.h"

#include <gtest/gtest.h>

// The sibling modules' tests load the real libraries and drive their dialogs: one application
// object for the whole program, on the offscreen platform, right-to-left as the suite's windows.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarvand-sibling-tests"));
    tarvand::ui::GuardedApplication application(argc, argv);
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    return RUN_ALL_TESTS();
}
