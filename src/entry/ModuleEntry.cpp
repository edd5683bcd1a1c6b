#include "ModuleEntry.h"

#include "EditorRegistry.h"
#include "HostContext.h"
#include "ShowMsg.h"
#include "TApplication.h"
#include "TGlobal.h"
#include "TInfoForm.h"
#include "TMyDatabase.h"

namespace {

using ShowMsgFunction = int (*)(QString, QString, QString);

template <typename HostObject> void forgetShowMsgOf(HostObject* object) {
    if (object == nullptr)
        return;
    const ShowMsgFunction* handler = object->OnShowMsg.template target<ShowMsgFunction>();
    if (handler != nullptr && *handler == &tarvand::ShowMsg)
        object->OnShowMsg = nullptr;
}

void forgetShowMsg() {
    forgetShowMsgOf(MyDatabase);
    forgetShowMsgOf(Global);
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
    if (Global != nullptr) {
        Global->OnShowMsg = &tarvand::ShowMsg;
        // The filter module gets these from the toolkit object.
        Global->MyDatabase = MyDatabase;
        Global->DlgMsg = DlgMsg;
    }

    if (InfoForm == nullptr) {
        tarvand::ui::Application->CreateForm(InfoForm);
        tarvand::RegisterEditors(*InfoForm);
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
