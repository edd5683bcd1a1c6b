#include "TGheimatForm.h"

#include "HostContext.h"
#include "TADOTable.h"

namespace tarvand {

namespace {

EditorProfile gheimatProfile() {
    EditorProfile profile;
    profile.GridName = QStringLiteral("dbgGheimat");
    profile.DataSetName = QStringLiteral("tblGheimat");
    profile.MenuName = QStringLiteral("pmGheimat");
    profile.Caption = QStringLiteral("اجزاي بهاي تمام شده");
    profile.TableName = QStringLiteral("D_Gheimat");
    profile.CodeField = QStringLiteral("GheimatCod");
    profile.Constraint = QStringLiteral("PK_D_Gheimat");
    profile.NameField = QStringLiteral("GheimatNam");
    profile.NameCheckTable = QStringLiteral("D_Gheimat");
    profile.DependProcedure = QStringLiteral("sp_D_Depended_Gheimat");
    profile.KeyExpression = QStringLiteral("GheimatCod");
    profile.KeyField = QStringLiteral("GheimatCod");
    profile.FormCode = QStringLiteral("GHEIMAT");
    profile.ReportSubject = QStringLiteral("اجزاي بهاي تمام شده");
    profile.EmptyCodeMessage = QStringLiteral("كد اجزاء بهاء تمام شده دارايي وارد نشده است.");
    profile.EmptyNameMessage = QStringLiteral("نام اجزاء بهاء تمام شده دارايي وارد نشده است.");
    profile.DuplicateNameMessage = QStringLiteral("نام اجزاء بهاء تمام شده, تكراريي مي باشد.");
    profile.DuplicateCodeMessage = QStringLiteral("كد وارد شده تكراري مي باشد.");
    profile.Columns = {
        {QStringLiteral("GheimatCod"), QStringLiteral("كد"), 45,
         QStringLiteral("  كد اجزاء بهاء تمام شده را وارد كنيد")},
        {QStringLiteral("GheimatNam"), QStringLiteral("نام اجزاء بهاء تمام شده دارايي"), 705,
         QStringLiteral("  نام اجزاء بهاء تمام شده را وارد كنيد")},
    };
    return profile;
}

} // namespace

TGheimatForm::TGheimatForm()
    : TBaseEditorForm(gheimatProfile(), std::make_unique<data::TADOTable>()),
      tblGheimat(static_cast<data::TADOTable*>(DataSet())) {
    setupUi(this);
    SetName(QStringLiteral("GheimatForm"));
    BindGrid(dbgGheimat);
}

TGheimatForm::~TGheimatForm() {
    if (GheimatForm == this)
        GheimatForm = nullptr;
}

} // namespace tarvand
