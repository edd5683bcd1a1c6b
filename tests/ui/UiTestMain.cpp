// Widget tests need the application object before any widget exists, and no display. A model fault
// that Qt's model tester reports fails the running test.
#include "GuardedApplication.h"

#include <QLoggingCategory>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (QLatin1String(context.category) == QLatin1String("qt.modeltest") && type != QtDebugMsg) {
                ADD_FAILURE() << message.toStdString();
            }
            previous(type, context, message);
        });
    ::testing::InitGoogleTest(&argc, argv);
    tarvand::ui::GuardedApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
