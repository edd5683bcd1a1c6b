#include "TMakanForm.h"

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
#include "TMyDatabase.h"
#include "TTempGridForm.h"

#include <QEvent>

namespace tarvand {

namespace {

const QString Detail2Field = QStringLiteral("Tafsily2");

EditorProfile makanProfile() {
    EditorProfile profile;
    profile.GridName = QStringLiteral("dbgMakan");
    profile.DataSetName = QStringLiteral("tblMakan");
    profile.MenuName = QStringLiteral("pmMakan");
    profile.Caption = QStringLiteral("مكان دارايي");
    profile.TableName = QStringLiteral("D_Makan");
    profile.CodeField = QStringLiteral("MakanCod");
    profile.Constraint = QStringLiteral("PK_D_Makan");
    profile.NameField = QStringLiteral("MakanNam");
    profile.NameCheckTable = QStringLiteral("D_Makan");
    profile.DependProcedure = QStringLiteral("sp_D_Depended_MakanCode");
    profile.KeyExpression = QStringLiteral("MakanCod");
    profile.KeyField = QStringLiteral("MakanCod");
    profile.FormCode = QStringLiteral("MAKAN");
    profile.ReportSubject = QStringLiteral("مكان استقرار دارايي");
    profile.EmptyCodeMessage = QStringLiteral("كد مكان استقرار وارد نشده است.");
    profile.EmptyNameMessage = QStringLiteral("نام مكان استقرار وارد نشده است.");
    profile.DuplicateNameMessage = QStringLiteral("نام مكان استقرار دارايي تكراريي مي باشد.");
    profile.DuplicateCodeMessage = QStringLiteral("كد مكان استقرار دارايي تكراري مي باشد.");
    // The detail-2 column's title and hint carry the company's name for the level; they are
    // completed when the editor is shown.
    profile.Columns = {
        {QStringLiteral("MakanCod"), QStringLiteral("كد"), 45,
         QStringLiteral("  كد مكان استقرار دارايي را وارد كنيد")},
        {QStringLiteral("MakanNam"), QStringLiteral("مكان استقرار دارايي"), 645,
         QStringLiteral("  نام مكان استقرار دارايي را وارد كنيد")},
        {Detail2Field, QString(), 60, QString()},
    };
    profile.PickerFields = {Detail2Field};
    return profile;
}

} // namespace

TMakanForm::TMakanForm()
    : TBaseEditorForm(makanProfile(), std::make_unique<data::TADOTable>()),
      tblMakan(static_cast<data::TADOTable*>(DataSet())) {
    setupUi(this);
    SetName(QStringLiteral("MakanForm"));
    // Shown only: the account is chosen through the picker.
    plBottom->SetEnabled(false);
    plBottom->installEventFilter(this);
    BindGrid(dbgMakan);
}

TMakanForm::~TMakanForm() {
    if (MakanForm == this)
        MakanForm = nullptr;
}

QString TMakanForm::detail2Name() {
    return InfoForm != nullptr && InfoForm->DGlobal != nullptr ? InfoForm->DGlobal->NamTafsily2 : QString();
}

QString TMakanForm::HintLine(const QString& field) const {
    if (field.compare(Detail2Field, Qt::CaseInsensitive) == 0)
        return QStringLiteral("  ") + detail2Name() + QStringLiteral(" مكان استقرار دارايي را وارد كنيد");
    return TBaseEditorForm::HintLine(field);
}

void TMakanForm::PrepareExtra() {
    const QString name = detail2Name();
    lbNamHesab->SetCaption(QStringLiteral("نام ") + name);
    lbNamHesab->adjustSize();
    if (const int column = ColumnOf(Detail2Field); column >= 0)
        Grid()->Columns()->Items(column)->Title()->SetCaption(name);
    placeNameBox();
}

void TMakanForm::placeNameBox() {
    // The label keeps to the panel's right edge, the box ends just before it.
    lbNamHesab->SetLeft(plBottom->Width() - lbNamHesab->Width() - 8);
    txtNamHesab->SetWidth(lbNamHesab->Left() - txtNamHesab->Left() - 2);
}

bool TMakanForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == plBottom && event->type() == QEvent::Resize)
        placeNameBox();
    return TBaseEditorForm::eventFilter(watched, event);
}

void TMakanForm::PadExtra() {
    data::TField* detail2 = tblMakan->FieldByName(Detail2Field);
    const QString code = detail2->AsString();
    if (!code.trimmed().isEmpty())
        detail2->SetAsString(TGlobal::PadChar(code, QLatin1Char('0'), detail2->Size()));
}

bool TMakanForm::CheckExtra() {
    const QString name = detail2Name();
    if (FieldText(Detail2Field).trimmed().isEmpty()) {
        ShowError(name + QStringLiteral(" مكان استقرار وارد نشده است."));
        SelectField(Detail2Field);
        return false;
    }
    quTemp->Close();
    quTemp->SetSQL(QStringLiteral("Select * From Tafsily2 Where Tafsily2='") +
                   SqlEscape(tblMakan->FieldByName(Detail2Field)->AsString()) + QStringLiteral("'"));
    quTemp->Open();
    if (quTemp->IsEmpty()) {
        ShowError(name + QStringLiteral(" ثبت نشده است."));
        SelectField(Detail2Field);
        // The user may choose a valid account now; the row is checked again on the next post.
        PickCode(ColumnOf(Detail2Field));
        return false;
    }
    return true;
}

int TMakanForm::PickCode(int Column) {
    if (ColumnFieldName(Column).compare(Detail2Field, Qt::CaseInsensitive) != 0)
        return ui::mrCancel;
    data::TField* detail2 = ColumnField(Column);
    const int length = detail2 != nullptr ? detail2->Size() : 0;
    const QString text =
        TGlobal::PadChar(detail2 != nullptr ? detail2->DisplayText() : QString(), QLatin1Char('0'), length);
    const QString statement = InfoForm->DGlobal->SetupTafsily2Lookup(text);
    data::TADOQuery* picker = TempGridForm->quTemp;
    picker->Close();
    picker->SetConnection(MyDatabase->Connection());
    picker->SetSQL(statement);
    const int result = TempGridForm->ShowModal();
    if (result == ui::mrOk && detail2 != nullptr) {
        tblMakan->Edit();
        detail2->SetAsString(picker->FieldByName(QStringLiteral("Tafsily2"))->AsString());
        txtNamHesab->SetText(picker->FieldByName(QStringLiteral("NamHesab"))->AsString());
    }
    return result;
}

void TMakanForm::ScrollExtra() {
    const data::TField* detail2 = tblMakan->FindField(Detail2Field);
    if (detail2 == nullptr) {
        txtNamHesab->SetText(QString());
        return;
    }
    const QString code = TGlobal::PadBlank(detail2->AsString(), detail2->Size());
    txtNamHesab->SetText(
        MyDatabase->LookupValue(Detail2Field, code, QStringLiteral("NamHesab"), Detail2Field));
}

} // namespace tarvand
