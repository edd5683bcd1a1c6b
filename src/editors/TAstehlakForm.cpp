#include "TAstehlakForm.h"

#include "HostContext.h"
#include "TADOTable.h"
#include "TColumn.h"
#include "TDBGrid.h"
#include "TField.h"

namespace tarvand {

namespace {

const QString CodeField = QStringLiteral("MadehCod");
const QString NameField = QStringLiteral("MadehNam");
const QString MethodField = QStringLiteral("Sharh");
const QString DecliningField = QStringLiteral("Nozooli");
const QString YearsField = QStringLiteral("Salianeh");
constexpr ui::WORD EnterKey = 13;
constexpr ui::WORD SpaceKey = 32;

const QString StraightLine = QStringLiteral("مستقيم");
const QString Declining = QStringLiteral("نزولي");
const QString NoDepreciation = QStringLiteral("ندارد");
const QString Zero = QStringLiteral("0");

EditorProfile astehlakProfile() {
    EditorProfile profile;
    profile.GridName = QStringLiteral("dbgAstehlak");
    profile.DataSetName = QStringLiteral("tblAstehlak");
    profile.MenuName = QStringLiteral("pmAstehlak");
    profile.Caption = QStringLiteral("جدول ماده 151 قانون مالياتهاي مستقيم");
    profile.TableName = QStringLiteral("D_Madeh151");
    profile.CodeField = CodeField;
    profile.Constraint = QStringLiteral("PK_D_Madeh151");
    profile.NameField = NameField;
    profile.NameCheckTable = QStringLiteral("D_Madeh151");
    profile.DependProcedure = QStringLiteral("sp_D_Depended_Madeh151");
    profile.KeyExpression = QStringLiteral("MadehCod");
    profile.KeyField = QStringLiteral("MadehCod");
    profile.FormCode = QStringLiteral("ASTEHLAK");
    profile.ReportSubject = QStringLiteral("جدول ماده 151 قانون مالياتهاي مستقيم");
    profile.EmptyCodeMessage = QStringLiteral("كد جدول استهلاك قانون مالياتهاي مستقيم وارد نشده است.");
    profile.EmptyNameMessage = QStringLiteral("نام ماده استهلاك قانون مالياتهاي مستقيم وارد نشده است.");
    profile.DuplicateNameMessage = QStringLiteral("نام ماده تكراريي مي باشد.");
    profile.DuplicateCodeMessage = QStringLiteral("كد وارد شده تكراري مي باشد.");
    profile.Columns = {
        {QStringLiteral("MadehCod"), QStringLiteral("كد"), 45,
         QStringLiteral("  کد ماده 151 قانون مالياتهاي مستقيم را وارد کنيد")},
        {QStringLiteral("MadehNam"), QStringLiteral("نام ماده 151 قانون مالياتهاي مستقيم"), 480,
         QStringLiteral("  نام ماده 151 قانون مالياتهاي مستقيم را وارد کنيد")},
        {QStringLiteral("Sharh"), QStringLiteral("دستورالعمل"), 100,
         QStringLiteral("  نام دستورالعمل را با دو بار كليك كردن بر روي اين ستون انتخاب كنيد")},
        {QStringLiteral("Nozooli"), QStringLiteral("نزولي"), 60,
         QStringLiteral("  چنانچه دستورالعمل نزولي مي باشد آنگاه درصد نزولي استهلاك را وارد كنيد")},
        {QStringLiteral("Salianeh"), QStringLiteral("ساليانه"), 60,
         QStringLiteral("  اگر دستورالعمل ساليانه مي باشد آنگاه مقدار ساليانه استهلاك را وارد كنيد")},
    };
    return profile;
}

// A rate typed as anything but a whole number counts as zero.
int wholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

} // namespace

TAstehlakForm::TAstehlakForm()
    : TBaseEditorForm(astehlakProfile(), std::make_unique<data::TADOTable>()),
      tblAstehlak(static_cast<data::TADOTable*>(DataSet())) {
    setupUi(this);
    SetName(QStringLiteral("AstehlakForm"));
    BindGrid(dbgAstehlak);
    dbgAstehlak->Columns()->Items(ColumnOf(MethodField))->SetReadOnly(true);
    dbgAstehlak->OnColExit = [this](QObject*) { dbg_ColExit(); };
    dbgAstehlak->OnCellClick = [this](ui::TColumn*) { dbg_CellClick(); };
    dbgAstehlak->OnDblClick = [this](QObject*) { dbg_DblClick(); };
}

TAstehlakForm::~TAstehlakForm() {
    if (AstehlakForm == this)
        AstehlakForm = nullptr;
}

data::TField* TAstehlakForm::field(const QString& name) const {
    return tblAstehlak->FieldByName(name);
}

QString TAstehlakForm::method() const {
    return FieldText(MethodField).trimmed();
}

void TAstehlakForm::setEditing(bool on) {
    ui::TDBGridOptions options = dbgAstehlak->Options();
    options.setFlag(ui::dgEditing, on);
    if (options != dbgAstehlak->Options())
        dbgAstehlak->SetOptions(options);
}

bool TAstehlakForm::editRow() {
    if (!tblAstehlak->Active() || tblAstehlak->IsEmpty())
        return false;
    tblAstehlak->Edit();
    return true;
}

void TAstehlakForm::SetColumnEditing() {
    if (IsSelected(MethodField))
        setEditing(false);
    else if (IsSelected(DecliningField))
        setEditing(method() == Declining);
    else if (IsSelected(YearsField))
        setEditing(method() == StraightLine);
    else
        setEditing(true);
}

void TAstehlakForm::ScrollExtra() {
    // The rate cells follow the method of the row reached, not of the row left.
    SetColumnEditing();
}

void TAstehlakForm::CycleMethod() {
    setEditing(false);
    if (!editRow())
        return;
    const QString current = method();
    if (current == StraightLine) {
        field(MethodField)->SetAsString(Declining);
        field(YearsField)->SetAsString(Zero);
    } else if (current == Declining) {
        field(MethodField)->SetAsString(NoDepreciation);
        field(DecliningField)->SetAsString(Zero);
        field(YearsField)->SetAsString(Zero);
    } else {
        field(MethodField)->SetAsString(StraightLine);
        field(DecliningField)->SetAsString(Zero);
    }
}

void TAstehlakForm::dbg_KeyDown(QObject*, ui::WORD& Key, ui::TShiftState) {
    setEditing(true);
    const int column = dbgAstehlak->SelectedIndex();
    if (Key == EnterKey) {
        // As in the common walk: Enter means only the walk.
        Key = 0;
        if (IsSelected(NameField)) {
            if (method().isEmpty() && editRow()) {
                field(MethodField)->SetAsString(StraightLine);
                field(DecliningField)->SetAsString(Zero);
            }
            SelectField(MethodField);
        } else if (IsSelected(MethodField)) {
            SelectField(method() == StraightLine ? YearsField : DecliningField);
        } else if (column < dbgAstehlak->Columns()->Count() - 1) {
            SelectColumn(column + 1);
        } else {
            SelectColumn(0);
            if (tblAstehlak->Eof() || tblAstehlak->RecNo() == tblAstehlak->RecordCount())
                tblAstehlak->Append();
            else
                tblAstehlak->Next();
        }
    } else if (Key == SpaceKey && IsSelected(MethodField)) {
        Key = 0;
        CycleMethod();
    }
    SetColumnEditing();
}

void TAstehlakForm::dbg_KeyPress(QObject* Sender, QChar& Key) {
    if (Key.unicode() == 8)
        return;
    TBaseEditorForm::dbg_KeyPress(Sender, Key);
    const int limit = IsSelected(DecliningField) ? 6 : IsSelected(YearsField) ? 3 : 0;
    if (limit > 0 && dbgAstehlak->EditText().size() >= limit)
        Key = QChar();
}

void TAstehlakForm::dbg_ColEnter() {
    TBaseEditorForm::dbg_ColEnter();
    if (IsSelected(MethodField) && !FieldText(CodeField).trimmed().isEmpty() && method().isEmpty() &&
        editRow()) {
        field(MethodField)->SetAsString(StraightLine);
        field(DecliningField)->SetAsString(Zero);
        field(YearsField)->SetAsString(Zero);
    }
    SetColumnEditing();
}

void TAstehlakForm::dbg_ColExit() {
    const bool declining = IsSelected(DecliningField);
    if ((!declining && !IsSelected(YearsField)) || !editRow())
        return;
    const QString& own = declining ? DecliningField : YearsField;
    const QString& other = declining ? YearsField : DecliningField;
    if (wholeNumber(field(own)->AsString()) != 0)
        field(other)->SetAsString(Zero);
    else
        field(own)->SetAsString(Zero);
}

void TAstehlakForm::dbg_CellClick() {
    SetColumnEditing();
}

void TAstehlakForm::dbg_DblClick() {
    if (IsSelected(MethodField)) {
        ui::WORD key = SpaceKey;
        dbg_KeyDown(dbgAstehlak, key, Qt::NoModifier);
    } else {
        SetColumnEditing();
    }
}

bool TAstehlakForm::CheckRecord() {
    // A rate typed and posted without leaving its column clears the other rate here.
    if (IsSelected(DecliningField) && wholeNumber(field(DecliningField)->AsString()) != 0)
        field(YearsField)->SetAsString(Zero);
    if (IsSelected(YearsField) && wholeNumber(field(YearsField)->AsString()) != 0)
        field(DecliningField)->SetAsString(Zero);

    if (FieldText(CodeField).trimmed().isEmpty())
        return Refuse(Profile().EmptyCodeMessage, CodeField);
    const QString name = FieldText(NameField);
    if (name.trimmed().isEmpty())
        return Refuse(Profile().EmptyNameMessage, NameField);
    if (method().isEmpty())
        return Refuse(QStringLiteral("دستورالعمل جدول استهلاك قانون مالياتهاي مستقيم وارد نشده است."),
                      MethodField);
    data::TField* declining = field(DecliningField);
    data::TField* years = field(YearsField);
    if (method() == StraightLine) {
        if (years->AsString().trimmed().isEmpty())
            years->SetAsString(Zero);
        if (years->AsString().trimmed() == Zero)
            return Refuse(QStringLiteral("مقدار ساليانه صفر مي باشد."), YearsField);
    }
    if (method() == Declining) {
        if (declining->AsString().trimmed().isEmpty())
            declining->SetAsString(Zero);
        if (declining->AsString().trimmed() == Zero)
            return Refuse(QStringLiteral("مقدار نزولي صفر مي باشد."), DecliningField);
    }
    if (NameTaken(name, Profile().NameField, name))
        return Refuse(Profile().DuplicateNameMessage, NameField);
    if (declining->AsString().trimmed().isEmpty())
        declining->SetAsString(Zero);
    if (years->AsString().trimmed().isEmpty())
        years->SetAsString(Zero);
    return true;
}

} // namespace tarvand
