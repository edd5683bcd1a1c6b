// The entries of BarCode.dll: the label designer over the caller's label table, and the same
// labels written straight into a PDF file for unattended runs.
#include "LabelDesigner.h"
#include "LabelSheet.h"
#include "LabelTable.h"
#include "SiblingEntries.h"

#include <type_traits>

using namespace tarvand;
using namespace tarvand::siblings;

namespace {

// The flag tells asset labels (true: their table carries no price, so none is shown at first)
// from goods labels, which show their price.
LabelLayout defaultLayout(bool assetLabels) {
    LabelLayout layout;
    layout.showPrice = !assetLabels;
    return layout;
}

QString textOf(const QString* text) {
    return text != nullptr ? *text : QString();
}

} // namespace

TARVAND_SIBLING_EXPORT int TarvandSiblingAbi() {
    return SiblingAbiVersion;
}

TARVAND_SIBLING_EXPORT void DesignBarCode(data::TADOConnection* connection, const QString* table,
                                          const QString* codeColumn, const QString* nameColumn,
                                          const QString* priceColumn, bool flag) {
    LabelDesigner designer(LabelTable::Read(connection, textOf(table), textOf(codeColumn), textOf(nameColumn),
                                            textOf(priceColumn)),
                           defaultLayout(flag));
    designer.Run();
}

TARVAND_SIBLING_EXPORT bool DesignBarCodePdf(data::TADOConnection* connection, const QString* table,
                                             const QString* codeColumn, const QString* nameColumn,
                                             const QString* priceColumn, bool flag, const QString* settings,
                                             const QString* pdfPath) {
    if (pdfPath == nullptr || pdfPath->isEmpty())
        return false;
    const LabelSheet sheet(LabelTable::Read(connection, textOf(table), textOf(codeColumn), textOf(nameColumn),
                                            textOf(priceColumn)),
                           LabelLayout::FromSettings(textOf(settings), defaultLayout(flag)));
    return sheet.WritePdf(*pdfPath);
}

static_assert(std::is_same_v<decltype(&TarvandSiblingAbi), sibling::AbiEntry>);
static_assert(std::is_same_v<decltype(&DesignBarCode), sibling::DesignBarCodeEntry>);
static_assert(std::is_same_v<decltype(&DesignBarCodePdf), sibling::DesignBarCodePdfEntry>);
