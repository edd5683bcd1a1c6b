#include "TPersonelForm.h"

#include "EDatabaseError.h"
#include "HostContext.h"
#include "PersianText.h"
#include "SqlEscape.h"
#include "TADOQuery.h"
#include "TColumn.h"
#include "TColumnTitle.h"
#include "TDBGrid.h"
#include "TD_Global.h"
#include "TField.h"
#include "TGlobal.h"
#include "TImageList.h"
#include "TInfoForm.h"
#include "TMenuItem.h"
#include "TPanel.h"
#include "TPopupMenu.h"
#include "TTempGridForm.h"

#include <QPainter>
#include <QPixmap>

namespace tarvand {

namespace {

constexpr ui::WORD EnterKey = 13;
constexpr ui::WORD EscapeKey = 27;
constexpr ui::WORD SpaceKey = 32;
constexpr ui::WORD EndKey = 35;
constexpr ui::WORD HomeKey = 36;
constexpr ui::WORD LeftKey = 37;
constexpr ui::WORD RightKey = 39;
constexpr ui::WORD DownKey = 40;

const QString CodeField = QStringLiteral("Code");
const QString NameField = QStringLiteral("Name");
const QString FamilyField = QStringLiteral("Family");
const QString UnitField = QStringLiteral("Vahd");
const QString ActivityField = QStringLiteral("ActionType");

// The chain's fields without a role prefix, by level.
const std::array<QString, TPersonelForm::LevelCount> AccountBases = {
    QStringLiteral("KOLL"), QStringLiteral("MOEIN"), QStringLiteral("TAFSILY"), QStringLiteral("TAFSILY2"),
    QStringLiteral("PROJECTCOD")};
// The word of the Moein's level string that says it carries a level below it.
const std::array<QString, TPersonelForm::LevelCount> LevelWords = {
    QString(), QString(), QStringLiteral("اول"), QStringLiteral("دوم"), QStringLiteral("سوم")};
// The code column of each account picker's rows.
const std::array<QString, TPersonelForm::LevelCount> PickedFields = {
    QStringLiteral("Koll"), QStringLiteral("Moein"), QStringLiteral("Tafsily"), QStringLiteral("Tafsily2"),
    QStringLiteral("ProjectCod")};

const QString DomesticPurchase = QStringLiteral("خريد داخلي");
const QString ForeignPurchase = QStringLiteral("خريد خارجي");
const QString BothPurchases = QStringLiteral("هر دو");

// Payroll's columns that this editor does not show, each with the value a new person gets.
const QStringList PayrollZeroFields = {
    QStringLiteral("Sex"),        QStringLiteral("Tax"),        QStringLiteral("Taahol"),
    QStringLiteral("Olad"),       QStringLiteral("Nezam"),      QStringLiteral("Tahsil"),
    QStringLiteral("Noe_employ"), QStringLiteral("Code_biemh"), QStringLiteral("Code_bank"),
    QStringLiteral("Tel"),        QStringLiteral("Noe_dar"),    QStringLiteral("Acc"),
    QStringLiteral("Depart"),     QStringLiteral("Resht_t"),    QStringLiteral("Resht_a"),
    QStringLiteral("Resteh"),     QStringLiteral("Floor"),      QStringLiteral("Grade"),
    QStringLiteral("Khdmat"),     QStringLiteral("Per_day"),    QStringLiteral("Perover"),
    QStringLiteral("Paydays"),    QStringLiteral("Semat"),      QStringLiteral("Okey"),
    QStringLiteral("K_snavat"),   QStringLiteral("Grade_kara"), QStringLiteral("Fullpadash"),
    QStringLiteral("Totmonth"),   QStringLiteral("Noe_kar")};

// The unit items of the submenu show by their picture whether the unit is selected; their tag is
// the unit's code above this base.
constexpr int SelectedImage = 16;
constexpr int UnselectedImage = 17;
constexpr int UnitTagBase = 1000;

const QString AccountHintTail = QStringLiteral(" (جهت صدور سند حسابداري) را وارد كنيد و يا با Enter و يا "
                                               "دوبار كليك كردن آنرا از جدول حسابها انتخاب كنيد");

EditorProfile personelProfile() {
    EditorProfile profile;
    profile.GridName = QStringLiteral("dbgPersonel");
    profile.DataSetName = QStringLiteral("quPersonel");
    profile.MenuName = QStringLiteral("pmPersonel");
    profile.Caption = QStringLiteral("تحويل گيرندگان");
    profile.TableName = QStringLiteral("Person");
    profile.CodeField = CodeField;
    profile.Constraint = QStringLiteral("PK_Person");
    profile.NameField = NameField;
    profile.NameCheckTable = QStringLiteral("Person");
    profile.DependProcedure = QStringLiteral("sp_Depended_Person");
    profile.KeyExpression = CodeField;
    profile.KeyField = CodeField;
    profile.FormCode = QStringLiteral("PERSONEL");
    // A person in use keeps what was typed over a refused renumbering, to be corrected.
    profile.CancelUsedCodeChange = false;
    // Titles that carry the editor's title or the company's level names, and every hint, are
    // completed when the editor is shown; the account columns are bound by the role code.
    profile.Columns = {
        {CodeField, QStringLiteral("كد"), 45, QString()},
        {NameField, QStringLiteral("نام تحويل دهندگان"), 170, QString()},
        {FamilyField, QStringLiteral("نام خانوادگي تحويل دهندگان"), 230, QString()},
        {UnitField, QStringLiteral("واحد سازماني"), 90, QString()},
        {ActivityField, QStringLiteral("نوع فعاليت"), 90, QString()},
        {AccountBases[0], QStringLiteral("كل"), 35, QString()},
        {AccountBases[1], QStringLiteral("معين"), 40, QString()},
        {AccountBases[2], QStringLiteral("تفصيلي"), 55, QString()},
        {AccountBases[3], QString(), 65, QString()},
        {AccountBases[4], QString(), 55, QString()},
    };
    // The account columns open their pickers too; their fields depend on the role code.
    profile.PickerFields = {UnitField};
    return profile;
}

std::unique_ptr<data::TADOQuery> personelQuery() {
    auto query = std::make_unique<data::TADOQuery>();
    query->SetSQL(QStringLiteral("Select * From Person "));
    return query;
}

// A tick in a box for a selected unit, the empty box for one that is not.
QPixmap unitPicture(bool selected) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.setBrush(Qt::white);
    painter.drawRect(2, 2, 11, 11);
    if (selected) {
        painter.setPen(QPen(QColor(0x10, 0x80, 0x20), 2));
        painter.drawPolyline(QPolygon({QPoint(4, 8), QPoint(7, 11), QPoint(12, 4)}));
    }
    return pixmap;
}

} // namespace

