#include "ScreenTestMain.h"

#include "Guard.h"
#include "GuardedApplication.h"

#include <QApplication>
#include <QTemporaryFile>
#include <gtest/gtest.h>

namespace tarvand::testsupport {
namespace {

int escaped = 0;

class CountingApplication : public ui::GuardedApplication {
public:
    using ui::GuardedApplication::GuardedApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (...) {
            ++escaped;
            ui::Guard::handleCurrentException();
            return false;
        }
    }
};

} // namespace

int EscapedExceptions() {
    return escaped;
}

} // namespace tarvand::testsupport

// Tests that drive the real windows of the host and the module: one guarded application object for
// the whole program, right-to-left as the suite's windows are, on the offscreen platform with one
// full-HD screen, the size the suite's users work on (the window sits screen-wide).
int main(int argc, char** argv) {
    QTemporaryFile screens;
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if ((platform.isEmpty() || platform == "offscreen") && screens.open()) {
        screens.write(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1920, "height": 1080,
                          "logicalDpi": 96, "logicalDpiY": 96, "dpr": 1}]})");
        screens.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    }
    ::testing::InitGoogleTest(&argc, argv);
    tarvand::testsupport::CountingApplication application(argc, argv);
    QApplication::setLayoutDirection(Qt::RightToLeft);
    return RUN_ALL_TESTS();
}
