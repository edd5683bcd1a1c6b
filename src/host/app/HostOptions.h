#pragma once

#include <QString>

namespace tarvand::host {

// What the command line chose: which company database, company, fiscal year and user the session
// works with, which module it loads, and whether it only takes a picture of its window.
struct HostOptions {
    QString DatabasePath; // empty: the demo company in the user's data folder
    QString CompanyCode = QStringLiteral("01");
    QString FiscalYear = QStringLiteral("1403");
    int UserId = 1;
    QString ModulePath;     // empty: the module built beside the host
    QString ScreenshotPath; // empty: an interactive session
    int Tab = -1;           // index of the module's tab to show; -1 leaves the module's choice
};

} // namespace tarvand::host
