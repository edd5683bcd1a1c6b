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

// What the entry wrote into the host's objects, kept so that it is taken back from exactly those
// objects: when the host hands over other ones, and when the window goes, before the library can.
// The toolkit object's database object and dialog get back what the host had given it.
struct HandedOver {
    tarvand::TGlobal* global = nullptr;
    tarvand::TMyDatabase* myDatabase = nullptr;
    tarvand::host::TDlgMsg* dlgMsg = nullptr;
    tarvand::TMyDatabase* globalDatabaseBefore = nullptr;
    tarvand::host::TDlgMsg* globalDlgMsgBefore = nullptr;
};

HandedOver handedOver;

template <typename HostObject> void forgetShowMsgOf(HostObject* object) {
    if (object == nullptr)
        return;
    const ShowMsgFunction* handler = object->OnShowMsg.template target<ShowMsgFunction>();
    if (handler != nullptr && *handler == &tarvand::ShowMsg)
        object->OnShowMsg = nullptr;
}

void takeBack() {
    forgetShowMsgOf(handedOver.myDatabase);
    if (tarvand::TGlobal* global = handedOver.global) {
        forgetShowMsgOf(global);
        if (global->MyDatabase == handedOver.myDatabase)
            global->MyDatabase = handedOver.globalDatabaseBefore;
        if (global->DlgMsg == handedOver.dlgMsg)
            global->DlgMsg = handedOver.globalDlgMsgBefore;
    }
    handedOver = HandedOver();
}

void handOver(tarvand::TGlobal* global, tarvand::TMyDatabase* myDatabase, tarvand::host::TDlgMsg* dlgMsg) {
    if (global != handedOver.global || myDatabase != handedOver.myDatabase || dlgMsg != handedOver.dlgMsg) {
        takeBack();
        handedOver.global = global;
        handedOver.myDatabase = myDatabase;
        handedOver.dlgMsg = dlgMsg;
        if (global != nullptr) {
            handedOver.globalDatabaseBefore = global->MyDatabase;
            handedOver.globalDlgMsgBefore = global->DlgMsg;
        }
    }
    // The toolkit's own messages go through the same dialog as the module's while the window lives.
    if (myDatabase != nullptr)
        myDatabase->OnShowMsg = &tarvand::ShowMsg;
    if (global != nullptr) {
        global->OnShowMsg = &tarvand::ShowMsg;
        // The filter module gets these from the toolkit object.
        global->MyDatabase = myDatabase;
        global->DlgMsg = dlgMsg;
    }
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
    handOver(global, myDatabase, dlgMsg);

    if (InfoForm == nullptr) {
        tarvand::ui::Application->CreateForm(InfoForm);
        tarvand::RegisterEditors(*InfoForm);
        // Nothing handed over may outlive the window: the library may be unloaded after it. A window
        // closed by the user goes later than its variable, perhaps after a new window was made.
        QObject::connect(InfoForm, &QObject::destroyed, [] {
            if (InfoForm == nullptr)
                takeBack();
        });
    }
    InfoForm->SetParentControl(parent);
    InfoForm->SetAlign(tarvand::ui::alClient);
    InfoForm->SetWindowState(tarvand::ui::wsMaximized);
    InfoForm->Show();
}

void TARVAND_STDCALL Release_It() {
    if (InfoForm != nullptr) {
        InfoForm->Free();
        InfoForm = nullptr;
    }
    // Also after an entry call whose window could not be made.
    takeBack();
}
}
