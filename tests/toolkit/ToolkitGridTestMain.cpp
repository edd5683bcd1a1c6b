// Grid tests need the application object before any widget exists, and no display.
#include "GuardedApplication.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    tarvand::ui::GuardedApplication application(argc, argv);
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    return RUN_ALL_TESTS();
}
