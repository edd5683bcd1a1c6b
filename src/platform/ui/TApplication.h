#pragma once

#include "UiTypes.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <exception>
#include <functional>
#include <utility>

namespace tarvand::ui {

// The application object of the form library: the one exception handler, the form factory and
// the hint colour. One exists per process (GuardedApplication makes it); the global pointer
// Application reaches it from the host, the module and every form.
class TApplication : public QObject {
    Q_OBJECT

public:
    explicit TApplication(QObject* parent = nullptr);
    // Destroys the forms the factory made that still exist, the newest first.
    ~TApplication() override;

    // One handler for exceptions that reach the event loop; whoever installs last replaces it.
    std::function<void(const std::exception& E)> OnException;

    // EAbort is dropped silently; anything else goes to OnException, or, when none is installed,
    // is shown in a message box.
    void HandleException(const std::exception& error);
    // The message box of the default handling.
    void ShowException(const std::exception& error);

    // The form factory: creates a form owned by the application object and stores it in the
    // variable. The form is destroyed with the application object unless freed earlier.
    template <typename Form, typename... Args> void CreateForm(Form*& reference, Args&&... args) {
        Form* form = new Form(std::forward<Args>(args)...);
        reference = form;
        InsertForm(form);
    }
    // Makes the application object the owner of a form made elsewhere.
    void InsertForm(QWidget* form);
    // Forms owned by the application object that still exist, oldest first.
    QList<QWidget*> Forms() const;

    QColor HintColor() const { return hintColor_; }
    void SetHintColor(const QColor& color);

    // Handles pending events, as a long operation does to keep the window painted.
    void ProcessMessages();

private:
    QList<QPointer<QWidget>> forms_;
    QColor hintColor_;
};

// The process's application object; null before GuardedApplication (or a TApplication) exists.
extern TApplication* Application;

} // namespace tarvand::ui
