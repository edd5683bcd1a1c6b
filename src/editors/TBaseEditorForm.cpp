#include "TBaseEditorForm.h"

#include "DeleteTags.h"
#include "EAbort.h"
#include "Exception.h"
#include "HostContext.h"
#include "PersianText.h"
#include "ShowMsg.h"
#include "TADOQuery.h"
#include "TADOTable.h"
#include "TApplication.h"
#include "TColumn.h"
#include "TColumnTitle.h"
#include "TDBGrid.h"
#include "TDataSource.h"
#include "TField.h"
#include "TGlobal.h"
#include "TInfoForm.h"
#include "TKorvObject.h"
#include "TMyDatabase.h"
#include "TPanel.h"
#include "TPopupMenu.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStringList>

namespace tarvand {

namespace {

constexpr ui::WORD EnterKey = 13;
// The editors' grid colour, light yellow.
const QColor GridColor(0xFF, 0xFF, 0xE1);

// The application's handler while an editor owns it. Its code lives in the module, which the host
// may unload: an editor takes its handler away when it goes.
struct EditorExceptionHandler {
    QPointer<TBaseEditorForm> editor;
    void operator()(const std::exception& error) const {
        if (editor != nullptr)
            editor->AppException(editor, error);
    }
};

QString messageOf(const std::exception& error) {
    if (const auto* exception = dynamic_cast<const Exception*>(&error))
        return exception->Message;
    return QString::fromUtf8(error.what());
}

} // namespace

TBaseEditorForm::TBaseEditorForm(EditorProfile profile, std::unique_ptr<data::TCustomADODataSet> dataSet)
    : quTemp(nullptr), pmGrid(new ui::TPopupMenu(this)), GridCommands(new TKorvObject()),
      profile_(std::move(profile)), dataSet_(std::move(dataSet)),
      dataSource_(std::make_unique<data::TDataSource>()), workQuery_(std::make_unique<data::TADOQuery>()) {
    quTemp = workQuery_.get();
    quTemp->Name = QStringLiteral("quTemp");
    dataSet_->Name = profile_.DataSetName;
    if (auto* table = dynamic_cast<data::TADOTable*>(dataSet_.get()))
        table->SetTableName(profile_.TableName);
    dataSource_->SetDataSet(dataSet_.get());
    pmGrid->SetName(profile_.MenuName);

    SetCaption(profile_.Caption);
    SetBorderStyle(ui::bsNone);
    SetWindowState(ui::wsMaximized);

    dataSet_->BeforePost = [this](data::TDataSet*) { tbl_BeforePost(); };
    dataSet_->AfterPost = [this](data::TDataSet*) { tbl_AfterPost(); };
    dataSet_->AfterCancel = [this](data::TDataSet*) { tbl_AfterCancel(); };
    dataSet_->BeforeDelete = [this](data::TDataSet*) { tbl_BeforeDelete(); };
    dataSet_->AfterDelete = [this](data::TDataSet*) { tbl_AfterDelete(); };
    dataSet_->AfterScroll = [this](data::TDataSet*) { tbl_AfterScroll(); };

    OnShow = [this](QObject*) { FormShow(); };
    OnClose = [this](QObject*, ui::TCloseAction& action) { FormClose(action); };
    OnDestroy = [this](QObject*) { FormDestroy(); };
}

TBaseEditorForm::~TBaseEditorForm() {
    if (!destroyed_)
        FormDestroy();
    if (ui::Application != nullptr) {
        const auto* handler = ui::Application->OnException.target<EditorExceptionHandler>();
        if (handler != nullptr && (handler->editor == this || handler->editor == nullptr))
            ui::Application->OnException = nullptr;
    }
    OnDestroy = nullptr;
    // The grid outlives the members below (it dies with the widget tree); it lets go of them first.
    if (grid_ != nullptr)
        grid_->SetDataSource(nullptr);
    dataSet_->BeforePost = nullptr;
    dataSet_->AfterPost = nullptr;
    dataSet_->AfterCancel = nullptr;
    dataSet_->BeforeDelete = nullptr;
    dataSet_->AfterDelete = nullptr;
    dataSet_->AfterScroll = nullptr;
}

void TBaseEditorForm::BindGrid(ui::TDBGrid* grid) {
    grid_ = grid;
    grid_->SetName(profile_.GridName);
    grid_->SetAlign(ui::alClient);
    grid_->SetOptions(ui::dgEditing | ui::dgTitles | ui::dgIndicator | ui::dgColumnResize | ui::dgColLines |
                      ui::dgRowLines | ui::dgAlwaysShowSelection | ui::dgCancelOnExit);
    grid_->SetColor(GridColor);
    grid_->SetPopupMenu(pmGrid);
    grid_->SetDataSource(dataSource_.get());
    for (const EditorColumn& design : profile_.Columns) {
        ui::TColumn* column = grid_->Columns()->Add();
        column->SetFieldName(design.FieldName);
        column->Title()->SetCaption(design.Title);
        column->SetWidth(design.Width);
    }

    grid_->OnKeyDown = [this](QObject* sender, ui::WORD& key, ui::TShiftState shift) {
        dbg_KeyDown(sender, key, shift);
    };
    grid_->OnKeyPress = [this](QObject* sender, QChar& key) { dbg_KeyPress(sender, key); };
    grid_->OnColEnter = [this](QObject*) { dbg_ColEnter(); };
    grid_->OnEnter = [this](QObject*) { dbg_Enter(); };
    if (!profile_.PickerFields.isEmpty())
        grid_->OnDblClick = [this](QObject*) { dbg_DblClick(); };
    grid_->OnTitleClick = [this](ui::TColumn* column) { dbg_TitleClick(column); };
}

void TBaseEditorForm::FormShow() {
    // The editor shown last owns the application's handler.
    ui::Application->OnException = EditorExceptionHandler{this};
    AssignConnection();
    ShowCaptions();
    PrepareEditor();
}

void TBaseEditorForm::AssignConnection() {
    data::TADOConnection* connection = MyDatabase->Connection();
    // Giving a dataset its connection closes it; a shown-again editor keeps its rows and place.
    if (dataSet_->Connection() != connection)
        dataSet_->SetConnection(connection);
    if (quTemp->Connection() != connection)
        quTemp->SetConnection(connection);
}

void TBaseEditorForm::PrepareEditor() {
    Global->ApplyTheme(this);
    const bool enabled = parentWidget() == nullptr || parentWidget()->isEnabled();
    dataSet_->SetActive(enabled);
    if (enabled)
        grid_->setFocus();
    SelectColumn(0);
    dbg_ColEnter();
    MyDatabase->EnsureTableKey(QStringLiteral("CLUSTERED"), profile_.TableName, profile_.Constraint,
                               QStringList{profile_.CodeField}, 1);
    PrepareExtra();
    widenNarrowColumns();

    if (InfoForm != nullptr)
        pmGrid->SetImages(InfoForm->imPopup);
    const TKorvObject::Settings settings = CommandSettings();
    GridCommands->Configure(settings);
    GridCommands->CreatePopupMenu();
    MenuExtra();

    Global->ApplyColumnState(quTemp, grid_, settings.Prog, settings.Item, settings.Form, settings.Part);
}

void TBaseEditorForm::widenNarrowColumns() {
    // The design widths were chosen for a smaller face: a code column never shows less than its
    // title or a code of full length. A saved layout applied afterwards has the last word.
    constexpr int longestCode = 12;
    constexpr int margin = 14;
    const QFontMetrics titles(grid_->horizontalHeader()->font());
    const QFontMetrics cells(grid_->font());
    for (int index = 0; index < grid_->Columns()->Count(); ++index) {
        ui::TColumn* column = grid_->Columns()->Items(index);
        int needed = titles.horizontalAdvance(column->Title()->Caption()) + margin;
        const data::TField* field = column->Field();
        if (field != nullptr && field->DataType() == data::TFieldType::ftString && field->Size() > 0 &&
            field->Size() <= longestCode)
            needed = qMax(needed, cells.horizontalAdvance(QString(field->Size(), QLatin1Char('0'))) + margin);
        if (column->Width() < needed)
            column->SetWidth(needed);
    }
}

TKorvObject::Settings TBaseEditorForm::CommandSettings() const {
    TKorvObject::Settings settings;
    settings.Grid = grid_;
    settings.Prog = QStringLiteral("D");
    settings.Item = QStringLiteral("SABT");
    settings.Form = profile_.FormCode;
    settings.PropertyCaption =
        QStringLiteral("مشخصات گزارش [") + profile_.ReportSubject + QStringLiteral("]");
    settings.ReportTitle = QStringLiteral("گزارش ") + profile_.ReportSubject +
                           QStringLiteral(" دوره مالي [") + Global->FiscalYear + QStringLiteral("]");
    settings.DependProcedure = profile_.DependProcedure;
    settings.KeyExpression = profile_.KeyExpression;
    settings.KeyField = profile_.KeyField;
    settings.TableName = profile_.TableName;
    return settings;
}

void TBaseEditorForm::FormClose(ui::TCloseAction& Action) {
    Action = ui::caFree;
}

void TBaseEditorForm::FormDestroy() {
    destroyed_ = true;
    delete GridCommands;
    GridCommands = nullptr;
}

void TBaseEditorForm::dbg_KeyDown(QObject*, ui::WORD& Key, ui::TShiftState) {
    if (Key != EnterKey)
        return;
    // The walk below is all that Enter means here (a column change writes the cell being edited).
    Key = 0;
    const int last = grid_->Columns()->Count() - 1;
    if (grid_->SelectedIndex() < last) {
        SelectColumn(grid_->SelectedIndex() + 1);
        return;
    }
    if (profile_.IsPickerField(ColumnFieldName(last)) && PickCode(last) != ui::mrOk)
        return;
    if (dataSet_->Eof() || dataSet_->RecNo() == dataSet_->RecordCount())
        dataSet_->Append();
    else
        dataSet_->Next();
    SelectColumn(0);
}

void TBaseEditorForm::dbg_KeyPress(QObject*, QChar& Key) {
    Key = Global->NormalizeKey(Key);
    const data::TField* field = grid_->SelectedField();
    if (field != nullptr && field->FieldName().toUpper() == profile_.CodeField.toUpper() &&
        !TGlobal::KeyAllowed(QStringLiteral("NUM"), Key))
        Key = QChar();
}

void TBaseEditorForm::dbg_ColEnter() {
    ShowHint(HintLine(SelectedFieldName()));
}

void TBaseEditorForm::ShowHint(const QString& hint) {
    if (InfoForm != nullptr)
        InfoForm->HintPanel->SetCaption(hint);
}

void TBaseEditorForm::dbg_Enter() {
    dbg_ColEnter();
}

void TBaseEditorForm::dbg_DblClick() {
    if (profile_.IsPickerField(SelectedFieldName()))
        PickCode(grid_->SelectedIndex());
}

void TBaseEditorForm::dbg_TitleClick(ui::TColumn* Column) {
    Global->SortByTitle(grid_, TitleColumn, Column, QString());
    TitleColumn = Column;
}

void TBaseEditorForm::tbl_AfterScroll() {
    const bool inserting = dataSet_->State() == data::TDataSetState::dsInsert;
    OldCode = inserting ? QString() : FieldText(profile_.CodeField);
    OldName = inserting ? QString() : FieldText(profile_.NameField);
    ScrollExtra();
}

void TBaseEditorForm::tbl_BeforePost() {
    dataSet_->Edit();
    // Text pasted into a cell has not passed the key normalisation.
    for (int column = 0; column < grid_->Columns()->Count(); ++column) {
        data::TField* field = ColumnField(column);
        if (field != nullptr && field->DataType() == data::TFieldType::ftString && !field->ReadOnly()) {
            const QString stored = PersianText::Stored(field->AsString());
            if (stored != field->AsString())
                field->SetAsString(stored);
        }
    }
    if (profile_.PadCode) {
        data::TField* code = dataSet_->FieldByName(profile_.CodeField);
        code->SetAsString(TGlobal::PadBlank(code->AsString(), code->Size()));
    }
    PadExtra();
    if (!CheckRecord()) {
        grid_->setFocus();
        Abort();
    }
    const QString oldCode = OldCode.trimmed();
    if (profile_.GuardCodeChange && FieldText(profile_.CodeField).trimmed() != oldCode &&
        !oldCode.isEmpty() && MyDatabase->IsCodeUsed(profile_.DependProcedure, OldCode)) {
        ShowError(QStringLiteral("ركورد گردش دارد."));
        grid_->setFocus();
        if (profile_.CancelUsedCodeChange)
            dataSet_->Cancel();
        Abort();
    }
}

bool TBaseEditorForm::CheckRecord() {
    if (FieldText(profile_.CodeField).trimmed().isEmpty()) {
        ShowError(profile_.EmptyCodeMessage);
        SelectField(profile_.CodeField);
        return false;
    }
    const QString name = FieldText(profile_.NameField);
    if (name.trimmed().isEmpty()) {
        ShowError(profile_.EmptyNameMessage);
        SelectField(profile_.NameField);
        return false;
    }
    if (!CheckExtra())
        return false;
    if (NameTaken(name, profile_.NameField, name)) {
        ShowError(profile_.DuplicateNameMessage);
        SelectField(profile_.NameField);
        return false;
    }
    return true;
}

bool TBaseEditorForm::NameTaken(const QString& name, const QString& nameExpression, const QString& value) {
    const auto compact = [](const QString& text) { return PersianText::Stored(TGlobal::RemoveBlanks(text)); };
    return compact(name) != compact(OldName) &&
           MyDatabase->IsNameRepeated(profile_.NameCheckTable, nameExpression, value);
}

bool TBaseEditorForm::Refuse(const QString& message, const QString& field) {
    ShowError(message);
    SelectField(field);
    grid_->setFocus();
    return false;
}

void TBaseEditorForm::AppException(QObject*, const std::exception& E) {
    const QString violation =
        QStringLiteral("Violation of PRIMARY KEY constraint '") + profile_.Constraint + QStringLiteral("'");
    if (!messageOf(E).toUpper().contains(violation.toUpper()))
        return;
    ShowError(profile_.DuplicateCodeMessage);
    grid_->setFocus();
    SelectField(profile_.CodeField);
}

void TBaseEditorForm::tbl_BeforeDelete() {
    if (dataSet_->Tag != DeleteAllowedTag)
        Abort();
}

void TBaseEditorForm::tbl_AfterPost() {
    PostExtra();
}

void TBaseEditorForm::tbl_AfterDelete() {
    dataSet_->Tag = DeletedTag;
    DeleteExtra();
}

void TBaseEditorForm::tbl_AfterCancel() {
    if (dataSet_->RecNo() == -1) {
        dataSet_->CancelUpdates();
        dataSet_->Last();
    }
}

int TBaseEditorForm::PickCode(int) {
    return ui::mrCancel;
}

data::TField* TBaseEditorForm::ColumnField(int column) const {
    if (column < 0 || column >= grid_->Columns()->Count())
        return nullptr;
    return grid_->Columns()->Items(column)->Field();
}

int TBaseEditorForm::ColumnOf(const QString& field) const {
    return TGlobal::FindGridColumn(grid_, field);
}

QString TBaseEditorForm::ColumnFieldName(int column) const {
    if (column < 0 || column >= grid_->Columns()->Count())
        return {};
    return grid_->Columns()->Items(column)->FieldName();
}

QString TBaseEditorForm::SelectedFieldName() const {
    return ColumnFieldName(grid_->SelectedIndex());
}

bool TBaseEditorForm::IsSelected(const QString& field) const {
    return SelectedFieldName().compare(field, Qt::CaseInsensitive) == 0;
}

QString TBaseEditorForm::FieldText(const QString& field) const {
    const data::TField* found = dataSet_->Active() ? dataSet_->FindField(field) : nullptr;
    return found != nullptr ? found->DisplayText() : QString();
}

void TBaseEditorForm::SelectColumn(int column) {
    if (column >= 0 && column < grid_->Columns()->Count())
        grid_->SetSelectedIndex(column);
}

void TBaseEditorForm::SelectField(const QString& field) {
    SelectColumn(ColumnOf(field));
}

bool TBaseEditorForm::ChainKeyDown(ui::WORD key) {
    grid_->SetOptions(grid_->Options() | ui::dgEditing);
    switch (key) {
    case ui::VK_ESCAPE:
    case ui::VK_HOME:
    case ui::VK_END:
    case ui::VK_DOWN:
    case ui::VK_LEFT:
    case ui::VK_RIGHT:
        return false;
    default:
        return true;
    }
}

void TBaseEditorForm::ShowError(const QString& message) {
    ShowMsg(message, QString(), QStringLiteral("1ER"));
}

} // namespace tarvand
