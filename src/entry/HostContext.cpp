#include "HostContext.h"

extern "C" {
tarvand::TGlobal* Global = nullptr;
tarvand::TMyDate* MyDate = nullptr;
tarvand::TMyDatabase* MyDatabase = nullptr;
}
