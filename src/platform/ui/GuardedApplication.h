#pragma once

#include <QApplication>
#include <memory>

namespace tarvand::ui {

class TApplication;

// The QApplication of every program that shows our forms. It makes the application object
// (Application) and is the last net for exceptions: one that escapes an event handler without
// passing Guard is caught in notify() and handed to Application->HandleException. Handlers are
// still written with Guard: by the time notify() catches, the exception has crossed Qt's frames.
class GuardedApplication : public QApplication {
    Q_OBJECT

public:
    GuardedApplication(int& argc, char** argv);
    ~GuardedApplication() override;

    bool notify(QObject* receiver, QEvent* event) override;

private:
    std::unique_ptr<TApplication> application_;
};

} // namespace tarvand::ui
