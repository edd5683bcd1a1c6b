#pragma once

#include "DemoDatabase.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <memory>

class QWidget;

namespace tarvand {
namespace ui {
class TForm;
class TPanel;
} // namespace ui
class TInfoForm;
class TPendingEditorForm;
namespace host {
class HostSession;
class TDlgMsg;
class TShowStateForm;
class TTempGridForm;
} // namespace host
} // namespace tarvand

namespace tarvand::testsupport {

// A host as the suite runs one, over a fresh demo company: its session objects, its message dialog,
// list picker and status form, and a main window sized to the screen whose client panel receives the module's
// window. Destroying it releases the module's window first, as a host does before it ends.
class ModuleHost {
public:
    explicit ModuleHost(int userId = 1);
    ~ModuleHost();
    ModuleHost(const ModuleHost&) = delete;
    ModuleHost& operator=(const ModuleHost&) = delete;

    // Calls the entry with the main window's client panel, or with the given parent.
    void Ostavan();
    void Ostavan(QWidget* parent);

    // Runs a statement on the company database; fails the test when the statement fails.
    void Exec(const QString& statement);
    // Writes Data/Options.ini under the application folder.
    void WriteOptionsFile(const QByteArray& text);
    QString AppPath() const { return appDir_.path(); }

    host::HostSession& Session() const { return *session_; }
    host::TDlgMsg& DlgMsg() const { return *dlgMsg_; }
    host::TShowStateForm& ShowStateForm() const { return *showStateForm_; }
    host::TTempGridForm& TempGridForm() const { return *tempGridForm_; }
    ui::TForm& MainForm() const { return *mainForm_; }
    QWidget* ClientPanel() const;

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
