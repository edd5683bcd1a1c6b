#include "ModuleEntry.h"

#include "HostContext.h"
#include "ShowMsg.h"
#include "TApplication.h"
#include "TInfoForm.h"
#include "TMyDatabase.h"

namespace {

using ShowMsgFunction = int (*)(QString, QString, QString);

void forgetShowMsg() {
    if (MyDatabase == nullptr)
        return;
    const ShowMsgFunction* handler = MyDatabase->OnShowMsg.target<ShowMsgFunction>();
    if (handler != nullptr && *handler == &tarvand::ShowMsg)
        MyDatabase->OnShowMsg = nullptr;
}

} // namespace

extern "C" {

void TARVAND_STDCALL Ostavan(QWidget* parent, tarvand::TGlobal* global, tarvand::TMyDate* myDate,
                             tarvand::TMyDatabase* myDatabase, tarvand::host::TTempGridForm* tempGridForm,
                             tarvand::host::TShowStateForm* showStateForm, tarvand::host::TDlgMsg* dlgMsg) {
    Global = global;
    MyDate = myDate;
    MyDatabase = myDatabase;
    TempGridForm = tempGridForm;
    ShowStateForm = showStateForm;
    DlgMsg = dlgMsg;
    // The toolkit's own messages go through the same dialog as the module's while the window lives.
    if (MyDatabase != nullptr)
        MyDatabase->OnShowMsg = &tarvand::ShowMsg;

    if (InfoForm == nullptr) {
        tarvand::ui::Application->CreateForm(InfoForm);
        // The handler must not outlive the window: the library may be unloaded after it.
        QObject::connect(InfoForm, &QObject::destroyed, [] { forgetShowMsg(); });
    }
    InfoForm->SetParentControl(parent);
    InfoForm->SetAlign(tarvand::ui::alClient);
    InfoForm->SetWindowState(tarvand::ui::wsMaximized);
    InfoForm->Show();
}

void TARVAND_STDCALL Release_It() {
    if (InfoForm == nullptr)
        return;
    InfoForm->Free();
    InfoForm = nullptr;
}
}
