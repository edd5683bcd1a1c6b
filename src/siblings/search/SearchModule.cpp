// The entries of Search.dll.
#include "AdvSortDialog.h"
#include "GridSearchDialog.h"
#include "SiblingEntries.h"
#include "TCustomADODataSet.h"
#include "TDBGrid.h"

#include <type_traits>

using namespace tarvand;

TARVAND_SIBLING_EXPORT int TarvandSiblingAbi() {
    return SiblingAbiVersion;
}

// The result is the text searched for; the previous text when the user searched nothing or the
// grid has nothing to search.
TARVAND_SIBLING_EXPORT void GridSearch(ui::TDBGrid* grid, const QString*, const QString*,
                                       const QString* previous, QString* result) {
    const QString before = previous != nullptr ? *previous : QString();
    if (result != nullptr)
        *result = before;
    data::TDataSet* dataSet = grid != nullptr ? grid->DataSet() : nullptr;
    data::TField* field = grid != nullptr ? grid->SelectedField() : nullptr;
    if (dataSet == nullptr || field == nullptr || dataSet->IsEmpty())
        return;
    siblings::GridSearchDialog dialog(grid, field, before);
    dialog.Run();
    if (result != nullptr)
        *result = dialog.SearchedText();
}

// The result is the sort text given to the dataset; the caller does not need it.
TARVAND_SIBLING_EXPORT void AdvSort(ui::TDBGrid* grid, const QString*, const QString*, const QString*,
                                    QString* result) {
    auto* dataSet = grid != nullptr ? dynamic_cast<data::TCustomADODataSet*>(grid->DataSet()) : nullptr;
    if (dataSet == nullptr)
        return;
    siblings::AdvSortDialog dialog(grid);
    if (dialog.Run() != ui::mrOk)
        return;
    dialog.Apply();
    if (result != nullptr)
        *result = dataSet->Sort();
}

static_assert(std::is_same_v<decltype(&GridSearch), sibling::GridSearchEntry>);
static_assert(std::is_same_v<decltype(&AdvSort), sibling::AdvSortEntry>);
static_assert(std::is_same_v<decltype(&TarvandSiblingAbi), sibling::AbiEntry>);
