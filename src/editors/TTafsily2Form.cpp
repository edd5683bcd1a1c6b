#include "TTafsily2Form.h"

#include "AccountChainCheck.h"
#include "DeleteTags.h"
#include "HostContext.h"
#include "ShowMsg.h"
#include "SqlEscape.h"
#include "TADOQuery.h"
#include "TColumn.h"
#include "TColumnTitle.h"
#include "TDBGrid.h"
#include "TD_Global.h"
#include "TField.h"
#include "TGlobal.h"
#include "TInfoForm.h"
#include "TMenuItem.h"
#include "TPopupMenu.h"
#include "TTempGridForm.h"

#include <QRegularExpression>

namespace tarvand {

namespace {

const QString CodeField = QStringLiteral("Tafsily2");
const QString NameField = QStringLiteral("NamHesab");
const QString Active = QStringLiteral("فعال");
const QString DetailLevel = QStringLiteral("اول");
const QString ProjectLevel = QStringLiteral("سوم");
const QString ChainPrefixes[] = {QString(), QStringLiteral("A"), QStringLiteral("H")};

TD_Global* options() {
    return InfoForm != nullptr ? InfoForm->DGlobal : nullptr;
}
QString detail2Name() {
    return options() != nullptr ? options()->NamTafsily2 : QString();
}
QString projectName() {
    return options() != nullptr ? options()->NamProject : QString();
}

// The fixed-asset chain's hints end with a reminder of the expense account, as the users know them.
QString plainHint(const QString& level, const QString& table) {
    return QStringLiteral("  كد ") + level +
           QStringLiteral(" داراييهاي ثابت را وارد كنيد و يا با Enter و يا دوبار كليك كردن آنرا از جدول ") +
           table + QStringLiteral(" انتخاب كنيد<حساب هزينه استهلاک>");
}
QString chainHint(const QString& level, const QString& chain, const QString& table) {
    return QStringLiteral("   كد ") + level + QLatin1Char(' ') + chain +
           QStringLiteral(" را وارد كنيد و يا با Enter و يا دوبار كليك كردن آنرا از جدول ") + table +
           QStringLiteral(" انتخاب كنيد");
}

EditorProfile tafsily2Profile() {
    const QString name = detail2Name();
    const QString project = projectName();
    const QString accumulated = QStringLiteral("استهلاک انباشته");
    const QString expense = QStringLiteral("هزينه استهلاک");
    const QString kollTable = QStringLiteral("حسابها");
    const QString moeinTable = QStringLiteral("حساب معين");
    const QString tafsilyTable = QStringLiteral("حساب تفصيلي");
    EditorProfile profile;
    profile.GridName = QStringLiteral("dbgTafsily2");
    profile.DataSetName = QStringLiteral("quTafsily2");
    profile.MenuName = QStringLiteral("pmTafsily2");
    profile.Caption = name;
    profile.TableName = QStringLiteral("Tafsily2");
    profile.CodeField = CodeField;
    profile.Constraint = QStringLiteral("PK_Tafsily2");
    profile.NameField = NameField;
    profile.NameCheckTable = QStringLiteral("Tafsily2");
    // Asked when a code is changed; the delete command asks its own (CommandSettings).
    profile.DependProcedure = QStringLiteral("sp_D_Depended_Tafsily2Code");
    profile.KeyExpression = CodeField;
    profile.KeyField = CodeField;
    profile.FormCode = QStringLiteral("TAFSILY2");
    profile.ReportSubject = name;
    profile.PadCode = false; // account codes are stored with leading zeros (PadExtra)
    profile.EmptyCodeMessage = QStringLiteral("كد ") + name + QStringLiteral(" وارد نشده است.");
    profile.EmptyNameMessage = QStringLiteral("نام ") + name + QStringLiteral(" وارد نشده است.");
    profile.DuplicateNameMessage = QStringLiteral("نام ") + name + QStringLiteral(" تكراريي مي باشد.");
    profile.DuplicateCodeMessage = QStringLiteral("كد ") + name + QStringLiteral(" تكراري مي باشد.");
    profile.Columns = {
        {CodeField, name, 55, QStringLiteral("  كد حساب ") + name + QStringLiteral(" را وارد كنيد")},
        {NameField, QStringLiteral("نام مركز هزينه"), 200,
         QStringLiteral("  نام حساب ") + name + QStringLiteral(" را وارد كنيد")},
        {QStringLiteral("Koll"), QStringLiteral("کل"), 30, plainHint(QStringLiteral("حساب كل"), kollTable)},
        {QStringLiteral("Moein"), QStringLiteral("معين"), 35,
         plainHint(QStringLiteral("حساب معين"), moeinTable)},
        {QStringLiteral("Tafsily"), QStringLiteral("تفصيلي"), 45,
         plainHint(QStringLiteral("حساب تفصيلي"), tafsilyTable)},
        {QStringLiteral("ProjectCod"), project, 45, plainHint(project, project)},
        {QStringLiteral("AKoll"), QStringLiteral("كل"), 30,
         chainHint(QStringLiteral("حساب كل"), accumulated, kollTable)},
        {QStringLiteral("AMoein"), QStringLiteral("معين"), 35,
         chainHint(QStringLiteral("حساب معين"), accumulated, moeinTable)},
        {QStringLiteral("ATafsily"), QStringLiteral("تفصيلي"), 45,
         chainHint(QStringLiteral("حساب تفصيلي"), accumulated, tafsilyTable)},
        {QStringLiteral("AProjectCod"), project, 45, chainHint(project, accumulated, project)},
        {QStringLiteral("HKoll"), QStringLiteral("کل"), 30,
         chainHint(QStringLiteral("حساب كل"), expense, kollTable)},
        {QStringLiteral("HMoein"), QStringLiteral("معين"), 35,
         chainHint(QStringLiteral("حساب معين"), expense, moeinTable)},
        {QStringLiteral("HTafsily"), QStringLiteral("تفصيلي"), 45,
         chainHint(QStringLiteral("حساب تفصيلي"), expense, tafsilyTable)},
        {QStringLiteral("HProjectCod"), project, 45, chainHint(project, expense, project)},
    };
    profile.PickerFields = {CodeField};
    for (const QString& prefix : ChainPrefixes) {
        for (const char* level : {"Koll", "Moein", "Tafsily", "ProjectCod"})
            profile.PickerFields << prefix + QLatin1String(level);
    }
    return profile;
}

// The chain a column belongs to: "H" for the expense chain, "A" for accumulated depreciation,
// empty for the assets' own account.
QString chainPrefix(const QString& upperField) {
    if (upperField.contains(QLatin1Char('H')))
        return QStringLiteral("H");
    if (upperField.startsWith(QLatin1Char('A')))
        return QStringLiteral("A");
    return {};
}

bool isTafsilyColumn(const QString& upperField) {
    return upperField.contains(QLatin1String("TAFSILY")) && !upperField.contains(QLatin1String("TAFSILY2"));
}

bool plainIdentifier(const QString& name) {
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return identifier.match(name).hasMatch();
}

} // namespace

TTafsily2Form::TTafsily2Form()
    : TBaseEditorForm(tafsily2Profile(), std::make_unique<data::TADOQuery>()),
      quTafsily2(static_cast<data::TADOQuery*>(DataSet())), DeleteItem(new ui::TMenuItem(this)),
      privileges_(QStringLiteral("TAFSILY2")) {
    setupUi(this);
    SetName(QStringLiteral("Tafsily2Form"));
    BindGrid(dbgTafsily2);
    DeleteItem->SetCaption(QStringLiteral("حذف رديف"));
    DeleteItem->SetShortCut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    DeleteItem->SetImageIndex(10);
    DeleteItem->OnClick = [this](QObject*) { DeleteRowClick(); };
}

TTafsily2Form::~TTafsily2Form() {
    if (Tafsily2Form == this)
        Tafsily2Form = nullptr;
}

data::TField* TTafsily2Form::field(const QString& name) const {
    return quTafsily2->FieldByName(name);
}

void TTafsily2Form::ShowCaptions() {
    const QString name = detail2Name();
    if (const int column = ColumnOf(CodeField); column >= 0)
        Grid()->Columns()->Items(column)->Title()->SetCaption(name);
    for (const QString& prefix : ChainPrefixes) {
        if (const int column = ColumnOf(prefix + QStringLiteral("ProjectCod")); column >= 0)
            Grid()->Columns()->Items(column)->Title()->SetCaption(projectName());
    }
    quTemp->Close();
    quTemp->SetSQL(QStringLiteral(" Select ERTEBAT From Options Where SCode ='") +
                   SqlEscape(Global->CompanyCode + Global->FiscalYear) + QStringLiteral("'"));
    quTemp->Open();
    const QString link =
        quTemp->IsEmpty() ? QString() : quTemp->FieldByName(QStringLiteral("ERTEBAT"))->AsString();
    LinkDatabase = TGlobal::GetSetting(link, QStringLiteral("DBSNAME_M")).trimmed();
    LinkTable = TGlobal::GetSetting(link, QStringLiteral("TBLNAME_M")).trimmed();
    LinkField = TGlobal::GetSetting(link, QStringLiteral("FLDNAME_M")).trimmed();

    // Only the accounts granted to the user are listed.
    const QString statement = QStringLiteral("Select * From Tafsily2 Where Tafsily2 In ") +
                              MyDatabase->PrivilegeSubquery(QStringLiteral("TAFSILY2"));
    if (quTafsily2->SQL() != statement)
        quTafsily2->SetSQL(statement);
    justOpened_ = !quTafsily2->Active();
}

void TTafsily2Form::PrepareExtra() {
    if (justOpened_ && quTafsily2->Active())
        quTafsily2->SetSort(CodeField);
}

TKorvObject::Settings TTafsily2Form::CommandSettings() const {
    TKorvObject::Settings settings = TBaseEditorForm::CommandSettings();
    settings.DependProcedure = QStringLiteral("sp_Depended_Tafsily2Code");
    return settings;
}

void TTafsily2Form::MenuExtra() {
    // This editor's own delete command, which also asks the linked system, takes the place of the
    // common one and its shortcut.
    if (ui::TMenuItem* common = GridCommands->MenuItem(TKorvObject::cmDelete)) {
        common->SetShortCut(QKeySequence());
        common->SetVisible(false);
    }
    pmGrid->Items()->Insert(14, DeleteItem);
}

void TTafsily2Form::applyDefaults() {
    const auto byDefault = [this](const char* name, const QString& value) {
        data::TField* target = field(QLatin1String(name));
        if (target->AsString().trimmed().isEmpty())
            target->SetAsString(value);
    };
    byDefault("RecogName", QStringLiteral("بد"));
    byDefault("IsActive", Active);
    byDefault("IsPosHesab", QStringLiteral("منفي"));
}

void TTafsily2Form::PadExtra() {
    applyDefaults();
    const auto zeroPadded = [this](const QString& name) {
        data::TField* code = field(name);
        if (!code->AsString().trimmed().isEmpty())
            code->SetAsString(TGlobal::PadChar(code->AsString(), QLatin1Char('0'), code->Size()));
    };
    const auto blankPadded = [this](const QString& name) {
        data::TField* code = field(name);
        code->SetAsString(TGlobal::PadBlank(code->AsString(), code->Size()));
    };
    zeroPadded(CodeField);
    for (const QString& prefix : ChainPrefixes) {
        blankPadded(prefix + QStringLiteral("Koll"));
        blankPadded(prefix + QStringLiteral("Moein"));
        zeroPadded(prefix + QStringLiteral("Tafsily"));
        zeroPadded(prefix + QStringLiteral("ProjectCod"));
    }
}

bool TTafsily2Form::CheckRecord() {
    if (FieldText(CodeField).trimmed().isEmpty())
        return Refuse(Profile().EmptyCodeMessage, CodeField);
    const QString name = FieldText(NameField);
    if (name.trimmed().isEmpty())
        return Refuse(Profile().EmptyNameMessage, NameField);
    if (NameTaken(name, NameField, name))
        return Refuse(Profile().DuplicateNameMessage, NameField);
    for (const QString& prefix : ChainPrefixes) {
        const QString column = ValidateChain(prefix);
        if (!column.isEmpty()) {
            SelectField(column);
            return false;
        }
    }
    return true;
}

QString TTafsily2Form::ValidateChain(const QString& prefix) {
    const AccountChainCheck check(*quTemp, options()->LenCodGrohTafsily, options()->LenCodGrohProject);
    return check.Validate(*quTafsily2, prefix, Levels);
}

void TTafsily2Form::PostExtra() {
    privileges_.Posted(FieldText(CodeField), OldCode);
    // The row as written is the reference for the next change of its code or name.
    OldCode = FieldText(CodeField);
    OldName = FieldText(NameField);
}

void TTafsily2Form::DeleteExtra() {
    privileges_.Deleted(OldCode);
}

void TTafsily2Form::DeleteRowClick() {
    if (quTafsily2->Editing())
        quTafsily2->Cancel();
    if (!quTafsily2->Active() || quTafsily2->IsEmpty())
        return;
    const TKorvObject::Settings& settings = GridCommands->Configuration();
    const QString code = FieldText(settings.KeyField);
    if (MyDatabase->IsCodeUsed(settings.DependProcedure, code) || !Tafsily2LinkFree(code)) {
        ShowError(QStringLiteral("گردش دارد."));
        Grid()->setFocus();
        return;
    }
    if (ShowMsg(QStringLiteral("آيا حذف شود؟"), QString(), QStringLiteral("3QR")) != ui::mrYes)
        return;
    quTafsily2->Tag = DeleteAllowedTag;
    quTafsily2->Delete();
    Grid()->setFocus();
}

bool TTafsily2Form::Tafsily2LinkFree(const QString& code) {
    if (LinkDatabase.isEmpty() || LinkTable.isEmpty() || LinkField.isEmpty())
        return true;
    // The names come from the company's settings, not from the program: anything but a plain
    // name is taken as a link that cannot be asked, and the account is kept.
    if (!plainIdentifier(LinkDatabase) || !plainIdentifier(LinkTable) || !plainIdentifier(LinkField))
        return false;
    quTemp->Close();
    quTemp->SetSQL(QStringLiteral(" Select ") + LinkField + QStringLiteral(" From ") + LinkDatabase +
                   QStringLiteral("..") + LinkTable + QStringLiteral(" Where ") + LinkField +
                   QStringLiteral("='") + SqlEscape(code) + QStringLiteral("'"));
    quTemp->Open();
    return quTemp->IsEmpty();
}

QString TTafsily2Form::NextTafsily2Code(const QString& group) {
    data::TField* code = field(CodeField);
    const int width = code->Size();
    const int length = options()->LenCodGrohTafsily2;
    QString serial = code->DisplayText().mid(length, width - length);
    if (serial.trimmed().isEmpty()) {
        // Over the whole table: serials are unique in a group whoever may see the accounts.
        quTemp->Close();
        quTemp->SetSQL(QStringLiteral("Select Max(Tafsily2) As sMax From Tafsily2 Where ") +
                       QStringLiteral("SubString(Tafsily2, 1, ") + QString::number(length) +
                       QStringLiteral(") = '") + SqlEscape(group) + QStringLiteral("'"));
        quTemp->Open();
        const QString largest = quTemp->FieldByName(QStringLiteral("sMax"))->AsString();
        serial = largest.isEmpty() ? QStringLiteral("0") : largest.mid(length);
        serial = QString::number(serial.trimmed().toLongLong() + 1);
    }
    return group + TGlobal::PadChar(serial, QLatin1Char('0'), width - length);
}

QString TTafsily2Form::group() const {
    return FieldText(CodeField).left(options()->LenCodGrohTafsily2);
}

const QString& TTafsily2Form::readLevels(const QString& prefix) {
    if (!quTafsily2->Active()) {
        Levels = MoeinLevels();
        return Levels.levels;
    }
    data::TField* koll = field(prefix + QStringLiteral("Koll"));
    data::TField* moein = field(prefix + QStringLiteral("Moein"));
    Levels = MyDatabase->ReadMoeinLevels(TGlobal::PadBlank(koll->DisplayText(), koll->Size()),
                                         TGlobal::PadBlank(moein->DisplayText(), moein->Size()));
    return Levels.levels;
}

void TTafsily2Form::setColumnEditing() {
    const QString upper = SelectedFieldName().toUpper();
    bool editing = true;
    if (upper.contains(QLatin1String("PROJECTCOD")))
        editing = readLevels(chainPrefix(upper)).contains(ProjectLevel);
    else if (isTafsilyColumn(upper))
        editing = readLevels(chainPrefix(upper)).contains(DetailLevel);
    ui::TDBGridOptions gridOptions = Grid()->Options();
    gridOptions.setFlag(ui::dgEditing, editing);
    if (gridOptions != Grid()->Options())
        Grid()->SetOptions(gridOptions);
}

void TTafsily2Form::dbg_ColEnter() {
    TBaseEditorForm::dbg_ColEnter();
    setColumnEditing();
}

void TTafsily2Form::dbg_KeyPress(QObject*, QChar& Key) {
    if (Key == QChar(ui::VK_BACK))
        return;
    Key = Global->NormalizeKey(Key);
    const QString upper = SelectedFieldName().toUpper();
    const bool account =
        upper != QLatin1String("TAFSILY2") &&
        (upper.contains(QLatin1String("KOLL")) || upper.contains(QLatin1String("MOEIN")) ||
         upper.contains(QLatin1String("TAFSILY")) || upper.contains(QLatin1String("PROJECTCOD")));
    if (account && options() != nullptr && options()->TypeSarfaslCod == QLatin1String("NUM") &&
        !TGlobal::KeyAllowed(QStringLiteral("NUM"), Key))
        Key = QChar();
}

void TTafsily2Form::goToNextRow() {
    if (quTafsily2->Eof() || quTafsily2->RecNo() == quTafsily2->RecordCount())
        quTafsily2->Append();
    else
        quTafsily2->Next();
    SelectColumn(0);
}

void TTafsily2Form::dbg_KeyDown(QObject*, ui::WORD& Key, ui::TShiftState) {
    if (!ChainKeyDown(Key))
        return;
    const int column = Grid()->SelectedIndex();
    // Selecting the column again writes the cell being edited into the row.
    SelectColumn(column);
    if (Key != ui::VK_RETURN)
        return;
    Key = 0;
    const QString upper = SelectedFieldName().toUpper();
    const QString prefix = chainPrefix(upper);
    bool nextRow = false;
    if (upper == QLatin1String("TAFSILY2")) {
        if (PickCode(column) == ui::mrOk)
            SelectField(NameField);
    } else if (upper.contains(QLatin1String("PROJECTCOD"))) {
        if (readLevels(prefix).contains(ProjectLevel) && PickCode(column) != ui::mrOk)
            return;
        if (upper == QLatin1String("HPROJECTCOD"))
            nextRow = true;
        else
            SelectField(upper == QLatin1String("PROJECTCOD") ? QStringLiteral("AKoll")
                                                             : QStringLiteral("HKoll"));
    } else if (upper.contains(QLatin1String("TAFSILY"))) {
        const QString levels = readLevels(prefix);
        if (levels.contains(DetailLevel) && PickCode(column) != ui::mrOk)
            return;
        if (levels.contains(ProjectLevel))
            SelectField(prefix + QStringLiteral("ProjectCod"));
        else if (upper == QLatin1String("HTAFSILY"))
            nextRow = true;
        else
            SelectField(upper == QLatin1String("TAFSILY") ? QStringLiteral("AKoll")
                                                          : QStringLiteral("HKoll"));
    } else if (upper.contains(QLatin1String("KOLL")) || upper.contains(QLatin1String("MOEIN"))) {
        if (PickCode(column) != ui::mrOk) {
            Grid()->setFocus();
            return;
        }
        if (upper.contains(QLatin1String("KOLL"))) {
            SelectField(prefix + QStringLiteral("Moein"));
        } else {
            const QString levels = readLevels(prefix);
            if (levels.contains(DetailLevel))
                SelectField(prefix + QStringLiteral("Tafsily"));
            else if (levels.contains(ProjectLevel))
                SelectField(prefix + QStringLiteral("ProjectCod"));
            else if (upper == QLatin1String("HMOEIN"))
                nextRow = true;
            else
                SelectField(upper == QLatin1String("MOEIN") ? QStringLiteral("AKoll")
                                                            : QStringLiteral("HKoll"));
        }
    } else {
        SelectColumn(column + 1);
    }
    if (nextRow)
        goToNextRow();
    Grid()->setFocus();
}

void TTafsily2Form::dbg_DblClick() {
    const QString upper = SelectedFieldName().toUpper();
    const int column = Grid()->SelectedIndex();
    if (upper.contains(QLatin1String("PROJECTCOD"))) {
        if (readLevels(chainPrefix(upper)).contains(ProjectLevel))
            PickCode(column);
    } else if (isTafsilyColumn(upper)) {
        if (readLevels(chainPrefix(upper)).contains(DetailLevel))
            PickCode(column);
    } else if (pickerColumn(upper)) {
        PickCode(column);
    }
}

bool TTafsily2Form::pickerColumn(const QString& field) const {
    return Profile().IsPickerField(field);
}

int TTafsily2Form::PickCode(int Column) {
    const QString upper = ColumnFieldName(Column).toUpper();
    if (!quTafsily2->Active() || !pickerColumn(upper))
        return ui::mrCancel;
    if (upper == QLatin1String("TAFSILY2"))
        return pickGroup(field(CodeField));
    return pickAccount(upper, chainPrefix(upper));
}

int TTafsily2Form::pickGroup(data::TField* code) {
    const int length = options()->LenCodGrohTafsily2;
    const QString current = TGlobal::PadChar(code->DisplayText().left(length), QLatin1Char('0'), length);
    data::TADOQuery* picker = TempGridForm->quTemp;
    picker->Close();
    picker->SetConnection(MyDatabase->Connection());
    picker->SetSQL(MyDatabase->PickTafsily2Group(current, detail2Name()));
    const int result = TempGridForm->ShowModal();
    if (result != ui::mrOk)
        return result;
    quTafsily2->Edit();
    code->SetAsString(NextTafsily2Code(picker->FieldByName(QStringLiteral("Tafsily2GrohCod"))->AsString()));
    applyDefaults();
    return result;
}

int TTafsily2Form::pickAccount(const QString& upper, const QString& prefix) {
    TD_Global* company = options();
    data::TField* koll = field(prefix + QStringLiteral("Koll"));
    data::TField* moein = field(prefix + QStringLiteral("Moein"));
    data::TField* tafsily = field(prefix + QStringLiteral("Tafsily"));
    data::TField* project = field(prefix + QStringLiteral("ProjectCod"));
    const QString kollCode = TGlobal::PadBlank(koll->DisplayText(), koll->Size());
    const QString moeinCode = TGlobal::PadBlank(moein->DisplayText(), moein->Size());
    const QString group = SqlEscape(this->group());
    const bool isProject = upper.contains(QLatin1String("PROJECTCOD"));
    const bool isTafsily = isTafsilyColumn(upper);
    const bool isMoein = upper.contains(QLatin1String("MOEIN"));
    QString statement;
    if (isProject) {
        readLevels(prefix);
        statement = MyDatabase->PickProject(
            QStringLiteral("P"), kollCode, moeinCode,
            TGlobal::PadChar(project->DisplayText(), QLatin1Char('0'), project->Size()), company->NamProject,
            Levels.projectGroups, company->LenCodGrohProject, tafsily->DisplayText(), QString());
    } else if (isTafsily) {
        readLevels(prefix);
        statement = MyDatabase->PickTafsily(
            QStringLiteral("T"), kollCode, moeinCode,
            TGlobal::PadChar(tafsily->DisplayText(), QLatin1Char('0'), tafsily->Size()), Levels.tafsilyGroups,
            company->LenCodGrohTafsily);
    } else if (isMoein) {
        // Only subsidiary accounts that take detail-2 accounts, of this row's group or of any.
        statement = TGlobal::ReplaceFirst(
            MyDatabase->PickMoein(kollCode, moeinCode, company->NamTafsily2, company->NamProject),
            QStringLiteral("Order By Koll, Moein"),
            QStringLiteral("Where IsTafsily2='دارد' And (PatIndex('%") + group +
                QStringLiteral("%', GrohTafsily2) > 0 Or IsNull(GrohTafsily2, '')='') "),
            QStringLiteral("BLANK"));
    } else {
        // Only general accounts that have such a subsidiary account.
        statement = TGlobal::ReplaceFirst(
            MyDatabase->PickKoll(kollCode), QStringLiteral("Order By Koll"),
            QStringLiteral("Where Koll In (Select Koll From Moein Where PatIndex('%") + group +
                QStringLiteral("%', GrohTafsily2) > 0 Or IsNull(GrohTafsily2, '') = '') Order By Koll"),
            QStringLiteral("BLANK"));
    }
    data::TADOQuery* picker = TempGridForm->quTemp;
    picker->Close();
    picker->SetConnection(MyDatabase->Connection());
    picker->SetSQL(statement);
    const int result = TempGridForm->ShowModal();
    if (result != ui::mrOk)
        return result;
    const auto chosen = [picker](const char* name) {
        return picker->FieldByName(QLatin1String(name))->AsString();
    };
    const bool active = chosen("IsActive").trimmed() == Active;
    const auto refused = [](const QString& message) {
        ShowError(message);
        return ui::mrCancel;
    };
    if (!isProject && !isTafsily && !isMoein && !active)
        return refused(QStringLiteral("كد حساب كل غيرفعال مي باشد."));
    quTafsily2->Edit();
    if (isProject) {
        project->SetAsString(chosen("ProjectCod"));
        if (!active)
            return refused(QStringLiteral("كد ") + company->NamProject + QStringLiteral(" غيرفعال مي باشد."));
    } else if (isTafsily) {
        tafsily->SetAsString(chosen("Tafsily"));
        if (!active)
            return refused(QStringLiteral("كد حساب تفصيلي غيرفعال مي باشد."));
    } else if (isMoein) {
        koll->SetAsString(chosen("Koll"));
        moein->SetAsString(chosen("Moein"));
        if (!active)
            return refused(QStringLiteral("كد حساب معين غيرفعال مي باشد."));
        const QString hasNot = QStringLiteral("ندارد");
        if (chosen("IsTafsily1").trimmed() == hasNot)
            tafsily->SetAsString(QString());
        else if (chosen("IsProject").trimmed() == hasNot)
            project->SetAsString(QString());
    } else {
        koll->SetAsString(chosen("Koll"));
        moein->SetAsString(QString());
        tafsily->SetAsString(QString());
        project->SetAsString(QString());
    }
    return result;
}

} // namespace tarvand
