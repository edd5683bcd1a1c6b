#include "GuardedApplication.h"

#include "Guard.h"
#include "TApplication.h"

namespace tarvand::ui {

GuardedApplication::GuardedApplication(int& argc, char** argv)
    : QApplication(argc, argv), application_(std::make_unique<TApplication>()) {
    setLayoutDirection(Qt::RightToLeft);
}

// The application object goes first, so that the forms it owns die while Qt is still running.
GuardedApplication::~GuardedApplication() = default;

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        Guard::handleCurrentException();
        return false;
    }
}

} // namespace tarvand::ui
