#include "TGlobal.h"

#include "DebuggerProbe.h"
#include "SiblingEntries.h"
#include "SiblingModule.h"
#include "TMyDatabase.h"

namespace tarvand {

namespace {

const QLatin1String printModule("\\DLLS\\GlobalForms\\Print.dll");
const QLatin1String advancedPrintModule("\\DLLS\\GlobalForms\\Print1.dll");
const QLatin1String developerPrintModule("E:\\KORVASH\\GlobalForms\\Print\\Print.dll");
const QLatin1String developerAdvancedPrintModule("E:\\Programs\\DBGPrint\\Print1.dll");
const QLatin1String reportPropertyModule("\\DLLs\\GlobalForms\\ReportProperty.dll");

} // namespace

QString TGlobal::ModulePath(const QString& suitePath, const QString& developerPath) const {
    if (!developerPath.isEmpty() && DebuggerProbe::Present())
        return developerPath;
    return AppPath + suitePath;
}

bool TGlobal::LoadModule(SiblingModule& module, const QString& path) {
    if (module.Load(path))
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
    if (!LoadModule(module, advanced ? ModulePath(advancedPrintModule, developerAdvancedPrintModule)
                                     : ModulePath(printModule, developerPrintModule)))
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