TPersonelForm::TPersonelForm()
    : TBaseEditorForm(personelProfile(), personelQuery()),
      quPersonel(static_cast<data::TADOQuery*>(DataSet())), accountFields_(AccountBases) {
    setupUi(this);
    SetName(QStringLiteral("PersonelForm"));
    BindGrid(dbgPersonel);
    // Editing is switched on cell by cell (SetColumnEditing).
    dbgPersonel->SetOptions(dbgPersonel->Options() & ~ui::dgEditing);
    for (const QString& field : AccountBases)
        dbgPersonel->Columns()->Items(ColumnOf(field))->SetVisible(false);
    dbgPersonel->OnCellClick = [this](ui::TColumn*) { SetColumnEditing(); };
    quPersonel->AfterPost = [this](data::TDataSet*) { quPersonel_AfterPost(); };
    quPersonel->OnPostError = [this](data::TDataSet* dataSet, EDatabaseError& error,
                                     data::TDataAction& action) {
        quPersonel_PostError(dataSet, error, action);
    };
}

TPersonelForm::~TPersonelForm() {
    quPersonel->AfterPost = nullptr;
    quPersonel->OnPostError = nullptr;
    if (PersonelForm == this)
        PersonelForm = nullptr;
}

void TPersonelForm::BindAccountColumns() {
    const bool plain = roleCode_ == QLatin1String("F") || roleCode_ == QLatin1String("N");
    for (int level = 0; level < LevelCount; ++level) {
        const QString field =
            plain ? AccountBases.at(level) : roleCode_ + QLatin1Char('_') + AccountBases.at(level);
        if (const int column = ColumnOf(accountFields_.at(level)); column >= 0)
            dbgPersonel->Columns()->Items(column)->SetFieldName(field);
        accountFields_.at(level) = field;
    }
}

