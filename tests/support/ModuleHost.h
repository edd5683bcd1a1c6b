#pragma once

#include "DemoDatabase.h"
#include "HostContext.h"
#include "HostSession.h"
#include "MessageAnswers.h"
#include "ModuleEntry.h"
#include "ShowModalAndThen.h"
#include "TDlgMsg.h"
#include "TForm.h"
#include "TGlobal.h"
#include "TMyDatabase.h"
#include "TMyDate.h"
#include "TPanel.h"
#include "TShowStateForm.h"
#include "TTempGridForm.h"

#include <QTemporaryDir>
#include <memory>

namespace tarvand::testsupport {

// A host over a fresh demo company: its session objects, message dialog, list picker, status form
// and a screen-wide main window whose client panel receives the module's window. The module's
// variables are set by the entry call, or at once for tests of the common services. Destroying it
// releases the module's window, as a host does before it ends, and clears the variables.
class ModuleHost {
public:
    enum class Context { ByEntry, SetNow };

    // onServer keeps the company on the test run's PostgreSQL server instead of a file.
    explicit ModuleHost(int userId = 1, Context context = Context::ByEntry, bool onServer = false);
    ~ModuleHost();
    ModuleHost(const ModuleHost&) = delete;
    ModuleHost& operator=(const ModuleHost&) = delete;

    // Calls the entry with the main window's client panel, or with the given parent.
    void Ostavan();
    void Ostavan(QWidget* parent);

    // Runs a statement on the company database; fails the test when the statement fails.
    void Exec(const QString& statement);

    host::HostSession& Session() const { return *session_; }
    host::TDlgMsg& DlgMsg() const { return *dlgMsg_; }
    host::TShowStateForm& ShowStateForm() const { return *showStateForm_; }
    host::TTempGridForm& TempGridForm() const { return *tempGridForm_; }
    ui::TForm& MainForm() const { return *mainForm_; }
    QWidget* ClientPanel() const { return clientPanel_; }

private:
    DemoDatabase demo_;
    QTemporaryDir appDir_;
    std::unique_ptr<host::HostSession> session_;
    std::unique_ptr<host::TDlgMsg> dlgMsg_;
    std::unique_ptr<host::TShowStateForm> showStateForm_;
    std::unique_ptr<host::TTempGridForm> tempGridForm_;
    std::unique_ptr<ui::TForm> mainForm_;
    ui::TPanel* clientPanel_;
};

// Lets the application destroy what was released (forms freed by their close action).
void ProcessDeferredDeletes();

} // namespace tarvand::testsupport
