#pragma once

#include "DemoDatabase.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <initializer_list>
#include <memory>

namespace tarvand {
namespace ui {
class TForm;
}
namespace host {
class HostSession;
class TDlgMsg;
class TTempGridForm;
} // namespace host
} // namespace tarvand

namespace tarvand::testsupport {

// The host context as the entry call leaves it, over a fresh demo company: the module's variables
// point at a session's Global, MyDate and MyDatabase and at a real message dialog and list picker.
// The application folder is a temporary folder of its own. Destroying it clears the variables.
class CommonHost {
public:
    explicit CommonHost(int userId = 1);
    ~CommonHost();
    CommonHost(const CommonHost&) = delete;
    CommonHost& operator=(const CommonHost&) = delete;

    host::HostSession& Session() const { return *session_; }
    host::TDlgMsg& DlgMsg() const { return *dlgMsg_; }
    host::TTempGridForm& TempGridForm() const { return *tempGridForm_; }
    QString AppPath() const { return appDir_.path(); }
    // Runs a statement on the company database; fails the test when it fails.
    void Exec(const QString& statement);

private:
    DemoDatabase demo_;
    QTemporaryDir appDir_;
    std::unique_ptr<host::HostSession> session_;
    std::unique_ptr<host::TDlgMsg> dlgMsg_;
    std::unique_ptr<host::TTempGridForm> tempGridForm_;
};

// Runs a modal form and does `act` once its modal loop runs; a form that does not end within ten
// seconds fails the test and is ended with -1.
int ShowModalAndThen(ui::TForm& form, const std::function<void()>& act);

// The answers of the host's message dialog, given by the test instead of a user: each message
// shown is recorded with its kind and answered with the next result of the list.
class MessageAnswers {
public:
    struct Shown {
        QString text;
        QString title;
        QString kind;
    };

    MessageAnswers(host::TDlgMsg& dialog, std::initializer_list<int> results);
    ~MessageAnswers();
    const QList<Shown>& Messages() const { return shown_; }

private:
    host::TDlgMsg& dialog_;
    QList<int> results_;
    QList<Shown> shown_;
    std::function<void(QObject*)> formShow_;
};

} // namespace tarvand::testsupport
