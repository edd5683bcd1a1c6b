#include "TSakhtarForm.h"

#include "HostContext.h"
#include "TADOTable.h"
#include "TColumn.h"
#include "TDBGrid.h"
#include "TField.h"

#include <QStringList>

namespace tarvand {

namespace {

const QString CodeField = QStringLiteral("SakhtarCod");
const QString RowField = QStringLiteral("SakhtarRaj");
const QString NameField = QStringLiteral("SakhtarNam");
const QString LengthField = QStringLiteral("SakhtarLen");
const QString TypeField = QStringLiteral("SakhtarType");
constexpr ui::WORD SpaceKey = 32;

const QString StringType = QStringLiteral("رشته");
const QString CharacterType = QStringLiteral("كاركتر");
const QString IntegerType = QStringLiteral("عدد صحيح");
const QString DecimalType = QStringLiteral("عدد اعشاري");

EditorProfile sakhtarProfile() {
    EditorProfile profile;
    profile.GridName = QStringLiteral("dbgSakhtar");
    profile.DataSetName = QStringLiteral("tblSakhtar");
    profile.MenuName = QStringLiteral("Sakhtar_PopupMenu");
    profile.Caption = QStringLiteral("جدول مشخصه دارايي");
    profile.TableName = QStringLiteral("D_Sakhtar");
    profile.CodeField = CodeField;
    profile.Constraint = QStringLiteral("PK_D_Sakhtar");
    profile.NameField = NameField;
    profile.NameCheckTable = QStringLiteral("D_Sakhtar");
    profile.DependProcedure = QStringLiteral("sp_D_Depended_SakhtarCode");
    profile.KeyExpression = QStringLiteral("SakhtarCod");
    // Several rows share a code: the command object keeps to the row key.
    profile.KeyField = QStringLiteral("IDX");
    profile.FormCode = QStringLiteral("SAKHTAR");
    profile.ReportSubject = QStringLiteral("جدول مشخصه دارايي");
    profile.EmptyCodeMessage = QStringLiteral("كد مشخصه دارايي وارد نشده است.");
    profile.EmptyNameMessage = QStringLiteral("نام مشخصه دارايي وارد نشده است.");
    profile.DuplicateNameMessage = QStringLiteral("نام مشخصه دارايي, تكراريي مي باشد.");
    profile.DuplicateCodeMessage = QStringLiteral("كد و رديف مشخصه دارايي تكراري مي باشد.");
    profile.Columns = {
        {QStringLiteral("SakhtarCod"), QStringLiteral("كد"), 45,
         QStringLiteral("  كد مشخصه دارايي را وارد كنيد")},
        {QStringLiteral("SakhtarRaj"), QStringLiteral("رج"), 45,
         QStringLiteral("  رديف مشخصه دارايي را وارد كنيد")},
        {QStringLiteral("SakhtarNam"), QStringLiteral("نام مشخصه دارايي"), 520,
         QStringLiteral("  نام مشخصه دارايي را وارد كنيد")},
        {QStringLiteral("SakhtarLen"), QStringLiteral("طول"), 45,
         QStringLiteral("  طول مشخصه دارايي را وارد كنيد")},
        {QStringLiteral("SakhtarType"), QStringLiteral("نوع"), 90,
         QStringLiteral("  نوع مشخصه دارايي را با دو بار كليك كردن بر روي اين ستون انتخاب كنيد")},
    };
    return profile;
}

} // namespace

TSakhtarForm::TSakhtarForm()
    : TBaseEditorForm(sakhtarProfile(), std::make_unique<data::TADOTable>()),
      tblSakhtar(static_cast<data::TADOTable*>(DataSet())) {
    setupUi(this);
    SetName(QStringLiteral("SakhtarForm"));
    BindGrid(dbgSakhtar);
    dbgSakhtar->Columns()->Items(ColumnOf(TypeField))->SetReadOnly(true);
    dbgSakhtar->OnDblClick = [this](QObject*) { dbg_DblClick(); };
    tblSakhtar->AfterInsert = [this](data::TDataSet*) { tbl_AfterInsert(); };
}

TSakhtarForm::~TSakhtarForm() {
    tblSakhtar->AfterInsert = nullptr;
    if (SakhtarForm == this)
        SakhtarForm = nullptr;
}

void TSakhtarForm::SetColumnEditing() {
    ui::TDBGridOptions options = dbgSakhtar->Options();
    options.setFlag(ui::dgEditing, !IsSelected(TypeField));
    if (options != dbgSakhtar->Options())
        dbgSakhtar->SetOptions(options);
}

void TSakhtarForm::CycleType() {
    if (!tblSakhtar->Active() || tblSakhtar->IsEmpty())
        return;
    tblSakhtar->Edit();
    data::TField* type = tblSakhtar->FieldByName(TypeField);
    const QString current = type->AsString();
    if (current.contains(QStringLiteral("رش")))
        type->SetAsString(CharacterType);
    else if (current.contains(QStringLiteral("تر")))
        type->SetAsString(IntegerType);
    else if (current.contains(QStringLiteral("صحيح")))
        type->SetAsString(DecimalType);
    else
        type->SetAsString(StringType);
}

void TSakhtarForm::dbg_KeyDown(QObject* Sender, ui::WORD& Key, ui::TShiftState Shift) {
    ui::TDBGridOptions options = dbgSakhtar->Options();
    if (!options.testFlag(ui::dgEditing))
        dbgSakhtar->SetOptions(options | ui::dgEditing);
    if (Key == SpaceKey && IsSelected(TypeField)) {
        Key = 0;
        CycleType();
    } else {
        TBaseEditorForm::dbg_KeyDown(Sender, Key, Shift);
    }
    SetColumnEditing();
}

void TSakhtarForm::dbg_KeyPress(QObject* Sender, QChar& Key) {
    if (Key.unicode() == 8)
        return;
    TBaseEditorForm::dbg_KeyPress(Sender, Key);
    if ((IsSelected(RowField) || IsSelected(LengthField)) && dbgSakhtar->EditText().size() >= 4)
        Key = QChar();
}

void TSakhtarForm::dbg_ColEnter() {
    TBaseEditorForm::dbg_ColEnter();
    SetColumnEditing();
}

void TSakhtarForm::dbg_DblClick() {
    if (IsSelected(TypeField))
        CycleType();
}

void TSakhtarForm::ScrollExtra() {
    // The row reached decides what may be typed, not the row left.
    SetColumnEditing();
}

void TSakhtarForm::tbl_AfterInsert() {
    tblSakhtar->FieldByName(TypeField)->SetAsString(StringType);
}

bool TSakhtarForm::CheckRecord() {
    static const struct {
        const QString& field;
        const char* message;
    } required[] = {{CodeField, "كد مشخصه دارايي وارد نشده است."},
                    {RowField, "رديف مشخصه دارايي وارد نشده است."},
                    {NameField, "نام مشخصه دارايي وارد نشده است."},
                    {LengthField, "طول مشخصه دارايي وارد نشده است."},
                    {TypeField, "نوع مشخصه دارايي وارد نشده است."}};
    for (const auto& check : required) {
        if (FieldText(check.field).trimmed().isEmpty())
            return Refuse(QString::fromUtf8(check.message), check.field);
    }
    const QStringList types{StringType, CharacterType, IntegerType, DecimalType};
    if (!types.contains(FieldText(TypeField).trimmed()))
        return Refuse(QStringLiteral("نوع مشخصه دارايي از عناصر ليست انتخاب نشده است"), TypeField);
    const QString name = FieldText(NameField);
    if (NameTaken(name, QStringLiteral("Cast(SakhtarCod As Varchar(20))+SakhtarNam"),
                  FieldText(CodeField) + name))
        return Refuse(Profile().DuplicateNameMessage, NameField);
    return true;
}

} // namespace tarvand
