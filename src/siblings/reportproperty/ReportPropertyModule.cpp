// The entry of ReportProperty.dll.
#include "ReportPropertyDialog.h"
#include "SiblingEntries.h"

#include <type_traits>

using namespace tarvand;

TARVAND_SIBLING_EXPORT int TarvandSiblingAbi() {
    return SiblingAbiVersion;
}

TARVAND_SIBLING_EXPORT void RepPropertyForm_Show(const QString*, const QString* title,
                                                 data::TDataSet* dataSet) {
    siblings::ReportPropertyDialog dialog(title != nullptr ? *title : QString(), dataSet);
    dialog.Run();
}

static_assert(std::is_same_v<decltype(&RepPropertyForm_Show), sibling::RepPropertyEntry>);
static_assert(std::is_same_v<decltype(&TarvandSiblingAbi), sibling::AbiEntry>);
