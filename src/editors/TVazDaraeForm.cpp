#include "TVazDaraeForm.h"

#include "HostContext.h"
#include "TADOTable.h"

namespace tarvand {

namespace {

EditorProfile vazDaraeProfile() {
    EditorProfile profile;
    profile.GridName = QStringLiteral("dbgVazDarae");
    profile.DataSetName = QStringLiteral("tblVazDarae");
    profile.MenuName = QStringLiteral("VazDaraePopupMenu");
    profile.Caption = QStringLiteral("وضعيت دارايي");
    profile.TableName = QStringLiteral("D_VazDarae");
    profile.CodeField = QStringLiteral("VazCod");
    profile.Constraint = QStringLiteral("PK_D_VazDarae");
    profile.NameField = QStringLiteral("VazNam");
    profile.NameCheckTable = QStringLiteral("D_VazDarae");
    profile.DependProcedure = QStringLiteral("sp_D_Depended_VazCode");
    profile.KeyExpression = QStringLiteral("VazCod");
    profile.KeyField = QStringLiteral("VazCod");
    profile.FormCode = QStringLiteral("VAZDARAE");
    profile.ReportSubject = QStringLiteral("وضعيت دارايي");
    profile.EmptyCodeMessage = QStringLiteral("كد وضعيت دارايي وارد نشده است.");
    profile.EmptyNameMessage = QStringLiteral("نام وضعيت دارايي وارد نشده است.");
    profile.DuplicateNameMessage = QStringLiteral("نام وضعيت دارايي تكراريي مي باشد.");
    profile.DuplicateCodeMessage = QStringLiteral("كد وضعيت تكراري مي باشد.");
    profile.Columns = {
        {QStringLiteral("VazCod"), QStringLiteral("كد"), 45,
         QStringLiteral("  كد وضعيت دارايي را وارد كنيد")},
        {QStringLiteral("VazNam"), QStringLiteral(" وضعيت دارايي"), 705,
         QStringLiteral("  نام وضعيت دارايي را وارد كنيد")},
    };
    return profile;
}

} // namespace

TVazDaraeForm::TVazDaraeForm()
    : TBaseEditorForm(vazDaraeProfile(), std::make_unique<data::TADOTable>()),
      tblVazDarae(static_cast<data::TADOTable*>(DataSet())) {
    setupUi(this);
    SetName(QStringLiteral("VazDaraeForm"));
    BindGrid(dbgVazDarae);
}

TVazDaraeForm::~TVazDaraeForm() {
    if (VazDaraeForm == this)
        VazDaraeForm = nullptr;
}

} // namespace tarvand
