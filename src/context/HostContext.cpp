#include "HostContext.h"

extern "C" {
tarvand::TInfoForm* InfoForm = nullptr;

tarvand::TMakanForm* MakanForm = nullptr;
tarvand::TVazDaraeForm* VazDaraeForm = nullptr;
tarvand::TVezaratForm* VezaratForm = nullptr;
tarvand::TMabadiForm* MabadiForm = nullptr;
tarvand::TAstehlakForm* AstehlakForm = nullptr;
tarvand::TGheimatForm* GheimatForm = nullptr;
tarvand::TSakhtarForm* SakhtarForm = nullptr;
tarvand::TAmvalForm* AmvalForm = nullptr;
tarvand::TTafsily2Form* Tafsily2Form = nullptr;
tarvand::TGrohTafsily2Form* GrohTafsily2Form = nullptr;
tarvand::TDepartForm* DepartForm = nullptr;
tarvand::TPersonelForm* PersonelForm = nullptr;

tarvand::TSelForm* SelForm = nullptr;
tarvand::TFrmBatch* FrmBatch = nullptr;
tarvand::TCodeSelectForm* CodeSelectForm = nullptr;
tarvand::ui::TForm* GrafColSetForm = nullptr;
tarvand::ui::TForm* GrafForm = nullptr;

tarvand::TGlobal* Global = nullptr;
tarvand::TMyDate* MyDate = nullptr;
tarvand::TMyDatabase* MyDatabase = nullptr;
tarvand::host::TTempGridForm* TempGridForm = nullptr;
tarvand::host::TShowStateForm* ShowStateForm = nullptr;
tarvand::host::TDlgMsg* DlgMsg = nullptr;
}
