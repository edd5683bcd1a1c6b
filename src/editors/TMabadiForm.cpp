#include "TMabadiForm.h"

#include "HostContext.h"
#include "TADOTable.h"
#include "TColumn.h"
#include "TColumnTitle.h"
#include "TDBGrid.h"
#include "TD_Global.h"
#include "TField.h"
#include "TGlobal.h"
#include "TInfoForm.h"
#include "TMyDatabase.h"

namespace tarvand {

namespace {

const QString CodeField = QStringLiteral("MabadiCod");
const QString NameField = QStringLiteral("MabadiNam");
const QString KollField = QStringLiteral("Koll");
const QString MoeinField = QStringLiteral("Moein");
const QString TafsilyField = QStringLiteral("Tafsily");
const QString Tafsily2Field = QStringLiteral("Tafsily2");
const QString ProjectField = QStringLiteral("ProjectCod");

const QString FirstLevel = QStringLiteral("اول");
const QString SecondLevel = QStringLiteral("دوم");
const QString ThirdLevel = QStringLiteral("سوم");

EditorProfile mabadiProfile() {
    EditorProfile profile;
    profile.GridName = QStringLiteral("dbgMabadi");
    profile.DataSetName = QStringLiteral("tblMabadi");
    profile.MenuName = QStringLiteral("pmMabadi");
    profile.Caption = QStringLiteral("مبادي تحويل");
    profile.TableName = QStringLiteral("D_Mabadi");
    profile.CodeField = CodeField;
    profile.Constraint = QStringLiteral("PK_D_Mabadi");
    profile.NameField = NameField;
    profile.NameCheckTable = QStringLiteral("D_Mabadi");
    profile.DependProcedure = QStringLiteral("sp_D_Depended_MabadiCode");
    profile.KeyExpression = QStringLiteral("MabadiCod");
    profile.KeyField = QStringLiteral("MabadiCod");
    profile.FormCode = QStringLiteral("MABADI");
    profile.ReportSubject = QStringLiteral("مبادي تحويل");
    profile.EmptyCodeMessage = QStringLiteral("كد مبادي تحويل دارايي وارد نشده است.");
    profile.EmptyNameMessage = QStringLiteral("نام مبادي تحويل دارايي وارد نشده است.");
    profile.DuplicateNameMessage = QStringLiteral("نام مبادي تحويل دارايي تكراريي مي باشد.");
    profile.DuplicateCodeMessage = QStringLiteral("كد مبادي تكراري مي باشد.");
    // The detail-2 and project titles and hints carry the company's names for those levels; they
    // are completed when the editor is shown.
    profile.Columns = {
        {CodeField, QStringLiteral("كد"), 45, QStringLiteral("  كد مبادي تحويل دارايي را وارد كنيد")},
        {NameField, QStringLiteral("مبادي تحويل دارايي"), 470,
         QStringLiteral("  نام مبادي تحويل دارايي را وارد كنيد")},
        {KollField, QStringLiteral("كل"), 30,
         QStringLiteral("  كد حساب كل را وارد كنيد و يا با Enter و يا دوبار كليك كردن آنرا از جدول حسابها "
                        "انتخاب كنيد")},
        {MoeinField, QStringLiteral("معين"), 30,
         QStringLiteral("  كد حساب معين را وارد كنيد و يا با Enter و يا دوبار كليك كردن آنرا از جدول حساب "
                        "معين انتخاب كنيد")},
        {TafsilyField, QStringLiteral("تفصيلي"), 55,
         QStringLiteral("  كد حساب تفصيلي را وارد كنيد و يا با Enter و يا دوبار كليك كردن آنرا از جدول "
                        "حساب تفصيلي انتخاب كنيد")},
        {Tafsily2Field, QString(), 55, QString()},
        {ProjectField, QString(), 60, QString()},
    };
    profile.PickerFields = {KollField, MoeinField, TafsilyField, Tafsily2Field, ProjectField};
    return profile;
}

const TD_Global& options() {
    return *InfoForm->DGlobal;
}

// The level of the chain that a column holds, or an empty text for the other columns.
QString levelOf(const QString& field) {
    if (field.compare(TafsilyField, Qt::CaseInsensitive) == 0)
        return FirstLevel;
    if (field.compare(Tafsily2Field, Qt::CaseInsensitive) == 0)
        return SecondLevel;
    if (field.compare(ProjectField, Qt::CaseInsensitive) == 0)
        return ThirdLevel;
    return {};
}

} // namespace

TMabadiForm::TMabadiForm()
    : TBaseEditorForm(mabadiProfile(), std::make_unique<data::TADOTable>()),
      tblMabadi(static_cast<data::TADOTable*>(DataSet())) {
    setupUi(this);
    SetName(QStringLiteral("MabadiForm"));
    BindGrid(dbgMabadi);
}

TMabadiForm::~TMabadiForm() {
    if (MabadiForm == this)
        MabadiForm = nullptr;
}

void TMabadiForm::ShowCaptions() {
    if (const int column = ColumnOf(Tafsily2Field); column >= 0)
        dbgMabadi->Columns()->Items(column)->Title()->SetCaption(options().NamTafsily2);
    if (const int column = ColumnOf(ProjectField); column >= 0)
        dbgMabadi->Columns()->Items(column)->Title()->SetCaption(options().NamProject);
}

QString TMabadiForm::HintLine(const QString& field) const {
    const QString upper = field.toUpper();
    if (upper == QLatin1String("TAFSILY2")) {
        const QString name = options().NamTafsily2;
        return QStringLiteral("  كد حساب ") + name +
               QStringLiteral(" را وارد كنيد و يا با Enter و يا دوبار كليك كردن آنرا از جدول حساب ") + name +
               QStringLiteral(" انتخاب كنيد");
    }
    if (upper == QLatin1String("PROJECTCOD")) {
        const QString name = options().NamProject;
        return QStringLiteral("  كد ") + name +
               QStringLiteral(" را وارد كنيد و يا با Enter و يا دوبار كليك كردن آنرا از جدول حساب ") + name +
               QStringLiteral(" انتخاب كنيد");
    }
    return TBaseEditorForm::HintLine(field);
}

void TMabadiForm::readMoeinLevels() {
    const auto stored = [this](const QString& field) {
        const data::TField* found = tblMabadi->Active() ? tblMabadi->FindField(field) : nullptr;
        return found != nullptr ? TGlobal::PadBlank(found->DisplayText().trimmed(), found->Size())
                                : QString();
    };
    const MoeinLevels levels = MyDatabase->ReadMoeinLevels(stored(KollField), stored(MoeinField));
    LevelSet = levels.levels;
    GrohTafsily = levels.tafsilyGroups;
    GrohTafsily2 = levels.tafsily2Groups;
    GrohProject = levels.projectGroups;
}

bool TMabadiForm::hasLevel(const QString& field) const {
    const QString level = levelOf(field);
    return !level.isEmpty() && LevelSet.contains(level);
}

void TMabadiForm::SetColumnEditing() {
    if (parentWidget() != nullptr && !parentWidget()->isEnabled())
        return;
    ui::TDBGridOptions gridOptions = dbgMabadi->Options() | ui::dgEditing;
    const QString field = SelectedFieldName();
    if (!levelOf(field).isEmpty()) {
        readMoeinLevels();
        gridOptions.setFlag(ui::dgEditing, hasLevel(field));
    }
    dbgMabadi->SetOptions(gridOptions);
}

void TMabadiForm::dbg_ColEnter() {
    TBaseEditorForm::dbg_ColEnter();
    SetColumnEditing();
}

void TMabadiForm::dbg_KeyPress(QObject* Sender, QChar& Key) {
    TBaseEditorForm::dbg_KeyPress(Sender, Key);
    if (Key.isNull() || !Profile().IsPickerField(SelectedFieldName()))
        return;
    if (!TGlobal::KeyAllowed(options().TypeSarfaslCod, Key))
        Key = QChar();
}

int TMabadiForm::pickAccount(const QString& field) {
    return InfoForm->DGlobal->PickAccount(dbgMabadi, field.toUpper(), LevelSet, GrohTafsily, GrohTafsily2,
                                          GrohProject);
}

void TMabadiForm::completeRow() {
    if (tblMabadi->Eof() || tblMabadi->RecNo() == tblMabadi->RecordCount())
        tblMabadi->Append();
    else
        tblMabadi->Next();
    SelectColumn(0);
}

void TMabadiForm::dbg_KeyDown(QObject*, ui::WORD& Key, ui::TShiftState) {
    if (!ChainKeyDown(Key))
        return;
    if (Key == ui::VK_RETURN) {
        // The walk below is all that Enter means here.
        Key = 0;
        const QString field = SelectedFieldName();
        const QString upper = field.toUpper();
        bool complete = false;
        if (upper == QLatin1String("KOLL")) {
            if (pickAccount(field) == ui::mrOk)
                SelectField(MoeinField);
        } else if (upper == QLatin1String("MOEIN")) {
            if (pickAccount(field) == ui::mrOk) {
                readMoeinLevels();
                if (LevelSet.contains(FirstLevel))
                    SelectField(TafsilyField);
                else if (LevelSet.contains(SecondLevel))
                    SelectField(Tafsily2Field);
                else if (LevelSet.contains(ThirdLevel))
                    SelectField(ProjectField);
                else
                    complete = true;
            }
        } else if (upper == QLatin1String("TAFSILY")) {
            if (!LevelSet.contains(FirstLevel) || pickAccount(field) == ui::mrOk) {
                if (LevelSet.contains(SecondLevel))
                    SelectField(Tafsily2Field);
                else if (LevelSet.contains(ThirdLevel))
                    SelectField(ProjectField);
                else
                    complete = true;
            }
        } else if (upper == QLatin1String("TAFSILY2")) {
            if (!LevelSet.contains(SecondLevel) || pickAccount(field) == ui::mrOk) {
                if (LevelSet.contains(ThirdLevel))
                    SelectField(ProjectField);
                else
                    complete = true;
            }
        } else if (upper == QLatin1String("PROJECTCOD")) {
            complete = !LevelSet.contains(ThirdLevel) || pickAccount(field) == ui::mrOk;
        } else {
            SelectColumn(dbgMabadi->SelectedIndex() + 1);
        }
        if (complete)
            completeRow();
        dbgMabadi->setFocus();
    }
    SetColumnEditing();
}

void TMabadiForm::dbg_DblClick() {
    const QString field = SelectedFieldName();
    if (field.compare(KollField, Qt::CaseInsensitive) == 0 ||
        field.compare(MoeinField, Qt::CaseInsensitive) == 0) {
        pickAccount(field);
        return;
    }
    if (levelOf(field).isEmpty())
        return;
    readMoeinLevels();
    if (hasLevel(field))
        pickAccount(field);
}

void TMabadiForm::PadExtra() {
    for (const QString& name : {KollField, MoeinField}) {
        data::TField* field = tblMabadi->FieldByName(name);
        field->SetAsString(TGlobal::PadBlank(field->AsString(), field->Size()));
    }
    for (const QString& name : {TafsilyField, Tafsily2Field, ProjectField}) {
        data::TField* field = tblMabadi->FieldByName(name);
        if (!field->AsString().trimmed().isEmpty())
            field->SetAsString(TGlobal::PadChar(field->AsString(), QLatin1Char('0'), field->Size()));
    }
}

bool TMabadiForm::CheckRecord() {
    if (!TBaseEditorForm::CheckRecord())
        return false;
    const QString field =
        InfoForm->DGlobal->CheckAccountRow(dbgMabadi, LevelSet, GrohTafsily, GrohTafsily2, GrohProject,
                                           KollField, MoeinField, TafsilyField, Tafsily2Field, ProjectField);
    if (field.isEmpty())
        return true;
    SelectField(field);
    return false;
}

} // namespace tarvand
