#pragma once

// The entry points of the sibling form modules (search, filter, report properties, print,
// barcode labels). A
// module is a shared library loaded by path for one command and unloaded after it; it links the
// platform library, so grids, datasets and texts cross the boundary as the same C++ objects. Texts
// go in as const pointers and come back through an out pointer. Every module also exports
// TarvandSiblingAbi, which the loader checks against SiblingAbiVersion before it calls anything.

#include <QString>

#if defined(_WIN32)
#define TARVAND_SIBLING_EXPORT extern "C" __declspec(dllexport)
#else
#define TARVAND_SIBLING_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace tarvand {

class TGlobal;
class TMyDatabase;
struct TPrintParams;
namespace data {
class TADOConnection;
class TDataSet;
} // namespace data
namespace host {
class TDlgMsg;
}
namespace ui {
class TDBGrid;
}

inline constexpr int SiblingAbiVersion = 1;

namespace sibling {
using AbiEntry = int (*)();
// Search.dll: finds text in the grid's selected column; result is the text searched for.
using GridSearchEntry = void (*)(ui::TDBGrid* grid, const QString* text1, const QString* text2,
                                 const QString* previous, QString* result);
// Search.dll: multi-column sort of the grid's dataset; the result is not used.
using AdvSortEntry = void (*)(ui::TDBGrid* grid, const QString* text1, const QString* text2,
                              const QString* text3, QString* result);
// Filter.dll: the SQL of the filtered data, empty when the user cancelled.
using ShowFilterEntry = void (*)(TGlobal* global, TMyDatabase* database, host::TDlgMsg* dlgMsg,
                                 ui::TDBGrid* grid, const QString* reportText, const QString* empty,
                                 QString* result);
// ReportProperty.dll.
using RepPropertyEntry = void (*)(const QString* nothing, const QString* title, data::TDataSet* dataset);
// Print.dll and Print1.dll.
using PrintFormEntry = void (*)(TPrintParams* params);
// BarCode.dll: the label designer over a label table that the module reads through the connection;
// the columns of the code, the name and the price are named by the caller.
using DesignBarCodeEntry = void (*)(data::TADOConnection* connection, const QString* table,
                                    const QString* codeColumn, const QString* nameColumn,
                                    const QString* priceColumn, bool flag);
// BarCode.dll, its own headless path: the same labels written straight into a PDF file, laid out
// by the settings text (the designer's "KEY=value;..." form, empty for its defaults), without
// any dialog; false when the file cannot be written.
using DesignBarCodePdfEntry = bool (*)(data::TADOConnection* connection, const QString* table,
                                       const QString* codeColumn, const QString* nameColumn,
                                       const QString* priceColumn, bool flag, const QString* settings,
                                       const QString* pdfPath);
} // namespace sibling

} // namespace tarvand
