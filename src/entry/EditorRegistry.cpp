#include "EditorRegistry.h"

#include "HostContext.h"
#include "TAmvalForm.h"
#include "TApplication.h"
#include "TAstehlakForm.h"
#include "TDepartForm.h"
#include "TGheimatForm.h"
#include "TGrohTafsily2Form.h"
#include "TInfoForm.h"
#include "TMabadiForm.h"
#include "TMakanForm.h"
#include "TPersonelForm.h"
#include "TSakhtarForm.h"
#include "TTafsily2Form.h"
#include "TVazDaraeForm.h"
#include "TVezaratForm.h"

namespace tarvand {

namespace {

// Made through the application's form factory into the exported variable of the editor.
template <typename Form> TInfoForm::EditorMaker makerOf(Form*& variable) {
    return [&variable]() -> ui::TForm* {
        ui::Application->CreateForm(variable);
        return variable;
    };
}

} // namespace

void RegisterEditors(TInfoForm& window) {
    window.SetEditorMaker(TInfoForm::MakanEditor, makerOf(MakanForm));
    window.SetEditorMaker(TInfoForm::VazDaraeEditor, makerOf(VazDaraeForm));
    window.SetEditorMaker(TInfoForm::MabadiEditor, makerOf(MabadiForm));
    window.SetEditorMaker(TInfoForm::VezaratEditor, makerOf(VezaratForm));
    window.SetEditorMaker(TInfoForm::GheimatEditor, makerOf(GheimatForm));
    window.SetEditorMaker(TInfoForm::AstehlakEditor, makerOf(AstehlakForm));
    window.SetEditorMaker(TInfoForm::SakhtarEditor, makerOf(SakhtarForm));
    window.SetEditorMaker(TInfoForm::DepartEditor, makerOf(DepartForm));
    window.SetEditorMaker(TInfoForm::Tafsily2Editor, makerOf(Tafsily2Form));
    window.SetEditorMaker(TInfoForm::GrohTafsily2Editor, makerOf(GrohTafsily2Form));
    window.SetEditorMaker(TInfoForm::PersonelEditor, makerOf(PersonelForm));
    window.SetEditorMaker(TInfoForm::AmvalEditor, makerOf(AmvalForm));
}

} // namespace tarvand