QString TPersonelForm::companyKey() const {
    return Global->CompanyCode + Global->FiscalYear;
}

QString TPersonelForm::readSettings(const QString& column) {
    quTemp->Close();
    quTemp->SetSQL(QStringLiteral("Select ") + column + QStringLiteral(" From Options Where SCode='") +
                   SqlEscape(companyKey()) + QStringLiteral("'"));
    quTemp->Open();
    return quTemp->IsEmpty() ? QString() : quTemp->FieldByIndex(0)->AsString();
}

void TPersonelForm::ShowCaptions() {
    const QString settings = readSettings(QStringLiteral("Korvash"));
    namTafsily2_ = TGlobal::GetSetting(settings, QStringLiteral("NAMTAFSILY2"));
    namProject_ = TGlobal::GetSetting(settings, QStringLiteral("NAMPROJECT"));
    typeSarfaslCod_ = TGlobal::GetSetting(settings, QStringLiteral("TYPESARFASLCOD"));
    const auto caption = [this](const QString& field, const QString& text) {
        if (const int column = ColumnOf(field); column >= 0)
            dbgPersonel->Columns()->Items(column)->Title()->SetCaption(text);
    };
    caption(NameField, QStringLiteral("نام ") + title_);
    caption(FamilyField, QStringLiteral("نام خانوادگي ") + title_);
    caption(accountFields_[Tafsily2Level], namTafsily2_);
    caption(accountFields_[ProjectLevel], namProject_);
}

void TPersonelForm::PrepareEditor() {
    Global->ApplyTheme(this);
    Global->ApplyColumnState(quTemp, dbgPersonel, QStringLiteral("M"), QStringLiteral("SABT"),
                             QStringLiteral("PERSONAL"), QString());
}

TKorvObject::Settings TPersonelForm::CommandSettings() const {
    TKorvObject::Settings settings = TBaseEditorForm::CommandSettings();
    settings.Prog = QStringLiteral("M");
    settings.PropertyCaption = QStringLiteral("مشخصات گزارش [") + title_ + QStringLiteral("]");
    settings.ReportTitle = QStringLiteral("گزارش ") + title_ + Global->FiscalPeriodSuffix();
    return settings;
}

void TPersonelForm::StartUp() {
    MyDatabase->EnsureTableKey(QStringLiteral("CLUSTERED"), QStringLiteral("Person"),
                               QStringLiteral("PK_Person"), QStringList{CodeField}, 1);
    if (InfoForm != nullptr)
        pmGrid->SetImages(InfoForm->imPopup);
    // The menu is made anew on every show: the units may have changed meanwhile.
    pmGrid->Items()->Clear();
    GridCommands->Configure(CommandSettings());
    GridCommands->CreatePopupMenu();
    fillUnitMenu();
    quPersonel->Close();
    quPersonel->SetSQL(QStringLiteral("Select * From Person "));
    quPersonel->Open();
    UnitMenuClick(nullptr);
}

