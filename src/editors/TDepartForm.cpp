#include "TDepartForm.h"

#include "EDatabaseError.h"
#include "HostContext.h"
#include "TADOQuery.h"
#include "TDBGrid.h"
#include "TGlobal.h"
#include "TPanel.h"

namespace tarvand {

namespace {

EditorProfile departProfile() {
    EditorProfile profile;
    profile.GridName = QStringLiteral("dbgDepart");
    profile.DataSetName = QStringLiteral("quDepart");
    profile.MenuName = QStringLiteral("pmDepart");
    profile.Caption = QStringLiteral("واحد سازماني");
    profile.TableName = QStringLiteral("Depart_1");
    profile.CodeField = QStringLiteral("Code_field");
    profile.Constraint = QStringLiteral("PK_Depart_1");
    profile.NameField = QStringLiteral("Desk");
    profile.NameCheckTable = QStringLiteral("Depart_1");
    profile.DependProcedure = QStringLiteral("sp_Depended_Depart");
    profile.KeyExpression = QStringLiteral("Code_field");
    profile.KeyField = QStringLiteral("Code_field");
    profile.FormCode = QStringLiteral("DEPART");
    profile.PadCode = false;
    profile.EmptyCodeMessage = QStringLiteral("کد واحد سازماني وارد نشده است.");
    profile.EmptyNameMessage = QStringLiteral("نام واحد سازماني وارد نشده است");
    profile.DuplicateNameMessage = QStringLiteral("نام واحد سازماني تکراري مي باشد");
    profile.DuplicateCodeMessage = QStringLiteral("کد واحد سازماني تکراري مي باشد");
    profile.Columns = {
        {QStringLiteral("Code_field"), QStringLiteral("كد"), 40,
         QStringLiteral("   کد واحد سازماني وارد گردد")},
        {QStringLiteral("Desk"), QStringLiteral("نام واحد سازماني"), 715,
         QStringLiteral("   نام واحد سازماني وارد گردد")},
    };
    return profile;
}

std::unique_ptr<data::TADOQuery> departQuery() {
    auto query = std::make_unique<data::TADOQuery>();
    query->SetSQL(QStringLiteral("Select * From Depart_1"));
    return query;
}

} // namespace

TDepartForm::TDepartForm()
    : TBaseEditorForm(departProfile(), departQuery()), quDepart(static_cast<data::TADOQuery*>(DataSet())) {
    setupUi(this);
    SetName(QStringLiteral("DepartForm"));
    BindGrid(dbgDepart);
    quDepart->OnPostError = [this](data::TDataSet* dataSet, EDatabaseError& error,
                                   data::TDataAction& action) { qu_PostError(dataSet, error, action); };
    AssignConnection();
}

TDepartForm::~TDepartForm() {
    quDepart->OnPostError = nullptr;
    if (DepartForm == this)
        DepartForm = nullptr;
}

void TDepartForm::AppException(QObject*, const std::exception&) {}

void TDepartForm::qu_PostError(data::TDataSet*, EDatabaseError& E, data::TDataAction&) {
    const QString violation = QStringLiteral("Violation of PRIMARY KEY constraint 'PK_Depart_1'");
    if (!E.Message.toUpper().contains(violation.toUpper()))
        return;
    ShowError(Profile().DuplicateCodeMessage);
    dbgDepart->setFocus();
    SelectField(Profile().CodeField);
}

void TDepartForm::ShowHint(const QString& hint) {
    // Only the two columns have a hint; elsewhere the line keeps what it said.
    if (!hint.isEmpty())
        plStatus->SetCaption(hint);
}

TKorvObject::Settings TDepartForm::CommandSettings() const {
    TKorvObject::Settings settings = TBaseEditorForm::CommandSettings();
    settings.Prog = QStringLiteral("M");
    settings.Part = QStringLiteral("DEPART");
    settings.PropertyCaption = QStringLiteral("مشخصات گزارش [واحدهاي سازماني]");
    settings.ReportTitle = QStringLiteral("گزارش واحدهاي سازماني") + Global->FiscalPeriodSuffix();
    return settings;
}

} // namespace tarvand
