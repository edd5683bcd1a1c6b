#pragma once

#include "ModuleExport.h"

class QWidget;

namespace tarvand {
class TGlobal;
class TMyDate;
class TMyDatabase;
namespace host {
class TTempGridForm;
class TShowStateForm;
class TDlgMsg;
} // namespace host
} // namespace tarvand

extern "C" {
// Shows the base-information window inside parent, handing the module the host's objects. The
// first call creates the window; later calls replace the objects and show the same window again.
TARVAND_MODULE_EXPORT void TARVAND_STDCALL Ostavan(QWidget* parent, tarvand::TGlobal* global,
                                                   tarvand::TMyDate* myDate, tarvand::TMyDatabase* myDatabase,
                                                   tarvand::host::TTempGridForm* tempGridForm,
                                                   tarvand::host::TShowStateForm* showStateForm,
                                                   tarvand::host::TDlgMsg* dlgMsg);
// Destroys the window with its editors; does nothing when there is none.
TARVAND_MODULE_EXPORT void TARVAND_STDCALL Release_It();
}
