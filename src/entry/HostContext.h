#pragma once

#include "ModuleExport.h"

namespace tarvand {
class TGlobal;
class TMyDate;
class TMyDatabase;
} // namespace tarvand

// The host objects handed over by the entry call; the module keeps their addresses only.
extern "C" {
TARVAND_MODULE_EXPORT extern tarvand::TGlobal* Global TARVAND_C_NAME("_Global");
TARVAND_MODULE_EXPORT extern tarvand::TMyDate* MyDate TARVAND_C_NAME("_MyDate");
TARVAND_MODULE_EXPORT extern tarvand::TMyDatabase* MyDatabase TARVAND_C_NAME("_MyDatabase");
}