void TPersonelForm::fillUnitMenu() {
    if (ui::TImageList* images = pmGrid->Images(); images != nullptr && images->Count() == SelectedImage) {
        images->Add(unitPicture(true));
        images->Add(unitPicture(false));
    }
    unitMenu_ = new ui::TMenuItem();
    unitMenu_->SetCaption(QStringLiteral("واحدهاي سازماني"));
    auto* line = new ui::TMenuItem();
    line->SetCaption(QStringLiteral("-"));
    pmGrid->Items()->Insert(0, unitMenu_);
    pmGrid->Items()->Insert(1, line);

    const QString selection =
        QLatin1Char(',') +
        TGlobal::GetSetting(readSettings(QStringLiteral("Sdc")), roleCode_ + QStringLiteral("_DEP_VAHED")) +
        QLatin1Char(',');
    quTemp->Close();
    quTemp->SetSQL(QStringLiteral("Select Code_Field, Desk From Depart_1 Order By Code_Field"));
    quTemp->Open();
    for (quTemp->First(); !quTemp->Eof(); quTemp->Next()) {
        const int code = quTemp->FieldByIndex(0)->AsInteger();
        auto* item = new ui::TMenuItem();
        item->SetCaption(quTemp->FieldByIndex(1)->AsString());
        item->Tag = code + UnitTagBase;
        const bool selected = selection.contains(QLatin1Char(',') + QString::number(code) + QLatin1Char(','));
        item->SetImageIndex(selected ? SelectedImage : UnselectedImage);
        item->OnClick = [this, item](QObject*) { UnitMenuClick(item); };
        unitMenu_->Add(item);
    }
    unitMenu_->SetEnabled(unitMenu_->Count() > 0);
}

void TPersonelForm::UnitMenuClick(ui::TMenuItem* Item) {
    if (Item != nullptr)
        Item->SetImageIndex(Item->ImageIndex() == UnselectedImage ? SelectedImage : UnselectedImage);
    SaveUnitSelection();
    if (quPersonel->Active())
        dbgPersonel->setFocus();
}

void TPersonelForm::SaveUnitSelection() {
    QStringList codes;
    for (int index = 0; unitMenu_ != nullptr && index < unitMenu_->Count(); ++index) {
        const ui::TMenuItem* item = unitMenu_->Items(index);
        if (item->ImageIndex() == SelectedImage)
            codes << QString::number(item->Tag - UnitTagBase);
    }
    const QString settings =
        TGlobal::SetSetting(readSettings(QStringLiteral("Sdc")), roleCode_ + QStringLiteral("_DEP_VAHED"),
                            codes.join(QLatin1Char(',')));
    MyDatabase->ExecSql(QStringLiteral("Update Options Set Sdc = '") + SqlEscape(settings) +
                        QStringLiteral("' Where SCode='") + SqlEscape(companyKey()) + QStringLiteral("'"));
}

void TPersonelForm::quPersonel_AfterPost() {
    for (int index = 0; unitMenu_ != nullptr && index < unitMenu_->Count(); ++index) {
        ui::TMenuItem* item = unitMenu_->Items(index);
        if (QString::number(item->Tag - UnitTagBase) == postedUnit_)
            item->SetImageIndex(SelectedImage);
    }
    SaveUnitSelection();
}

int TPersonelForm::accountLevel(const QString& field) const {
    for (int level = 0; level < LevelCount; ++level) {
        if (field.compare(accountFields_.at(level), Qt::CaseInsensitive) == 0)
            return level;
    }
    return -1;
}

bool TPersonelForm::carried(int level) const {
    return level >= TafsilyLevel && level < LevelCount && levels_.levels.contains(LevelWords.at(level));
}

QString TPersonelForm::typedCode(int level) const {
    const data::TField* field =
        quPersonel->Active() ? quPersonel->FindField(accountFields_.at(level)) : nullptr;
    if (field == nullptr)
        return {};
    const QString text = field->DisplayText().trimmed();
    if (level <= MoeinLevel)
        return TGlobal::PadBlank(text, field->Size());
    return text.isEmpty() ? text : TGlobal::PadChar(text, QLatin1Char('0'), field->Size());
}

void TPersonelForm::refreshLevels() {
    levels_ = MyDatabase->ReadMoeinLevels(typedCode(KollLevel), typedCode(MoeinLevel));
}

void TPersonelForm::SetColumnEditing() {
    ui::TDBGridOptions options = dbgPersonel->Options() | ui::dgEditing;
    const QString field = SelectedFieldName();
    const int level = accountLevel(field);
    if (field.compare(ActivityField, Qt::CaseInsensitive) == 0) {
        options &= ~ui::dgEditing;
    } else if (level >= TafsilyLevel && quPersonel->Active()) {
        refreshLevels();
        if (!carried(level))
            options &= ~ui::dgEditing;
    }
    dbgPersonel->SetOptions(options);
}

