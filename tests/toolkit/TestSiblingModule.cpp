// A sibling form module with fixed answers, for the toolkit's tests: each entry writes what it
// received into a property of the application object (host and module share one Qt) and answers
// what the tests expect of it.
#include "SiblingEntries.h"
#include "TDBGrid.h"
#include "TDataSet.h"
#include "TGlobal.h"
#include "TMyDatabase.h"
#include "TPrintParams.h"

#include <QCoreApplication>
#include <QStringList>
#include <QVariant>

using namespace tarvand;

namespace {

void record(const char* entry, const QStringList& arguments) {
    qApp->setProperty(entry, arguments.join(QLatin1Char('|')));
}

QString pointerState(const void* pointer) {
    return pointer != nullptr ? "set" : "null";
}

} // namespace

TARVAND_SIBLING_EXPORT int TarvandSiblingAbi() {
    return SiblingAbiVersion;
}

TARVAND_SIBLING_EXPORT void GridSearch(ui::TDBGrid* grid, const QString* text1, const QString* text2,
                                       const QString* previous, QString* result) {
    record("GridSearch", {grid->Name(), *text1, *text2, *previous});
    *result = "pid";
}

TARVAND_SIBLING_EXPORT void AdvSort(ui::TDBGrid* grid, const QString* text1, const QString* text2,
                                    const QString* text3, QString* result) {
    record("AdvSort", {grid->Name(), *text1, *text2, *text3});
    *result = "ignored";
}

// Cancels when the report text says so; otherwise keeps the asset locations with codes up to 2.
TARVAND_SIBLING_EXPORT void ShowFilter(TGlobal* global, TMyDatabase* database, host::TDlgMsg* dlgMsg,
                                       ui::TDBGrid* grid, const QString* reportText, const QString* empty,
                                       QString* result) {
    record("ShowFilter", {global->FilterActive ? "filtering" : "idle",
                          database == global->MyDatabase ? "database" : "other", pointerState(dlgMsg),
                          grid->Name(), *reportText, *empty});
    *result = *reportText == QLatin1String("CANCEL") ? QString()
                                                     : "  Select * From D_Makan Where MakanCod <= '  2'  ";
}

TARVAND_SIBLING_EXPORT void RepPropertyForm_Show(const QString* nothing, const QString* title,
                                                 data::TDataSet* dataset) {
    record("RepPropertyForm_Show",
           {*nothing, *title, dataset->Name, QString::number(dataset->RecordCount())});
}

TARVAND_SIBLING_EXPORT void PrintForm_Show(TPrintParams* params) {
    record("PrintForm_Show",
           {pointerState(params->Reserved0), params->Grid->Name(), params->Title, params->TitleText1,
            params->TitleText2, params->WorkDate, params->ExtraText1, params->ExtraText2, params->ExtraText3,
            params->Blank1, params->Blank2, params->PrintDate, params->CompanyText,
            pointerState(params->Connection), params->UserId, params->ReportKey, params->ExtraText4,
            pointerState(params->Reserved17)});
}
