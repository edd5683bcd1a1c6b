#pragma once

#include "ModuleExport.h"

namespace tarvand {
class TGlobal;
class TMyDate;
class TMyDatabase;
class TInfoForm;
class TMakanForm;
class TVazDaraeForm;
class TVezaratForm;
class TMabadiForm;
class TAstehlakForm;
class TGheimatForm;
class TSakhtarForm;
class TAmvalForm;
class TTafsily2Form;
class TGrohTafsily2Form;
class TDepartForm;
class TPersonelForm;
class TSelForm;
class TFrmBatch;
class TCodeSelectForm;
namespace host {
class TTempGridForm;
class TShowStateForm;
class TDlgMsg;
} // namespace host
namespace ui {
class TForm;
}
} // namespace tarvand

// The module's exported variables, each one pointer, null until set. The host objects are handed
// over by the entry call and only their addresses are kept; the form variables hold the module's
// own windows while they exist.
extern "C" {
TARVAND_MODULE_EXPORT extern tarvand::TInfoForm* InfoForm TARVAND_C_NAME("_InfoForm");

TARVAND_MODULE_EXPORT extern tarvand::TMakanForm* MakanForm TARVAND_C_NAME("_MakanForm");
TARVAND_MODULE_EXPORT extern tarvand::TVazDaraeForm* VazDaraeForm TARVAND_C_NAME("_VazDaraeForm");
TARVAND_MODULE_EXPORT extern tarvand::TVezaratForm* VezaratForm TARVAND_C_NAME("_VezaratForm");
TARVAND_MODULE_EXPORT extern tarvand::TMabadiForm* MabadiForm TARVAND_C_NAME("_MabadiForm");
TARVAND_MODULE_EXPORT extern tarvand::TAstehlakForm* AstehlakForm TARVAND_C_NAME("_AstehlakForm");
TARVAND_MODULE_EXPORT extern tarvand::TGheimatForm* GheimatForm TARVAND_C_NAME("_GheimatForm");
TARVAND_MODULE_EXPORT extern tarvand::TSakhtarForm* SakhtarForm TARVAND_C_NAME("_SakhtarForm");
TARVAND_MODULE_EXPORT extern tarvand::TAmvalForm* AmvalForm TARVAND_C_NAME("_AmvalForm");
TARVAND_MODULE_EXPORT extern tarvand::TTafsily2Form* Tafsily2Form TARVAND_C_NAME("_Tafsily2Form");
TARVAND_MODULE_EXPORT extern tarvand::TGrohTafsily2Form* GrohTafsily2Form TARVAND_C_NAME("_GrohTafsily2Form");
TARVAND_MODULE_EXPORT extern tarvand::TDepartForm* DepartForm TARVAND_C_NAME("_DepartForm");
TARVAND_MODULE_EXPORT extern tarvand::TPersonelForm* PersonelForm TARVAND_C_NAME("_PersonelForm");

TARVAND_MODULE_EXPORT extern tarvand::TSelForm* SelForm TARVAND_C_NAME("_SelForm");
TARVAND_MODULE_EXPORT extern tarvand::TFrmBatch* FrmBatch TARVAND_C_NAME("_FrmBatch");
TARVAND_MODULE_EXPORT extern tarvand::TCodeSelectForm* CodeSelectForm TARVAND_C_NAME("_CodeSelectForm");
TARVAND_MODULE_EXPORT extern tarvand::ui::TForm* GrafColSetForm TARVAND_C_NAME("_GrafColSetForm");
TARVAND_MODULE_EXPORT extern tarvand::ui::TForm* GrafForm TARVAND_C_NAME("_GrafForm");

TARVAND_MODULE_EXPORT extern tarvand::TGlobal* Global TARVAND_C_NAME("_Global");
TARVAND_MODULE_EXPORT extern tarvand::TMyDate* MyDate TARVAND_C_NAME("_MyDate");
TARVAND_MODULE_EXPORT extern tarvand::TMyDatabase* MyDatabase TARVAND_C_NAME("_MyDatabase");
TARVAND_MODULE_EXPORT extern tarvand::host::TTempGridForm* TempGridForm TARVAND_C_NAME("_TempGridForm");
TARVAND_MODULE_EXPORT extern tarvand::host::TShowStateForm* ShowStateForm TARVAND_C_NAME("_ShowStateForm");
TARVAND_MODULE_EXPORT extern tarvand::host::TDlgMsg* DlgMsg TARVAND_C_NAME("_DlgMsg");
}