QString TPersonelForm::HintLine(const QString& field) const {
    const QString upper = field.toUpper();
    if (upper == QLatin1String("CODE"))
        return QStringLiteral("   کد ") + title_ + QStringLiteral(" وارد شود");
    if (upper == QLatin1String("NAME"))
        return QStringLiteral("   نام ") + title_ + QStringLiteral(" وارد شود");
    if (upper == QLatin1String("FAMILY"))
        return QStringLiteral("   نام خانوادگي ") + title_ + QStringLiteral(" وارد شود");
    if (upper == QLatin1String("VAHD"))
        return QStringLiteral("   واحد سازماني ") + title_ + QStringLiteral(" وارد شود");
    if (upper == QLatin1String("ACTIONTYPE"))
        return QStringLiteral("   نوع فعاليت ") + title_ +
               QStringLiteral(" <خريد داخلي/خريد خارجي/هر دو> انتخاب شود");
    switch (accountLevel(field)) {
    case KollLevel:
        return QStringLiteral("   كد حساب كل ") + title_ + AccountHintTail;
    case MoeinLevel:
        return QStringLiteral("   كد حساب معين ") + title_ + AccountHintTail;
    case TafsilyLevel:
        return QStringLiteral("   كد حساب تفصيلي ") + title_ + AccountHintTail;
    case Tafsily2Level:
        return QStringLiteral("   كد حساب ") + namTafsily2_ + QLatin1Char(' ') + title_ + AccountHintTail;
    case ProjectLevel:
        return QStringLiteral("   كد ") + namProject_ + QLatin1Char(' ') + title_ + AccountHintTail;
    default:
        return {};
    }
}

void TPersonelForm::ShowHint(const QString& hint) {
    plStatus->SetCaption(hint);
}

void TPersonelForm::dbg_ColEnter() {
    TBaseEditorForm::dbg_ColEnter();
    SetColumnEditing();
}

void TPersonelForm::dbg_KeyPress(QObject*, QChar& Key) {
    Key = Global->NormalizeKey(Key);
    const QString field = SelectedFieldName();
    const bool digitsOnly = field.compare(CodeField, Qt::CaseInsensitive) == 0 ||
                            (accountLevel(field) >= 0 && typeSarfaslCod_ == QLatin1String("NUM"));
    if (digitsOnly && !TGlobal::KeyAllowed(QStringLiteral("NUM"), Key))
        Key = QChar();
}

void TPersonelForm::dbg_KeyDown(QObject*, ui::WORD& Key, ui::TShiftState) {
    dbgPersonel->SetOptions(dbgPersonel->Options() | ui::dgEditing);
    switch (Key) {
    case EscapeKey:
    case HomeKey:
    case EndKey:
    case DownKey:
    case LeftKey:
    case RightKey:
        return;
    case EnterKey: {
        // The walk below is all that Enter means here; a picker reads what the cell was given.
        Key = 0;
        dbgPersonel->UpdateData();
        const QString field = SelectedFieldName();
        if (const int level = accountLevel(field); level >= 0)
            enterAccount(level);
        else if (field.compare(UnitField, Qt::CaseInsensitive) != 0 ||
                 PickCode(dbgPersonel->SelectedIndex()) == ui::mrOk)
            nextColumn();
        // Whatever a picker or a message did with the focus, the keys come back to the grid.
        dbgPersonel->setFocus();
    } break;
    case SpaceKey:
        if (IsSelected(ActivityField)) {
            Key = 0;
            cycleActivity();
        }
        break;
    default:
        break;
    }
    SetColumnEditing();
}

