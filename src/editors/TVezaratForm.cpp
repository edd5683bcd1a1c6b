#include "TVezaratForm.h"

#include "HostContext.h"
#include "TADOTable.h"

namespace tarvand {

namespace {

EditorProfile vezaratProfile() {
    EditorProfile profile;
    profile.GridName = QStringLiteral("dbgVezarat");
    profile.DataSetName = QStringLiteral("tblVezarat");
    profile.MenuName = QStringLiteral("Vezarat_PopupMenu");
    profile.Caption = QStringLiteral("اظهارنامه مالياتي");
    profile.TableName = QStringLiteral("D_VezArat");
    profile.CodeField = QStringLiteral("VezCod");
    profile.Constraint = QStringLiteral("PK_D_VezArat");
    profile.NameField = QStringLiteral("VezNam");
    profile.NameCheckTable = QStringLiteral("D_Vezarat");
    profile.DependProcedure = QStringLiteral("sp_D_Depended_Vezarat");
    profile.KeyExpression = QStringLiteral("VezCod");
    profile.KeyField = QStringLiteral("VezCod");
    profile.FormCode = QStringLiteral("VEZARAT");
    profile.ReportSubject = QStringLiteral("اظهارنامه مالياتي");
    profile.EmptyCodeMessage = QStringLiteral("كد اظهارنامه وارد نشده است.");
    profile.EmptyNameMessage = QStringLiteral("نام اظهارنامه وارد نشده است.");
    profile.DuplicateNameMessage = QStringLiteral("نام اظهار نامه مالياتي تكراري مي باشد");
    profile.DuplicateCodeMessage = QStringLiteral("كد اظهارنامه تكراري مي باشد.");
    profile.Columns = {
        {QStringLiteral("VezCod"), QStringLiteral("كد"), 45,
         QStringLiteral("  كد اظهارنامه مالياتي را وارد كنيد")},
        {QStringLiteral("VezNam"), QStringLiteral("نام گروه داراييهاي اظهارنامه مالياتي"), 705,
         QStringLiteral("  نام اظهارنامه مالياتي را وارد كنيد")},
    };
    return profile;
}

} // namespace

TVezaratForm::TVezaratForm()
    : TBaseEditorForm(vezaratProfile(), std::make_unique<data::TADOTable>()),
      tblVezarat(static_cast<data::TADOTable*>(DataSet())) {
    setupUi(this);
    SetName(QStringLiteral("VezaratForm"));
    BindGrid(dbgVezarat);
}

TVezaratForm::~TVezaratForm() {
    if (VezaratForm == this)
        VezaratForm = nullptr;
}

} // namespace tarvand
