#include "TSakhtarForm.h"

#include "HostContext.h"
#include "TADOTable.h"
#include "TColumn.h"
#include "TDBGrid.h"
#include "TField.h"

#include <QStringList>

namespace tarvand {

namespace {

constexpr int RowColumn = 1;
constexpr int NameColumn = 2;
constexpr int LengthColumn = 3;
constexpr int TypeColumn = 4;
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
    profile.CodeField = QStringLiteral("SakhtarCod");
    profile.Constraint = QStringLiteral("PK_D_Sakhtar");
    profile.NameField = QStringLiteral("SakhtarNam");
    profile.NameCheckTable = QStringLiteral("D_Sakhtar");
    profile.DependProcedure = QStringLiteral("sp_D_Depended_SakhtarCode");
    profile.KeyExpression = QStringLiteral("SakhtarCod");
    // Several rows share a code: the command object keeps to the row key.
    profile.KeyField = QStringLiteral("IDX");
    profile.FormCode = QStringLiteral("SAKHTAR");
    profile.ReportSubject = QStringLiteral("جدول مشخصه دارايي");
    profile.NameColumn = NameColumn;
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
    dbgSakhtar->Columns()->Items(TypeColumn)->SetReadOnly(true);
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
    options.setFlag(ui::dgEditing, dbgSakhtar->SelectedIndex() != TypeColumn);
    if (options != dbgSakhtar->Options())
        dbgSakhtar->SetOptions(options);
}

void TSakhtarForm::CycleType() {
    if (!tblSakhtar->Active() || tblSakhtar->IsEmpty())
        return;
    tblSakhtar->Edit();
    data::TField* type = tblSakhtar->FieldByName(QStringLiteral("SakhtarType"));
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
    if (Key == SpaceKey && dbgSakhtar->SelectedIndex() == TypeColumn) {
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
    const int column = dbgSakhtar->SelectedIndex();
    if ((column == RowColumn || column == LengthColumn) && dbgSakhtar->EditText().size() >= 4)
        Key = QChar();
}

void TSakhtarForm::dbg_ColEnter() {
    TBaseEditorForm::dbg_ColEnter();
    SetColumnEditing();
}

void TSakhtarForm::dbg_DblClick() {
    if (dbgSakhtar->SelectedIndex() == TypeColumn)
        CycleType();
}

void TSakhtarForm::tbl_AfterInsert() {
    tblSakhtar->FieldByName(QStringLiteral("SakhtarType"))->SetAsString(StringType);
}

bool TSakhtarForm::CheckRecord() {
    static const char* const emptyMessages[] = {
        "كد مشخصه دارايي وارد نشده است.", "رديف مشخصه دارايي وارد نشده است.",
        "نام مشخصه دارايي وارد نشده است.", "طول مشخصه دارايي وارد نشده است.",
        "نوع مشخصه دارايي وارد نشده است."};
    for (int column = 0; column <= TypeColumn; ++column) {
        if (ColumnText(column).trimmed().isEmpty())
            return Refuse(QString::fromUtf8(emptyMessages[column]), column);
    }
    const QStringList types{StringType, CharacterType, IntegerType, DecimalType};
    if (!types.contains(ColumnText(TypeColumn).trimmed()))
        return Refuse(QStringLiteral("نوع مشخصه دارايي از عناصر ليست انتخاب نشده است"), TypeColumn);
    const QString name = ColumnText(NameColumn);
    if (NameTaken(name, QStringLiteral("Cast(SakhtarCod As Varchar(20))+SakhtarNam"), ColumnText(0) + name))
        return Refuse(Profile().DuplicateNameMessage, NameColumn);
    return true;
}

} // namespace tarvand