void TPersonelForm::enterAccount(int level) {
    const int column = dbgPersonel->SelectedIndex();
    switch (level) {
    case KollLevel:
        if (PickCode(column) == ui::mrOk)
            SelectField(accountFields_[MoeinLevel]);
        return;
    case MoeinLevel:
        if (PickCode(column) != ui::mrOk)
            return;
        refreshLevels();
        selectCarried(TafsilyLevel);
        return;
    default:
        refreshLevels();
        if (carried(level) && PickCode(column) != ui::mrOk)
            return;
        selectCarried(level + 1);
    }
}

void TPersonelForm::selectCarried(int fromLevel) {
    for (int level = fromLevel; level < LevelCount; ++level) {
        if (carried(level)) {
            SelectField(accountFields_.at(level));
            return;
        }
    }
    nextRow();
}

void TPersonelForm::nextColumn() {
    // Columns the user's layout hides are passed over; after the last one shown the row is done.
    ui::TDBGridColumns* columns = dbgPersonel->Columns();
    for (int column = dbgPersonel->SelectedIndex() + 1; column < columns->Count(); ++column) {
        if (columns->Items(column)->Visible()) {
            SelectColumn(column);
            return;
        }
    }
    nextRow();
}

void TPersonelForm::nextRow() {
    if (quPersonel->Eof() || quPersonel->RecNo() == quPersonel->RecordCount())
        quPersonel->Append();
    else
        quPersonel->Next();
    SelectColumn(0);
}

void TPersonelForm::cycleActivity() {
    quPersonel->Edit();
    data::TField* activity = quPersonel->FieldByName(ActivityField);
    const QString value = activity->AsString().trimmed();
    if (value == DomesticPurchase)
        activity->SetAsString(ForeignPurchase);
    else if (value == ForeignPurchase)
        activity->SetAsString(BothPurchases);
    else if (value == BothPurchases)
        activity->SetAsString(QString());
    else
        activity->SetAsString(DomesticPurchase);
}

void TPersonelForm::dbg_DblClick() {
    SelectColumn(dbgPersonel->SelectedIndex());
    const QString field = SelectedFieldName();
    const int level = accountLevel(field);
    if (field.compare(ActivityField, Qt::CaseInsensitive) == 0) {
        cycleActivity();
    } else if (field.compare(UnitField, Qt::CaseInsensitive) == 0 || level == KollLevel ||
               level == MoeinLevel) {
        PickCode(dbgPersonel->SelectedIndex());
    } else if (level >= TafsilyLevel) {
        refreshLevels();
        if (carried(level))
            PickCode(dbgPersonel->SelectedIndex());
    }
}

int TPersonelForm::PickCode(int Column) {
    const QString field = ColumnFieldName(Column);
    if (field.compare(UnitField, Qt::CaseInsensitive) == 0)
        return pickUnit();
    const int level = accountLevel(field);
    return level >= 0 ? pickAccount(level) : ui::mrCancel;
}

int TPersonelForm::showPicker(const QString& statement) {
    data::TADOQuery* picker = TempGridForm->quTemp;
    picker->Close();
    picker->SetConnection(MyDatabase->Connection());
    picker->SetSQL(statement);
    const int result = TempGridForm->ShowModal();
    // The keys come back to the grid, whatever had the focus before the picker.
    dbgPersonel->setFocus();
    return result;
}

int TPersonelForm::pickUnit() {
    host::TTempGridForm& picker = *TempGridForm;
    picker.ClearSetup();
    picker.ColumnCount = 2;
    picker.ColumnTitles[0] = QStringLiteral("کد");
    picker.ColumnTitles[1] = QStringLiteral("نام واحد سازماني");
    picker.Caption_Panel->SetCaption(QStringLiteral("انتخاب واحد سازماني"));
    picker.ColumnWidths[0] = 40;
    picker.ColumnWidths[1] = 420;
    picker.KeyFields[0] = QStringLiteral("Code_field");
    picker.KeyValues[0] = FieldText(UnitField).trimmed();
    picker.OrderField = QStringLiteral("Code_field");
    picker.TableName = QStringLiteral("Depart_1");
    const int result =
        showPicker(QStringLiteral("Select Code_field, Desk From Depart_1 Order By Code_field"));
    if (result == ui::mrOk) {
        quPersonel->Edit();
        quPersonel->FieldByName(UnitField)->SetAsString(
            picker.quTemp->FieldByName(QStringLiteral("Code_field"))->AsString());
    }
    return result;
}

