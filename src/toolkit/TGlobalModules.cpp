#include "TGlobal.h"

#include "SiblingEntries.h"
#include "SiblingModule.h"
#include "TMyDatabase.h"

namespace tarvand {

namespace {

const QLatin1String printModule("\\DLLS\\GlobalForms\\Print.dll");
const QLatin1String advancedPrintModule("\\DLLS\\GlobalForms\\Print1.dll");
const QLatin1String reportPropertyModule("\\DLLs\\GlobalForms\\ReportProperty.dll");

} // namespace

bool TGlobal::LoadModule(SiblingModule& module, const QString& suitePath) {
    if (module.Load(AppPath + suitePath))
        return true;
    if (ShowMessage)
        ShowMessage(module.FileExists() ? QStringLiteral("File Exits: ") + module.FilePath()
                                        : QStringLiteral("Can not load ") + module.FilePath());
    return false;
}

void TGlobal::PrintGrid(TPrintParams params, bool advanced) {
    params.Blank1.clear();
    params.Blank2.clear();
    params.PrintDate = WorkDate;
    params.CompanyText = CompanyCode;
    params.Connection = MyDatabase != nullptr ? MyDatabase->Connection() : nullptr;
    params.UserId = QString::number(UserId);

    SiblingModule module;
    if (!LoadModule(module, advanced ? advancedPrintModule : printModule))
        return;
    const auto printFormShow = module.Resolve<sibling::PrintFormEntry>("PrintForm_Show");
    if (printFormShow == nullptr) {
        // Loadable but not a print module: the user hears about it as about any unusable file.
        if (ShowMessage)
            ShowMessage(QStringLiteral("File Exits: ") + module.FilePath());
        return;
    }
    printFormShow(&params);
}

void TGlobal::ShowReportProperties(const QString& title, data::TDataSet* dataset) {
    SiblingModule module;
    if (!module.Load(AppPath + reportPropertyModule))
        return;
    const auto repPropertyFormShow = module.Resolve<sibling::RepPropertyEntry>("RepPropertyForm_Show");
    if (repPropertyFormShow == nullptr)
        return;
    const QString nothing = QStringLiteral("NoThing");
    repPropertyFormShow(&nothing, &title, dataset);
}

} // namespace tarvand
