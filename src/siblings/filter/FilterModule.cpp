// The entry of Filter.dll.
#include "FilterDialog.h"
#include "SiblingEntries.h"
#include "TDBGrid.h"

#include <type_traits>

using namespace tarvand;

TARVAND_SIBLING_EXPORT int TarvandSiblingAbi() {
    return SiblingAbiVersion;
}

// The result is the SQL of the filtered rows; empty when the user cancelled or the grid has no
// column to filter on.
TARVAND_SIBLING_EXPORT void ShowFilter(TGlobal*, TMyDatabase* database, host::TDlgMsg*, ui::TDBGrid* grid,
                                       const QString* reportText, const QString*, QString* result) {
    if (result == nullptr)
        return;
    result->clear();
    if (grid == nullptr || grid->DataSet() == nullptr)
        return;
    const QList<siblings::FilterField> fields = siblings::FilterDialog::FieldsOf(grid);
    if (fields.isEmpty())
        return;
    siblings::FilterDialog dialog(grid, fields, database, reportText != nullptr ? *reportText : QString());
    if (dialog.Run() == ui::mrOk)
        *result = dialog.Statement();
}

static_assert(std::is_same_v<decltype(&ShowFilter), sibling::ShowFilterEntry>);
static_assert(std::is_same_v<decltype(&TarvandSiblingAbi), sibling::AbiEntry>);
