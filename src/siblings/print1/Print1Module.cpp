// The entry of Print1.dll: the advanced print. The set-up dialog chooses the columns and the page
// before the preview; the headless path (TARVAND_PRINT_PDF) writes the grid's visible columns
// without asking.
#include "PrintSetupDialog.h"
#include "ReportJob.h"
#include "SiblingEntries.h"
#include "TPrintParams.h"

#include <type_traits>

using namespace tarvand;

TARVAND_SIBLING_EXPORT int TarvandSiblingAbi() {
    return SiblingAbiVersion;
}

TARVAND_SIBLING_EXPORT void PrintForm_Show(TPrintParams* params) {
    if (params == nullptr || params->Grid == nullptr)
        return;
    const siblings::ReportTable table = siblings::ReportTable::FromGrid(params->Grid);
    const siblings::ReportHeading heading = siblings::ReportJob::HeadingOf(*params);
    if (!siblings::ReportJob::HeadlessPdfPath().isEmpty()) {
        siblings::ReportJob(table, heading, siblings::ReportOptions()).Run(nullptr);
        return;
    }
    siblings::PrintSetupDialog setup(table, heading);
    if (setup.Run() != ui::mrOk)
        return;
    siblings::ReportJob(setup.Table(), setup.Heading(), setup.Options()).Preview(nullptr);
}

static_assert(std::is_same_v<decltype(&PrintForm_Show), sibling::PrintFormEntry>);
static_assert(std::is_same_v<decltype(&TarvandSiblingAbi), sibling::AbiEntry>);
