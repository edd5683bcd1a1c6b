// The entry of Print.dll: the grid's visible columns and rows as a report, in a print preview
// that prints it or saves it as PDF (or straight into the PDF file that TARVAND_PRINT_PDF names).
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
    siblings::ReportJob job(siblings::ReportTable::FromGrid(params->Grid),
                            siblings::ReportJob::HeadingOf(*params), siblings::ReportOptions());
    job.Run(nullptr);
}

static_assert(std::is_same_v<decltype(&PrintForm_Show), sibling::PrintFormEntry>);
static_assert(std::is_same_v<decltype(&TarvandSiblingAbi), sibling::AbiEntry>);
