#include "TGrohTafsily2Form.h"

#include "HostContext.h"
#include "SqlEscape.h"
#include "TADOQuery.h"
#include "TADOTable.h"
#include "TColumn.h"
#include "TColumnTitle.h"
#include "TDBGrid.h"
#include "TD_Global.h"
#include "TField.h"
#include "TGlobal.h"
#include "TInfoForm.h"

namespace tarvand {

namespace {

const QString CodeField = QStringLiteral("Tafsily2GrohCod");
const QString NameField = QStringLiteral("Tafsily2GrohNam");

QString detail2Name() {
    return InfoForm != nullptr && InfoForm->DGlobal != nullptr ? InfoForm->DGlobal->NamTafsily2 : QString();
}

EditorProfile grohTafsily2Profile() {
    const QString name = detail2Name();
    EditorProfile profile;
    profile.GridName = QStringLiteral("dbgGrohTafsily2");
    profile.DataSetName = QStringLiteral("tblGrohTafsily2");
    profile.MenuName = QStringLiteral("pmGrohTafsily2");
    profile.Caption = QStringLiteral("معرفي گروههاي تفصيلي 2");
    profile.TableName = QStringLiteral("GrohTafsily2");
    profile.CodeField = CodeField;
    profile.Constraint = QStringLiteral("PK_GrohTafsily2");
    profile.NameField = NameField;
    profile.NameCheckTable = QStringLiteral("GrohTafsily2");
    profile.DependProcedure = QStringLiteral("sp_M_Depended_GrohTafsily2");
    profile.KeyExpression = CodeField;
    profile.KeyField = CodeField;
    profile.FormCode = QStringLiteral("GROHTAFSILY2");
    profile.ReportSubject = QStringLiteral("گروههاي ") + name;
    // Group codes are stored with leading zeros (PadExtra), not blanks.
    profile.PadCode = false;
    profile.EmptyCodeMessage = QStringLiteral("کد گروه ") + name + QStringLiteral(" وارد نشده است");
    profile.EmptyNameMessage = QStringLiteral("نام گروه ") + name + QStringLiteral(" وارد نشده است");
    profile.DuplicateNameMessage = QStringLiteral("نام گروه ") + name + QStringLiteral(" تکراري است");
    profile.DuplicateCodeMessage = QStringLiteral("کد گروه ") + name + QStringLiteral(" تکراري مي باشد.");
    profile.Columns = {
        {CodeField, QStringLiteral("کد"), 40,
         QStringLiteral("  کد گروه ") + name + QStringLiteral(" وارد گردد")},
        {NameField, QStringLiteral("نام گروه تفصيلي2"), 715,
         QStringLiteral("  نام گروه ") + name + QStringLiteral(" وارد گردد")},
    };
    return profile;
}

} // namespace

TGrohTafsily2Form::TGrohTafsily2Form()
    : TBaseEditorForm(grohTafsily2Profile(), std::make_unique<data::TADOTable>()),
      tblGrohTafsily2(static_cast<data::TADOTable*>(DataSet())), CodeType(QStringLiteral("CHR")),
      privileges_(QStringLiteral("GROHTAFSILY2")) {
    setupUi(this);
    SetName(QStringLiteral("GrohTafsily2Form"));
    BindGrid(dbgGrohTafsily2);
}

TGrohTafsily2Form::~TGrohTafsily2Form() {
    if (GrohTafsily2Form == this)
        GrohTafsily2Form = nullptr;
}

void TGrohTafsily2Form::ShowCaptions() {
    quTemp->Close();
    quTemp->SetSQL(QStringLiteral("Select Korvash From Options Where SCode='") +
                   SqlEscape(Global->CompanyCode + Global->FiscalYear) + QStringLiteral("'"));
    quTemp->Open();
    const QString settings =
        quTemp->IsEmpty() ? QString() : quTemp->FieldByName(QStringLiteral("Korvash"))->AsString();
    // The server compares without regard to case; so does this test.
    CodeType = settings.contains(QStringLiteral("TypeSarFaslCod=NUM"), Qt::CaseInsensitive)
                   ? QStringLiteral("NUM")
                   : QStringLiteral("CHR");
    if (const int column = ColumnOf(NameField); column >= 0)
        Grid()->Columns()->Items(column)->Title()->SetCaption(QStringLiteral("نام گروه ") + detail2Name());
}

void TGrohTafsily2Form::dbg_KeyPress(QObject*, QChar& Key) {
    Key = Global->NormalizeKey(Key);
    if (CodeType == QLatin1String("NUM") && IsSelected(CodeField) &&
        !TGlobal::KeyAllowed(QStringLiteral("NUM"), Key))
        Key = QChar();
}

void TGrohTafsily2Form::PadExtra() {
    data::TField* code = tblGrohTafsily2->FieldByName(CodeField);
    if (!code->AsString().trimmed().isEmpty())
        code->SetAsString(TGlobal::PadChar(code->AsString(), QLatin1Char('0'), code->Size()));
}

void TGrohTafsily2Form::PostExtra() {
    privileges_.Posted(FieldText(CodeField), OldCode);
    // The row as written is the reference for the next change of its code or name.
    OldCode = FieldText(CodeField);
    OldName = FieldText(NameField);
}

void TGrohTafsily2Form::DeleteExtra() {
    privileges_.Deleted(OldCode);
}

} // namespace tarvand