int TPersonelForm::pickAccount(int level) {
    const TD_Global* options = InfoForm != nullptr ? InfoForm->DGlobal : nullptr;
    const auto groupLength = [options](int TD_Global::*length) {
        return options != nullptr ? options->*length : 0;
    };
    QString statement;
    switch (level) {
    case KollLevel:
        statement = MyDatabase->PickKoll(typedCode(KollLevel));
        break;
    case MoeinLevel:
        statement =
            MyDatabase->PickMoein(typedCode(KollLevel), typedCode(MoeinLevel), namTafsily2_, namProject_);
        break;
    case TafsilyLevel:
        statement = MyDatabase->PickTafsily(QStringLiteral("T"), typedCode(KollLevel), typedCode(MoeinLevel),
                                            typedCode(TafsilyLevel), levels_.tafsilyGroups,
                                            groupLength(&TD_Global::LenCodGrohTafsily));
        break;
    case Tafsily2Level:
        statement = MyDatabase->PickTafsily2(QStringLiteral("T2"), typedCode(KollLevel),
                                             typedCode(MoeinLevel), FieldText(accountFields_[TafsilyLevel]),
                                             typedCode(Tafsily2Level), namTafsily2_, levels_.tafsily2Groups,
                                             groupLength(&TD_Global::LenCodGrohTafsily2));
        break;
    default:
        statement = MyDatabase->PickProject(
            QStringLiteral("P"), typedCode(KollLevel), typedCode(MoeinLevel), typedCode(ProjectLevel),
            namProject_, levels_.projectGroups, groupLength(&TD_Global::LenCodGrohProject),
            FieldText(accountFields_[TafsilyLevel]), FieldText(accountFields_[Tafsily2Level]));
        break;
    }
    const int result = showPicker(statement);
    if (result != ui::mrOk)
        return result;

    const data::TADOQuery* chosen = TempGridForm->quTemp;
    const auto picked = [chosen](const QString& field) { return chosen->FieldByName(field)->AsString(); };
    const bool active = picked(QStringLiteral("IsActive")).trimmed() == QStringLiteral("فعال");
    const auto set = [this](int at, const QString& value) {
        quPersonel->FieldByName(accountFields_.at(at))->SetAsString(value);
    };
    const std::array<QString, LevelCount> inactiveMessages = {
        QStringLiteral("كد حساب كل غيرفعال مي باشد."), QStringLiteral("كد حساب معين غيرفعال مي باشد."),
        QStringLiteral("كد حساب تفصيلي غيرفعال مي باشد."),
        QStringLiteral("كد حساب ") + namTafsily2_ + QStringLiteral(" غيرفعال مي باشد."),
        QStringLiteral("كد ") + namProject_ + QStringLiteral(" غيرفعال مي باشد.")};
    // An inactive general account is not taken; below it the choice stays written but is refused.
    if (level == KollLevel && !active) {
        ShowError(inactiveMessages[KollLevel]);
        return ui::mrCancel;
    }
    quPersonel->Edit();
    if (level == MoeinLevel)
        set(KollLevel, picked(PickedFields[KollLevel]));
    set(level, picked(PickedFields.at(level)));
    if (level == KollLevel) {
        for (int below = MoeinLevel; below < LevelCount; ++below)
            set(below, QString());
    }
    if (!active) {
        ShowError(inactiveMessages.at(level));
        return ui::mrCancel;
    }
    if (level == MoeinLevel) {
        const std::array<QString, 3> flags = {QStringLiteral("IsTafsily1"), QStringLiteral("IsTafsily2"),
                                              QStringLiteral("IsProject")};
        for (int below = 0; below < 3; ++below) {
            if (picked(flags.at(below)).trimmed() == QStringLiteral("ندارد")) {
                set(TafsilyLevel + below, QString());
                break;
            }
        }
    }
    return ui::mrOk;
}

