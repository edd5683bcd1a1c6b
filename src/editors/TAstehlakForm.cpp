#include "TAstehlakForm.h"

#include "HostContext.h"
#include "TADOTable.h"
#include "TColumn.h"
#include "TDBGrid.h"
#include "TField.h"

namespace tarvand {

namespace {

constexpr int CodeColumn = 0;
constexpr int NameColumn = 1;
constexpr int MethodColumn = 2;
constexpr int DecliningColumn = 3;
constexpr int YearsColumn = 4;
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
    profile.CodeField = QStringLiteral("MadehCod");
    profile.Constraint = QStringLiteral("PK_D_Madeh151");
    profile.NameField = QStringLiteral("MadehNam");
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
    dbgAstehlak->Columns()->Items(MethodColumn)->SetReadOnly(true);
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
    return ColumnText(MethodColumn).trimmed();
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
    switch (dbgAstehlak->SelectedIndex()) {
    case MethodColumn:
        setEditing(false);
        break;
    case DecliningColumn:
        setEditing(method() == Declining);
        break;
    case YearsColumn:
        setEditing(method() == StraightLine);
        break;
    default:
        setEditing(true);
        break;
    }
}

void TAstehlakForm::CycleMethod() {
    setEditing(false);
    if (!editRow())
        return;
    const QString current = method();
    if (current == StraightLine) {
        field(QStringLiteral("Sharh"))->SetAsString(Declining);
        field(QStringLiteral("Salianeh"))->SetAsString(Zero);
    } else if (current == Declining) {
        field(QStringLiteral("Sharh"))->SetAsString(NoDepreciation);
        field(QStringLiteral("Nozooli"))->SetAsString(Zero);
        field(QStringLiteral("Salianeh"))->SetAsString(Zero);
    } else {
        field(QStringLiteral("Sharh"))->SetAsString(StraightLine);
        field(QStringLiteral("Nozooli"))->SetAsString(Zero);
    }
}

void TAstehlakForm::dbg_KeyDown(QObject*, ui::WORD& Key, ui::TShiftState) {
    setEditing(true);
    const int column = dbgAstehlak->SelectedIndex();
    if (Key == EnterKey) {
        // As in the common walk: Enter means only the walk.
        Key = 0;
        if (column == NameColumn) {
            if (method().isEmpty() && editRow()) {
                field(QStringLiteral("Sharh"))->SetAsString(StraightLine);
                field(QStringLiteral("Nozooli"))->SetAsString(Zero);
            }
            SelectColumn(MethodColumn);
        } else if (column == MethodColumn) {
            SelectColumn(method() == StraightLine ? YearsColumn : DecliningColumn);
        } else if (column < YearsColumn) {
            SelectColumn(column + 1);
        } else {
            SelectColumn(CodeColumn);
            if (tblAstehlak->Eof() || tblAstehlak->RecNo() == tblAstehlak->RecordCount())
                tblAstehlak->Append();
            else
                tblAstehlak->Next();
        }
    } else if (Key == SpaceKey && column == MethodColumn) {
        Key = 0;
        CycleMethod();
    }
    SetColumnEditing();
}

void TAstehlakForm::dbg_KeyPress(QObject* Sender, QChar& Key) {
    if (Key.unicode() == 8)
        return;
    TBaseEditorForm::dbg_KeyPress(Sender, Key);
    const int column = dbgAstehlak->SelectedIndex();
    const int limit = column == DecliningColumn ? 6 : column == YearsColumn ? 3 : 0;
    if (limit > 0 && dbgAstehlak->EditText().size() >= limit)
        Key = QChar();
}

void TAstehlakForm::dbg_ColEnter() {
    TBaseEditorForm::dbg_ColEnter();
    if (dbgAstehlak->SelectedIndex() == MethodColumn && !ColumnText(CodeColumn).trimmed().isEmpty() &&
        method().isEmpty() && editRow()) {
        field(QStringLiteral("Sharh"))->SetAsString(StraightLine);
        field(QStringLiteral("Nozooli"))->SetAsString(Zero);
        field(QStringLiteral("Salianeh"))->SetAsString(Zero);
    }
    SetColumnEditing();
}

void TAstehlakForm::dbg_ColExit() {
    const int column = dbgAstehlak->SelectedIndex();
    if ((column != DecliningColumn && column != YearsColumn) || !editRow())
        return;
    const QString own = column == DecliningColumn ? QStringLiteral("Nozooli") : QStringLiteral("Salianeh");
    const QString other = column == DecliningColumn ? QStringLiteral("Salianeh") : QStringLiteral("Nozooli");
    if (wholeNumber(field(own)->AsString()) != 0)
        field(other)->SetAsString(Zero);
    else
        field(own)->SetAsString(Zero);
}

void TAstehlakForm::dbg_CellClick() {
    SetColumnEditing();
}

void TAstehlakForm::dbg_DblClick() {
    if (dbgAstehlak->SelectedIndex() == MethodColumn) {
        ui::WORD key = SpaceKey;
        dbg_KeyDown(dbgAstehlak, key, Qt::NoModifier);
    } else {
        SetColumnEditing();
    }
}

bool TAstehlakForm::CheckRecord() {
    // A rate typed and posted without leaving its column clears the other rate here.
    const int column = dbgAstehlak->SelectedIndex();
    if (column == DecliningColumn && wholeNumber(field(QStringLiteral("Nozooli"))->AsString()) != 0)
        field(QStringLiteral("Salianeh"))->SetAsString(Zero);
    if (column == YearsColumn && wholeNumber(field(QStringLiteral("Salianeh"))->AsString()) != 0)
        field(QStringLiteral("Nozooli"))->SetAsString(Zero);

    if (ColumnText(CodeColumn).trimmed().isEmpty())
        return Refuse(Profile().EmptyCodeMessage, CodeColumn);
    const QString name = ColumnText(NameColumn);
    if (name.trimmed().isEmpty())
        return Refuse(Profile().EmptyNameMessage, NameColumn);
    if (method().isEmpty())
        return Refuse(QStringLiteral("دستورالعمل جدول استهلاك قانون مالياتهاي مستقيم وارد نشده است."),
                      MethodColumn);
    data::TField* declining = field(QStringLiteral("Nozooli"));
    data::TField* years = field(QStringLiteral("Salianeh"));
    if (method() == StraightLine) {
        if (years->AsString().trimmed().isEmpty())
            years->SetAsString(Zero);
        if (years->AsString().trimmed() == Zero)
            return Refuse(QStringLiteral("مقدار ساليانه صفر مي باشد."), YearsColumn);
    }
    if (method() == Declining) {
        if (declining->AsString().trimmed().isEmpty())
            declining->SetAsString(Zero);
        if (declining->AsString().trimmed() == Zero)
            return Refuse(QStringLiteral("مقدار نزولي صفر مي باشد."), DecliningColumn);
    }
    if (NameTaken(name, Profile().NameField, name))
        return Refuse(Profile().DuplicateNameMessage, NameColumn);
    if (declining->AsString().trimmed().isEmpty())
        declining->SetAsString(Zero);
    if (years->AsString().trimmed().isEmpty())
        years->SetAsString(Zero);
    return true;
}

} // namespace tarvand
