#pragma once

#include "HostOptions.h"

#include <QString>
#include <memory>

namespace tarvand::host {

class HostSession;
class ModuleLibrary;
class TDlgMsg;
class TMainForm;
class TShowStateForm;
class TTempGridForm;

// One run of the host: opens the session, builds the host's forms and main window, loads the
// module and shows its window in the main window; then either runs the event loop or saves a
// picture of the window. What fails is written to standard error and told by the exit code.
class HostProgram {
public:
    enum ExitCode {
        Success = 0,
        UsageError = 1,
        DatabaseError = 2,
        ModuleError = 3,
        EntryError = 4,
        ScreenshotError = 5,
    };

    // The module is the caller's, so that it can be unloaded after the application object has
    // destroyed the forms that the module's code made.
    HostProgram(const HostOptions& options, ModuleLibrary& module);
    ~HostProgram();
    HostProgram(const HostProgram&) = delete;
    HostProgram& operator=(const HostProgram&) = delete;

    // Needs the application object (GuardedApplication); returns the exit code.
    int Run();

private:
    int fail(ExitCode code, const QString& message);
    void openSession();
    void buildWindow();
    void closeWithTheModulesWindow();
    bool showTab();
    bool saveScreenshot();

    HostOptions options_;
    ModuleLibrary& module_;
    std::unique_ptr<HostSession> session_;
    std::unique_ptr<TDlgMsg> dlgMsg_;
    std::unique_ptr<TTempGridForm> tempGridForm_;
    std::unique_ptr<TShowStateForm> showStateForm_;
    std::unique_ptr<TMainForm> mainForm_;
};

} // namespace tarvand::host
