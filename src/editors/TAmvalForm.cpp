#include "TAmvalForm.h"

#include "BarcodeCommand.h"
#include "HostContext.h"
#include "ShowMsg.h"
#include "SqlEscape.h"
#include "TADOQuery.h"
#include "TADOTable.h"
#include "TApplication.h"
#include "TCodeSelectForm.h"
#include "TColumn.h"
#include "TColumnTitle.h"
#include "TDBGrid.h"
#include "TD_Global.h"
#include "TField.h"
#include "TFrmBatch.h"
#include "TGlobal.h"
#include "TInfoForm.h"
#include "TMenuItem.h"
#include "TMyDatabase.h"
#include "TMyDate.h"
#include "TPopupMenu.h"
#include "TTempGridForm.h"

namespace tarvand {

namespace {

const QString CodeField = QStringLiteral("DaraCod");
const QString NameField = QStringLiteral("DaraNam");
const QString RecipientsField = QStringLiteral("OTHERTAHVILCODE");
const QString MethodField = QStringLiteral("RaveshEst");
const QString DecliningField = QStringLiteral("Nozooli");
const QString YearsField = QStringLiteral("Salianeh");
const QString UseDateField = QStringLiteral("BahreDate");
const QString CostField = QStringLiteral("EndValue");
const QString AccumulatedField = QStringLiteral("Anbashteh");
const QString SalvageField = QStringLiteral("Esshat");
const QString PelakOldField = QStringLiteral("PelakOld");
const QString PelakNewField = QStringLiteral("PelakNew");

const QString NoDepreciation = QStringLiteral("ندارد");
const QString StraightLine = QStringLiteral("مستقيم");
const QString Declining = QStringLiteral("نزولي");
const QString FirstLevel = QStringLiteral("اول");
const QString SecondLevel = QStringLiteral("دوم");
const QString ThirdLevel = QStringLiteral("سوم");

const QStringList AmountFields = {DecliningField, YearsField, CostField, AccumulatedField, SalvageField};
// The codes of the base tables, in the order they are stored, with their lookups' name columns.
const QStringList BaseCodeFields = {QStringLiteral("VezCod"),   QStringLiteral("MadehCod"),
                                    QStringLiteral("MakanCod"), QStringLiteral("PersonelCod"),
                                    QStringLiteral("VazCod"),   QStringLiteral("SakhtarCod")};
const QStringList ChainPrefixes = {QStringLiteral("D"), QString(), QStringLiteral("H")};

const QString Dates = QStringLiteral("0000/00/00");
const QString Amounts = QStringLiteral("###,###,###,###,0");

QString chooseHint(const QString& what) {
    return QStringLiteral("   كد ") + what +
           QStringLiteral(" را وارد كنيد و يا با Enter و يا دوبار كليك كردن آنرا از جدول ");
}

// Hints of the general, subsidiary and detail columns of a chain, by the chain's own words.
QList<EditorColumn> chainColumns(const QString& prefix, const QString& chainName, const QString& kollTitle) {
    const auto hint = [&](const QString& level, const QString& table) {
        return QStringLiteral("   كد حساب ") + level + QLatin1Char(' ') + chainName +
               QStringLiteral(" را وارد كنيد و يا با Enter و يا دوبار كليك كردن آنرا از جدول ") + table +
               QStringLiteral(" انتخاب كنيد");
    };
    return {
        {prefix + QStringLiteral("Koll"), kollTitle, 30,
         hint(QStringLiteral("كل"), QStringLiteral("حسابها"))},
        {prefix + QStringLiteral("Moein"), QStringLiteral("معين"), 35,
         hint(QStringLiteral("معين"), QStringLiteral("حساب معين"))},
        {prefix + QStringLiteral("Tafsily"), QStringLiteral("تفصيلي"), 55,
         hint(QStringLiteral("تفصيلي"), QStringLiteral("حساب تفصيلي"))},
        {prefix + QStringLiteral("Tafsily2"), QString(), 60, QString()},
        {prefix + QStringLiteral("ProjectCod"), QString(), 55, QString()},
    };
}

EditorProfile amvalProfile() {
    EditorProfile profile;
    profile.GridName = QStringLiteral("dbgAmval");
    profile.DataSetName = QStringLiteral("tblAmval");
    profile.MenuName = QStringLiteral("pmAmval");
    profile.Caption = QStringLiteral("داراييها");
    profile.TableName = QStringLiteral("D_Amval");
    profile.CodeField = CodeField;
    profile.Constraint = QStringLiteral("PK_D_Amval");
    profile.NameField = NameField;
    profile.NameCheckTable = QStringLiteral("D_Amval");
    profile.DependProcedure = QStringLiteral("sp_D_Depended_AmvalCode");
    profile.KeyExpression = CodeField;
    profile.KeyField = CodeField;
    profile.FormCode = QStringLiteral("AMVAL");
    profile.ReportSubject = QStringLiteral("داراييها");
    profile.GuardCodeChange = false;
    profile.DuplicateCodeMessage = QStringLiteral("كد وارد شده تكراري مي باشد.");
    const auto lookupHint = [](const QString& what, const QString& table) {
        return chooseHint(what) + table + QStringLiteral(" انتخاب كنيد");
    };
    profile.Columns = {
        {CodeField, QStringLiteral("كد"), 70, QStringLiteral("   كد دارايي را وارد كنيد")},
        {NameField, QStringLiteral("نام دارايي"), 300, QStringLiteral("   نام دارايي را وارد كنيد")},
        {RecipientsField, QStringLiteral("ساير تحويل گيرندگان"), 110, QString()},
        {QStringLiteral("VezCod"), QStringLiteral("اظهارنامه"), 40,
         lookupHint(QStringLiteral("اظهارنامه"), QStringLiteral("اظهارنامه"))},
        {QStringLiteral("MadehCod"), QStringLiteral("ماده 151"), 40,
         lookupHint(QStringLiteral("ماده 151"), QStringLiteral("ماده 151"))},
        {MethodField, QStringLiteral("روش استهلاک"), 60,
         QStringLiteral(
             "   روش استهلاك (ندارد / مستقيم / نزولي) را با زدن كليد  SpaceBar و يا با دو بار كليك "
             "انتخاب كنيد")},
        {DecliningField, QStringLiteral("نزولي"), 40,
         QStringLiteral("   چنانچه روش استهلاك نزولي انتخاب شده است درصد نزولي استهلاك را وارد كنيد")},
        {YearsField, QStringLiteral("ساليانه"), 40,
         QStringLiteral("   چنانچه روش استهلاك ساليانه انتخاب شده است مقدار ساليانه استهلاك را وارد كنيد")},
        {UseDateField, QStringLiteral("بهره برداري"), 75,
         QStringLiteral("   تاريخ بهره برداري دارايي را وارد كنيد")},
        {CostField, QStringLiteral("بهاي تمام شده"), 125,
         QStringLiteral("   بهاي تمام شده دارايي را وارد كنيد")},
        {QStringLiteral("GarantiEnd"), QStringLiteral("اتمام گارانتي"), 75, QString()},
        {AccumulatedField, QStringLiteral("استهلاک انباشته"), 125,
         QStringLiteral("   ذخيره استهلاك انباشته دارايي را وارد كنيد")},
        {SalvageField, QStringLiteral("ارزش اسقاط"), 115,
         QStringLiteral("   ارزش اسقاط دارايي را وارد كنيد")},
        {QStringLiteral("MakanCod"), QStringLiteral("مكان استقرار"), 45,
         lookupHint(QStringLiteral("مكان استقرار"), QStringLiteral("مكان استقرار دارايي"))},
        {QStringLiteral("PersonelCod"), QStringLiteral("تحويل گيرنده"), 55,
         lookupHint(QStringLiteral("تحويل گيرندگان دارايي"), QStringLiteral("تحويل گيرندگان دارايي"))},
        {QStringLiteral("VazCod"), QStringLiteral("وضعيت"), 40,
         lookupHint(QStringLiteral("وضعيت دارايي"), QStringLiteral("وضعيت دارايي"))},
        {QStringLiteral("SakhtarCod"), QStringLiteral("مشخصات"), 45,
         lookupHint(QStringLiteral("مشخصه دارايي"), QStringLiteral("مشخصه دارايي"))},
        {PelakOldField, QStringLiteral("پلاک قديم"), 75, QStringLiteral("   پلاك قديم دارايي را وارد كنيد")},
        {PelakNewField, QStringLiteral("پلاک جديد"), 75, QStringLiteral("   پلاك جديد دارايي را وارد كنيد")},
        {QStringLiteral("MadeDate"), QStringLiteral("خريد/ساخت"), 75,
         QStringLiteral("   تاريخ خريد و يا ساخت دارايي را وارد كنيد")},
    };
    profile.Columns +=
        chainColumns(QStringLiteral("D"), QStringLiteral("داراييهاي ثابت"), QStringLiteral("كل"));
    profile.Columns += chainColumns(QString(), QStringLiteral("استهلاک انباشته"), QStringLiteral("كل"));
    profile.Columns +=
        chainColumns(QStringLiteral("H"), QStringLiteral("هزينه استهلاک"), QStringLiteral("کل"));
    profile.PickerFields = BaseCodeFields + QStringList{MethodField};
    for (const QString& prefix : ChainPrefixes) {
        for (const char* level : {"Koll", "Moein", "Tafsily", "Tafsily2", "ProjectCod"})
            profile.PickerFields << prefix + QLatin1String(level);
    }
    return profile;
}

const TD_Global& options() {
    return *InfoForm->DGlobal;
}

// The level a detail column holds ("TAFSILY2" is tested before "TAFSILY"), empty for others.
QString levelOf(const QString& upper) {
    if (upper.contains(QLatin1String("PROJECTCOD")))
        return ThirdLevel;
    if (upper.contains(QLatin1String("TAFSILY2")))
        return SecondLevel;
    if (upper.contains(QLatin1String("TAFSILY")))
        return FirstLevel;
    return {};
}

bool isAccountColumn(const QString& upper) {
    return upper.contains(QLatin1String("KOLL")) || upper.contains(QLatin1String("MOEIN")) ||
           !levelOf(upper).isEmpty();
}

bool isBaseCode(const QString& upper) {
    return BaseCodeFields.contains(upper, Qt::CaseInsensitive);
}

// The plain level name of an account column, as the account pickers take it.
QString plainLevel(const QString& upper) {
    if (const QString level = levelOf(upper); !level.isEmpty())
        return level == ThirdLevel    ? QStringLiteral("PROJECTCOD")
               : level == SecondLevel ? QStringLiteral("TAFSILY2")
                                      : QStringLiteral("TAFSILY");
    return upper.contains(QLatin1String("KOLL")) ? QStringLiteral("KOLL") : QStringLiteral("MOEIN");
}

QString chainPrefix(const QString& upper) {
    if (upper.contains(QLatin1Char('H')))
        return QStringLiteral("H");
    return upper.startsWith(QLatin1Char('D')) ? QStringLiteral("D") : QString();
}

} // namespace

TAmvalForm::TAmvalForm()
    : TBaseEditorForm(amvalProfile(), std::make_unique<data::TADOTable>()),
      tblAmval(static_cast<data::TADOTable*>(DataSet())), BatchItem(new ui::TMenuItem(this)),
      BarcodeItem(new ui::TMenuItem(this)) {
    setupUi(this);
    SetName(QStringLiteral("AmvalForm"));
    BatchItem->SetCaption(QStringLiteral("معرفي دسته اي داراييها"));
    BatchItem->SetImageIndex(23);
    BatchItem->OnClick = [this](QObject* sender) { BatchMenuClick(sender); };
    BarcodeItem->SetCaption(QStringLiteral("چاپ باركد ..."));
    BarcodeItem->SetImageIndex(13);
    BarcodeItem->SetShortCut(QKeySequence(Qt::CTRL | Qt::Key_N));
    BarcodeItem->OnClick = [this](QObject* sender) { BarcodeMenuClick(sender); };
    // The further recipients live in the record buffer only: nothing stores the list.
    tblAmval->AddCalcField(RecipientsField, data::TFieldType::ftString, 50);
    tblAmval->BeforeEdit = [this](data::TDataSet*) {
        RememberedPelakNew = tblAmval->FieldByName(PelakNewField)->AsString();
        RememberedPelakOld = tblAmval->FieldByName(PelakOldField)->AsString();
    };
    tblAmval->AfterPost = [this](data::TDataSet*) { ShowTotals(); };
    tblAmval->AfterDelete = [this](data::TDataSet*) {
        tbl_AfterDelete();
        ShowTotals();
    };
    BindGrid(dbgAmval);
}

TAmvalForm::~TAmvalForm() {
    tblAmval->BeforeEdit = nullptr;
    tblAmval->AfterPost = nullptr;
    tblAmval->AfterDelete = nullptr;
    if (AmvalForm == this)
        AmvalForm = nullptr;
}

void TAmvalForm::MenuExtra() {
    ui::TMenuItem* menu = pmGrid->Items();
    menu->Add(BatchItem);
    // The barcode command goes three places after the first item with picture 0.
    int place = menu->Count();
    for (int index = 0; index < menu->Count(); ++index)
        if (menu->Items(index)->ImageIndex() == 0) {
            place = index + 3;
            break;
        }
    menu->Insert(place, BarcodeItem);
}

void TAmvalForm::BatchMenuClick(QObject*) {
    // The grid is not refreshed: the new assets show when the register is opened again.
    TFrmBatch::Execute();
}

void TAmvalForm::BarcodeMenuClick(QObject*) {
    BarcodeCommand::Run();
}

void TAmvalForm::ShowCaptions() {
    for (const QString& prefix : ChainPrefixes) {
        if (const int column = ColumnOf(prefix + QStringLiteral("Tafsily2")); column >= 0)
            dbgAmval->Columns()->Items(column)->Title()->SetCaption(options().NamTafsily2);
        if (const int column = ColumnOf(prefix + QStringLiteral("ProjectCod")); column >= 0)
            dbgAmval->Columns()->Items(column)->Title()->SetCaption(options().NamProject);
    }
}

void TAmvalForm::PrepareExtra() {
    if (tblAmval->Active()) {
        for (const QString& name : {UseDateField, QStringLiteral("GarantiEnd"), QStringLiteral("MadeDate")})
            tblAmval->FieldByName(name)->SetEditMask(Dates);
        for (const QString& name : {CostField, AccumulatedField, SalvageField})
            tblAmval->FieldByName(name)->SetDisplayFormat(Amounts);
    }
    ShowTotals();
}

QString TAmvalForm::HintLine(const QString& field) const {
    const QString upper = field.toUpper();
    const QString level = levelOf(upper);
    if (level != SecondLevel && level != ThirdLevel)
        return TBaseEditorForm::HintLine(field);
    const QString prefix = chainPrefix(upper);
    const QString chain = prefix == QLatin1String("D")   ? QStringLiteral(" داراييهاي ثابت")
                          : prefix == QLatin1String("H") ? QStringLiteral(" هزينه استهلاک")
                                                         : QStringLiteral(" استهلاک انباشته");
    const bool detail2 = level == SecondLevel;
    const QString name = detail2 ? options().NamTafsily2 : options().NamProject;
    const QString account = detail2 ? QStringLiteral("حساب ") : QString();
    return QStringLiteral("   كد ") + account + name + chain +
           QStringLiteral(" را وارد كنيد و يا با Enter و يا دوبار كليك كردن آنرا از جدول ") + account + name +
           QStringLiteral(" انتخاب كنيد");
}

QString TAmvalForm::SiblingField(const QString& column, const QString& base) {
    return chainPrefix(column.toUpper()) + base;
}

QString TAmvalForm::typedCode(const QString& field, QChar padding) const {
    const data::TField* found = tblAmval->Active() ? tblAmval->FindField(field) : nullptr;
    return found != nullptr ? TGlobal::PadChar(found->DisplayText().trimmed(), padding, found->Size())
                            : QString();
}

void TAmvalForm::readMoeinLevels(const QString& column) {
    const MoeinLevels levels = MyDatabase->ReadMoeinLevels(
        typedCode(SiblingField(column, QStringLiteral("KOLL")), QLatin1Char(' ')),
        typedCode(SiblingField(column, QStringLiteral("MOEIN")), QLatin1Char(' ')));
    LevelSet = levels.levels;
    GrohTafsily = levels.tafsilyGroups;
    GrohTafsily2 = levels.tafsily2Groups;
    GrohProject = levels.projectGroups;
}

void TAmvalForm::setEditing(bool on) {
    ui::TDBGridOptions gridOptions = dbgAmval->Options();
    gridOptions.setFlag(ui::dgEditing, on);
    if (gridOptions != dbgAmval->Options())
        dbgAmval->SetOptions(gridOptions);
}

void TAmvalForm::SetColumnEditing() {
    if (parentWidget() != nullptr && !parentWidget()->isEnabled())
        return;
    const QString upper = SelectedFieldName().toUpper();
    const QString method = FieldText(MethodField).trimmed();
    bool editable = true;
    if (upper == QLatin1String("RAVESHEST")) {
        editable = false;
    } else if (upper == QLatin1String("NOZOOLI")) {
        editable = method == Declining;
    } else if (upper == QLatin1String("SALIANEH")) {
        editable = method == StraightLine;
    } else if (upper == QLatin1String("ENDVALUE") || upper == QLatin1String("ANBASHTEH") ||
               upper == QLatin1String("ESSHAT")) {
        const data::TField* useDate = tblAmval->Active() ? tblAmval->FindField(UseDateField) : nullptr;
        const QString date = useDate != nullptr ? useDate->AsString() : QString();
        if (date.trimmed().isEmpty() || date < options().CompanyStartDate) {
            editable = upper == QLatin1String("ENDVALUE") || method != NoDepreciation;
        } else {
            editable = false;
            dbgAmval->setFocus();
        }
    } else if (const QString level = levelOf(upper); !level.isEmpty()) {
        readMoeinLevels(upper);
        editable = carries(level);
    }
    setEditing(editable);
}

void TAmvalForm::dbg_ColEnter() {
    TBaseEditorForm::dbg_ColEnter();
    SetColumnEditing();
}

void TAmvalForm::ScrollExtra() {
    showNames();
    // The cells follow the method, date and accounts of the row reached, not of the row left.
    SetColumnEditing();
}

void TAmvalForm::dbg_KeyPress(QObject*, QChar& Key) {
    if (Key.unicode() == ui::VK_BACK)
        return;
    Key = Global->NormalizeKey(Key);
    const QString upper = SelectedFieldName().toUpper();
    QString mode;
    if (upper == QLatin1String("DARACOD"))
        mode = options().TypeDaraCod;
    else if (isBaseCode(upper))
        mode = QStringLiteral("NUM");
    else if (isAccountColumn(upper))
        mode = options().TypeSarfaslCod;
    if (!mode.isEmpty() && !TGlobal::KeyAllowed(mode, Key))
        Key = QChar();
}

void TAmvalForm::dbg_KeyDown(QObject*, ui::WORD& Key, ui::TShiftState) {
    setEditing(true);
    RecipientList.clear();
    if (Key == ui::VK_UP || Key == ui::VK_DOWN || Key == ui::VK_INSERT)
        return;
    if (Key == ui::VK_SPACE && IsSelected(MethodField)) {
        Key = 0;
        cycleMethod();
    } else if (Key == ui::VK_RETURN) {
        // The walk below is all that Enter means here.
        Key = 0;
        const QString field = SelectedFieldName();
        const QString upper = field.toUpper();
        bool handled = true;
        bool nextRow = false;
        const auto levelDone = [&](const QString& level) {
            return !carries(level) || pickField(field) == ui::mrOk;
        };
        if (upper.contains(QLatin1String("PROJECTCOD"))) {
            if (levelDone(ThirdLevel))
                leaveChain(upper, nextRow);
        } else if (upper.contains(QLatin1String("TAFSILY2"))) {
            if (levelDone(SecondLevel)) {
                if (carries(ThirdLevel))
                    SelectField(SiblingField(upper, QStringLiteral("PROJECTCOD")));
                else
                    leaveChain(upper, nextRow);
            }
        } else if (upper.contains(QLatin1String("TAFSILY"))) {
            if (levelDone(FirstLevel)) {
                if (carries(SecondLevel))
                    SelectField(SiblingField(upper, QStringLiteral("TAFSILY2")));
                else if (carries(ThirdLevel))
                    SelectField(SiblingField(upper, QStringLiteral("PROJECTCOD")));
                else
                    leaveChain(upper, nextRow);
            }
        } else if (upper == QLatin1String("OTHERTAHVILCODE")) {
            chooseRecipients();
        } else if (upper.contains(QLatin1String("KOLL"))) {
            if (pickField(field) == ui::mrOk)
                SelectField(SiblingField(upper, QStringLiteral("MOEIN")));
        } else if (upper.contains(QLatin1String("MOEIN"))) {
            if (pickField(field) == ui::mrOk) {
                readMoeinLevels(upper);
                if (carries(FirstLevel))
                    SelectField(SiblingField(upper, QStringLiteral("TAFSILY")));
                else if (carries(SecondLevel))
                    SelectField(SiblingField(upper, QStringLiteral("TAFSILY2")));
                else if (carries(ThirdLevel))
                    SelectField(SiblingField(upper, QStringLiteral("PROJECTCOD")));
                else
                    leaveChain(upper, nextRow);
            }
        } else if (upper == QLatin1String("RAVESHEST")) {
            const QString method = FieldText(MethodField).trimmed();
            SelectField(method == StraightLine ? YearsField
                        : method == Declining  ? DecliningField
                                               : UseDateField);
        } else if (upper == QLatin1String("BAHREDATE") || upper == QLatin1String("MADEDATE")) {
            enterDate(upper == QLatin1String("BAHREDATE"));
        } else if (isBaseCode(upper)) {
            if (pickField(field) == ui::mrOk)
                SelectColumn(dbgAmval->SelectedIndex() + 1);
            dbgAmval->setFocus();
        } else {
            handled = false;
        }
        if (nextRow) {
            if (tblAmval->Eof() || tblAmval->RecNo() == tblAmval->RecordCount())
                tblAmval->Append();
            else
                tblAmval->Next();
            SelectColumn(0);
        } else if (!handled) {
            SelectColumn(dbgAmval->SelectedIndex() + 1);
        }
        dbgAmval->setFocus();
    }
    SetColumnEditing();
}

void TAmvalForm::leaveChain(const QString& column, bool& nextRow) {
    const QString prefix = chainPrefix(column);
    if (prefix == QLatin1String("H"))
        nextRow = true;
    else
        SelectField(prefix == QLatin1String("D") ? QStringLiteral("KOLL") : QStringLiteral("HKOLL"));
}

void TAmvalForm::enterDate(bool resetsCost) {
    const QString typed = dbgAmval->EditorMode() ? dbgAmval->EditText() : FieldText(SelectedFieldName());
    if (!MyDate->IsValidDate(typed)) {
        ShowError(QStringLiteral("تاريخ وارد شده اشكال دارد"));
        dbgAmval->setFocus();
        return;
    }
    dbgAmval->UpdateData();
    if (resetsCost && tblAmval->FieldByName(UseDateField)->AsString() > options().CompanyStartDate) {
        tblAmval->Edit();
        tblAmval->FieldByName(CostField)->SetAsString(QStringLiteral("0"));
    }
    SelectColumn(dbgAmval->SelectedIndex() + 1);
    dbgAmval->setFocus();
}

void TAmvalForm::cycleMethod() {
    setEditing(false);
    if (!tblAmval->Active() || tblAmval->IsEmpty())
        return;
    tblAmval->Edit();
    const QString method = FieldText(MethodField).trimmed();
    QStringList zeroed;
    if (method == StraightLine) {
        tblAmval->FieldByName(MethodField)->SetAsString(Declining);
        zeroed = {YearsField};
    } else if (method == Declining) {
        tblAmval->FieldByName(MethodField)->SetAsString(NoDepreciation);
        zeroed = {DecliningField, YearsField, AccumulatedField, SalvageField};
    } else {
        tblAmval->FieldByName(MethodField)->SetAsString(StraightLine);
        zeroed = {DecliningField};
    }
    for (const QString& name : zeroed)
        tblAmval->FieldByName(name)->SetAsInteger(0);
}

void TAmvalForm::dbg_DblClick() {
    const QString field = SelectedFieldName();
    const QString upper = field.toUpper();
    if (upper == QLatin1String("RAVESHEST")) {
        ui::WORD key = ui::VK_SPACE;
        dbg_KeyDown(dbgAmval, key, Qt::NoModifier);
        return;
    }
    // Selecting the column again writes the cell being edited.
    SelectColumn(dbgAmval->SelectedIndex());
    dbgAmval->UpdateData();
    if (isBaseCode(upper) || upper.contains(QLatin1String("KOLL")) ||
        upper.contains(QLatin1String("MOEIN"))) {
        pickField(field);
    } else if (const QString level = levelOf(upper); !level.isEmpty()) {
        readMoeinLevels(upper);
        if (carries(level))
            pickField(field);
    }
}

int TAmvalForm::PickCode(int Column) {
    return pickField(ColumnFieldName(Column));
}

int TAmvalForm::pickField(const QString& field) {
    const QString upper = field.toUpper();
    if (!tblAmval->Active() || TempGridForm == nullptr)
        return ui::mrCancel;
    if (isBaseCode(upper))
        return pickBaseCode(field);
    if (!isAccountColumn(upper))
        return ui::mrCancel;
    return InfoForm->DGlobal->PickChainAccount(
        dbgAmval, plainLevel(upper), AccountChain::Prefixed(chainPrefix(upper)), GrohTafsily, GrohTafsily2,
        GrohProject, TD_Global::LevelClearing::FirstMissingLevel);
}

int TAmvalForm::pickBaseCode(const QString& field) {
    dbgAmval->UpdateData();
    const QString upper = field.toUpper();
    const QString typed = typedCode(field, QLatin1Char(' '));
    const TD_Global& global = options();
    QString statement;
    // What each lookup hands back: the fields written from its row and the box showing the name.
    QList<std::pair<QString, QString>> copied;
    ui::TEdit* nameBox = nullptr;
    QString nameColumn;
    if (upper == QLatin1String("VEZCOD")) {
        statement = global.SetupVezaratLookup(typed);
        nameBox = VezaratEdit;
        nameColumn = QStringLiteral("VezNam");
    } else if (upper == QLatin1String("MADEHCOD")) {
        statement = global.SetupMadeh151Lookup(typed);
        copied = {{DecliningField, DecliningField},
                  {YearsField, YearsField},
                  {MethodField, QStringLiteral("Sharh")}};
        nameBox = txtMadehNam;
        nameColumn = QStringLiteral("MadehNam");
    } else if (upper == QLatin1String("MAKANCOD")) {
        statement = global.SetupMakanLookup(typed);
        nameBox = MakanEdit;
        nameColumn = QStringLiteral("MakanNam");
    } else if (upper == QLatin1String("PERSONELCOD")) {
        statement = global.SetupPersonelLookup(typed);
        nameBox = PersonelEdit;
        nameColumn = QStringLiteral("PersonelNam");
    } else if (upper == QLatin1String("VAZCOD")) {
        statement = global.SetupVazDaraeLookup(typed);
        nameBox = VazDaraeEdit;
        nameColumn = QStringLiteral("VazNam");
    } else {
        statement = global.SetupSakhtarLookup(typed);
        nameBox = SakhtarEdit;
        nameColumn = QStringLiteral("SakhtarNam");
    }
    data::TADOQuery* picker = TempGridForm->quTemp;
    picker->Close();
    picker->SetConnection(MyDatabase->Connection());
    picker->SetSQL(statement);
    const int result = TempGridForm->ShowModal();
    if (result != ui::mrOk)
        return result;
    tblAmval->Edit();
    data::TField* code = tblAmval->FieldByName(field);
    code->SetAsString(picker->FieldByName(code->FieldName())->AsString());
    for (const auto& [target, source] : copied)
        tblAmval->FieldByName(target)->SetValue(picker->FieldByName(source)->Value());
    nameBox->SetText(picker->FieldByName(nameColumn)->AsString());
    return result;
}

void TAmvalForm::chooseRecipients() {
    if (CodeSelectForm == nullptr)
        ui::Application->CreateForm(CodeSelectForm);
    CodeSelectForm->SourceTable = QStringLiteral("Person");
    CodeSelectForm->Selection = FieldText(RecipientsField);
    if (CodeSelectForm->ShowModal() == ui::mrOk && tblAmval->Active()) {
        tblAmval->Edit();
        const QString selection = CodeSelectForm->Selection;
        data::TField* recipients = tblAmval->FieldByName(RecipientsField);
        recipients->SetAsString(selection);
        RecipientList = selection;
        if (selection.contains(QLatin1Char(',')))
            recipients->SetAsString(selection.section(QLatin1Char(','), 0, 0));
        tblAmval->Post();
    }
    delete CodeSelectForm;
    CodeSelectForm = nullptr;
}

void TAmvalForm::PadExtra() {
    const auto padAll = [this](const QStringList& names, QChar padding, bool keepEmpty) {
        for (const QString& name : names) {
            data::TField* field = tblAmval->FieldByName(name);
            const QString text = field->DisplayText().trimmed();
            if (keepEmpty && text.isEmpty())
                continue;
            field->SetAsString(TGlobal::PadChar(text, padding, field->Size()));
        }
    };
    for (const QString& name : AmountFields) {
        data::TField* field = tblAmval->FieldByName(name);
        if (field->IsNull())
            field->SetAsInteger(0);
    }
    padAll(BaseCodeFields, QLatin1Char(' '), false);
    for (const QString& prefix : ChainPrefixes) {
        padAll({prefix + QStringLiteral("Koll"), prefix + QStringLiteral("Moein")}, QLatin1Char(' '), false);
        padAll({prefix + QStringLiteral("Tafsily"), prefix + QStringLiteral("Tafsily2"),
                prefix + QStringLiteral("ProjectCod")},
               QLatin1Char('0'), true);
    }
    if (!RecipientList.isEmpty())
        tblAmval->FieldByName(RecipientsField)->SetAsString(RecipientList);
}

bool TAmvalForm::CheckRecord() {
    return !PlateIsDuplicate();
}

bool TAmvalForm::PlateIsDuplicate() {
    const bool editing = tblAmval->State() == data::TDataSetState::dsEdit;
    const auto taken = [&](const QString& field, const QString& remembered) {
        const QString tag = tblAmval->FieldByName(field)->AsString().trimmed();
        const int own = editing && remembered.trimmed() == tag ? 1 : 0;
        quTemp->Close();
        quTemp->SetSQL(QStringLiteral(" Select Count(*) As X From ") + tblAmval->TableName() +
                       QStringLiteral(" Where ") + QStringLiteral(" LTrim(RTrim(") + field +
                       QStringLiteral(")) = '") + SqlEscape(tag) + QStringLiteral("'"));
        quTemp->Open();
        return !tag.isEmpty() && quTemp->FieldByName(QStringLiteral("X"))->AsInteger() > own;
    };
    if (taken(PelakOldField, RememberedPelakOld)) {
        ShowMsgPlain(QStringLiteral("شماره پلاك قديمي تكراري است !"));
        return true;
    }
    if (taken(PelakNewField, RememberedPelakNew)) {
        ShowMsgPlain(QStringLiteral("شماره پلاك جديد تكراري است !"));
        return true;
    }
    return false;
}

void TAmvalForm::showNames() {
    const auto code = [this](const QString& field) { return SqlEscape(FieldText(field)); };
    quTemp->Close();
    quTemp->SetSQL(QStringLiteral("Select (Select Top 1 VezNam From D_Vezarat Where VezCod = '") +
                   code(QStringLiteral("VezCod")) + QStringLiteral("')     As VezNam, ") +
                   QStringLiteral("(Select Top 1 MadehNam   From D_Madeh151    Where MadehCod  = '") +
                   code(QStringLiteral("MadehCod")) + QStringLiteral("')   As MadehNam, ") +
                   QStringLiteral("(Select Top 1 MakanNam   From D_Makan       Where MakanCod  = '") +
                   code(QStringLiteral("MakanCod")) + QStringLiteral("')   As MakanNam, ") +
                   QStringLiteral("(Select Top 1 [Name]+' '+Family From Person Where Code      = '") +
                   code(QStringLiteral("PersonelCod")) + QStringLiteral("')As PersonName, ") +
                   QStringLiteral("(Select Top 1 VazNam     From D_VazDarae    Where VazCod    = '") +
                   code(QStringLiteral("VazCod")) + QStringLiteral("')     As VazNam, ") +
                   QStringLiteral("(Select Top 1 SakhtarNam From D_Sakhtar     Where SakhtarCod= '") +
                   code(QStringLiteral("SakhtarCod")) + QStringLiteral("') As SakhtarNam "));
    quTemp->Open();
    const std::pair<ui::TEdit*, const char*> boxes[] = {
        {VezaratEdit, "VezNam"},      {txtMadehNam, "MadehNam"}, {MakanEdit, "MakanNam"},
        {PersonelEdit, "PersonName"}, {VazDaraeEdit, "VazNam"},  {SakhtarEdit, "SakhtarNam"}};
    for (const auto& [box, column] : boxes)
        box->SetText(quTemp->FieldByName(QLatin1String(column))->AsString());
}

void TAmvalForm::ShowTotals() {
    quTemp->Close();
    quTemp->SetSQL(
        QStringLiteral("Select Sum(EndValue) As EndValue, Sum(Anbashteh) As Anbashteh, Sum(Esshat) As "
                       "Esshat From D_Amval "));
    quTemp->Open();
    const std::pair<ui::TEdit*, const char*> boxes[] = {
        {txtEndFee, "EndValue"}, {txtEstAnbashteh, "Anbashteh"}, {txtArzhenAsgat, "Esshat"}};
    for (const auto& [box, column] : boxes)
        box->SetText(TGlobal::FormatAmount(
            QString::number(quTemp->FieldByName(QLatin1String(column))->AsFloat(), 'f', 0)));
}

} // namespace tarvand