void TPersonelForm::PadExtra() {
    const auto fill = [this](const QString& name, const QString& value) {
        data::TField* field = quPersonel->FindField(name);
        if (field != nullptr && field->AsString().trimmed().isEmpty())
            field->SetAsString(value);
    };
    for (const QString& name : PayrollZeroFields)
        fill(name, QStringLiteral("0"));
    fill(QStringLiteral("IsDelete"), QStringLiteral(" "));
    fill(QStringLiteral("irani"), QStringLiteral("0"));
    fill(QStringLiteral("maintax"), QStringLiteral("0"));
    fill(QStringLiteral("Name_F"), QStringLiteral("بدون نام"));

    for (int level = 0; level < LevelCount; ++level) {
        data::TField* field = quPersonel->FindField(accountFields_.at(level));
        if (field == nullptr)
            continue;
        const QString code = field->AsString();
        if (level <= MoeinLevel)
            field->SetAsString(TGlobal::PadBlank(code, field->Size()));
        else if (!code.trimmed().isEmpty())
            field->SetAsString(TGlobal::PadChar(code, QLatin1Char('0'), field->Size()));
    }
}

bool TPersonelForm::CheckRecord() {
    const QString field = ValidatePersonRow();
    if (!field.isEmpty()) {
        SelectField(field);
        return false;
    }
    postedUnit_ = FieldText(UnitField).trimmed();
    return true;
}

QString TPersonelForm::ValidatePersonRow() {
    if (FieldText(CodeField).trimmed().isEmpty()) {
        ShowError(QStringLiteral("كد ") + title_ + QStringLiteral(" وارد نشده است."));
        return CodeField;
    }
    const QString name = FieldText(NameField);
    if (name.trimmed().isEmpty()) {
        ShowError(QStringLiteral("نام ") + title_ + QStringLiteral(" وارد نشده است."));
        return NameField;
    }
    const QString family = FieldText(FamilyField);
    if (family.trimmed().isEmpty()) {
        ShowError(QStringLiteral("نام خانوادگي ") + title_ + QStringLiteral(" وارد نشده است."));
        return FamilyField;
    }
    const auto compact = [](const QString& text) { return PersianText::Stored(TGlobal::RemoveBlanks(text)); };
    if ((compact(name) != compact(OldName) || compact(family) != compact(oldFamily_)) &&
        MyDatabase->IsNameRepeated(QStringLiteral("Person"), QStringLiteral("Name+Family"), name + family)) {
        ShowError(QStringLiteral("نام ") + title_ + QStringLiteral(" تکراري مي باشد"));
        return NameField;
    }
    const QString unit = FieldText(UnitField).trimmed();
    if (unit.isEmpty()) {
        ShowError(QStringLiteral("واحد سازماني ") + title_ + QStringLiteral(" وارد نشده است"));
        pickUnit();
        return UnitField;
    }
    quTemp->Close();
    quTemp->SetSQL(QStringLiteral("Select Code_field, Desk From Depart_1 Where Code_field =") +
                   SqlEscape(unit));
    quTemp->Open();
    if (quTemp->IsEmpty()) {
        ShowError(QStringLiteral("واحد سازماني وجود ندارد"));
        pickUnit();
        return UnitField;
    }
    return {};
}

void TPersonelForm::ScrollExtra() {
    oldFamily_ = quPersonel->State() == data::TDataSetState::dsInsert ? QString() : FieldText(FamilyField);
}

void TPersonelForm::AppException(QObject*, const std::exception&) {}

void TPersonelForm::quPersonel_PostError(data::TDataSet*, EDatabaseError& E, data::TDataAction&) {
    const QString violation = QStringLiteral("Violation of PRIMARY KEY constraint 'PK_Person'");
    if (!E.Message.toUpper().contains(violation.toUpper()))
        return;
    ShowError(QStringLiteral("کد ") + title_ + QStringLiteral(" تکراري مي باشد. "));
    dbgPersonel->setFocus();
    SelectColumn(0);
}

} // namespace tarvand
