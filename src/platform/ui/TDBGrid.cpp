#include "TDBGrid.h"

#include "DBGridDelegate.h"
#include "DBGridIndicator.h"
#include "DBGridKeyboard.h"
#include "DBGridModel.h"
#include "Guard.h"
#include "TDataSet.h"
#include "TDataSource.h"
#include "TField.h"
#include "TPopupMenu.h"
#include "VirtualKey.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace tarvand::ui {

TDBGrid::TDBGrid(QWidget* parent)
    : QTableView(parent), TControl(this), model_(new DBGridModel(this)), delegate_(new DBGridDelegate(this)),
      keyboard_(std::make_unique<DBGridKeyboard>(this)),
      options_(dgEditing | dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines | dgTabs |
               dgConfirmDelete | dgCancelOnExit) {
    model_->SetListener(this);
    model_->SetExceptionHandler([] { Guard::handleCurrentException(); });
    setVerticalHeader(new DBGridIndicator(this));
    setModel(model_);
    setItemDelegate(delegate_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setLayoutDirection(Qt::RightToLeft);
    verticalHeader()->setFixedWidth(14);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setMinimumSectionSize(4);
    SetDefaultRowHeight(fontMetrics().height() + 6);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (OnTitleClick && section >= 0 && section < Columns()->Count()) {
            Guard::run([&] { OnTitleClick(Columns()->Items(section)); });
        }
    });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        if (!applyingWidths_ && section < Columns()->Count()) {
            applyingWidths_ = true;
            Columns()->Items(section)->SetWidth(size);
            applyingWidths_ = false;
        }
    });
    // The view would drop an open cell editor on a reset (a record appended or removed) by hiding
    // it, which hands the keyboard to the next control of the window: it is closed here first,
    // the grid keeping the focus.
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, [this] { closeCellEditor(); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { applyColumns(); });
    connect(Columns(), &TDBGridColumns::columnChanged, this, [this](int index) { applyColumn(index); });
    applyOptions();
}

TDBGrid::~TDBGrid() {
    model_->SetListener(nullptr);
    // The editor dies with the viewport, after this object: it must not report back to it.
    if (editor_ != nullptr) {
        editor_->removeEventFilter(delegate_);
        editor_->disconnect(this);
    }
}

data::TDataSource* TDBGrid::DataSource() const {
    return model_->DataSource();
}

void TDBGrid::SetDataSource(data::TDataSource* source) {
    closeCellEditor();
    model_->SetDataSource(source);
}

data::TDataSet* TDBGrid::DataSet() const {
    return model_->DataSet();
}

TDBGridColumns* TDBGrid::Columns() const {
    return model_->Columns();
}

void TDBGrid::SetOptions(TDBGridOptions options) {
    const bool editingOff = options_.testFlag(dgEditing) && !options.testFlag(dgEditing);
    options_ = options;
    if (editingOff && editor_ != nullptr) {
        commitGuarded();
        closeCellEditor();
    }
    applyOptions();
}

void TDBGrid::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    if (readOnly && editor_ != nullptr) {
        commitGuarded();
        closeCellEditor();
    }
    applyOptions();
}

void TDBGrid::applyOptions() {
    model_->SetEditing(options_.testFlag(dgEditing) && !readOnly_);
    horizontalHeader()->setVisible(options_.testFlag(dgTitles));
    verticalHeader()->setVisible(options_.testFlag(dgIndicator));
    horizontalHeader()->setSectionResizeMode(options_.testFlag(dgColumnResize) ? QHeaderView::Interactive
                                                                               : QHeaderView::Fixed);
    setShowGrid(options_.testFlag(dgColLines) || options_.testFlag(dgRowLines));
    setSelectionBehavior(options_.testFlag(dgRowSelect) ? QAbstractItemView::SelectRows
                                                        : QAbstractItemView::SelectItems);
}

void TDBGrid::SetSelectedIndex(int index) {
    if (index < 0 || index >= Columns()->Count()) {
        return;
    }
    UpdateData();
    if (index == selectedIndex_) {
        return;
    }
    closeCellEditor();
    if (OnColExit) {
        OnColExit(this);
    }
    selectedIndex_ = index;
    syncCurrentIndex();
    if (OnColEnter) {
        OnColEnter(this);
    }
}

data::TField* TDBGrid::SelectedField() const {
    return model_->FieldAt(selectedIndex_);
}

void TDBGrid::SetSelectedField(data::TField* field) {
    for (int i = 0; i < Columns()->Count(); ++i) {
        if (model_->FieldAt(i) == field) {
            SetSelectedIndex(i);
            return;
        }
    }
}

bool TDBGrid::EditorMode() const {
    return editor_ != nullptr;
}

void TDBGrid::SetEditorMode(bool open) {
    if (open) {
        openEditor();
        return;
    }
    UpdateData();
    closeCellEditor();
}

QString TDBGrid::EditText() const {
    if (editor_ != nullptr) {
        return editor_->text();
    }
    const data::TField* field = SelectedField();
    return field != nullptr ? field->Text() : QString();
}

void TDBGrid::UpdateData() {
    if (editor_ == nullptr || !editorModified_) {
        return;
    }
    data::TDataSet* dataSet = DataSet();
    data::TField* field = model_->FieldAt(editorColumn_);
    if (dataSet == nullptr || field == nullptr || editorRow_ != model_->CurrentRow()) {
        editorModified_ = false;
        return;
    }
    if (!dataSet->Editing()) {
        dataSet->Edit();
    }
    field->SetText(editor_->text());
    editorModified_ = false;
}

QColor TDBGrid::FixedColor() const {
    return horizontalHeader()->palette().color(QPalette::Button);
}

void TDBGrid::SetFixedColor(const QColor& color) {
    for (QHeaderView* header : {static_cast<QHeaderView*>(horizontalHeader()), verticalHeader()}) {
        QPalette palette = header->palette();
        palette.setColor(QPalette::Button, color);
        palette.setColor(QPalette::Window, color);
        header->setPalette(palette);
    }
}

QColor TDBGrid::TitleFontColor() const {
    return horizontalHeader()->palette().color(QPalette::ButtonText);
}

void TDBGrid::SetTitleFontColor(const QColor& color) {
    QPalette palette = horizontalHeader()->palette();
    palette.setColor(QPalette::ButtonText, color);
    palette.setColor(QPalette::WindowText, color);
    horizontalHeader()->setPalette(palette);
}

int TDBGrid::DefaultRowHeight() const {
    return verticalHeader()->defaultSectionSize();
}

void TDBGrid::SetDefaultRowHeight(int height) {
    verticalHeader()->setMinimumSectionSize(std::min(height, verticalHeader()->minimumSectionSize()));
    verticalHeader()->setDefaultSectionSize(height);
}

int TDBGrid::VisibleRowCount() const {
    return std::max(1, viewport()->height() / std::max(1, DefaultRowHeight()));
}

// --- keys

void TDBGrid::keyPressEvent(QKeyEvent* event) {
    // The popup menu's shortcuts were offered the key already, by its event filter.
    if (Guard::value(true, [&] { return keyboard_->handle(event, false); })) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool TDBGrid::editorKey(QKeyEvent* event) {
    if (forwarding_) {
        return false;
    }
    if (TPopupMenu* menu = PopupMenu(); menu != nullptr && menu->IsShortCut(event)) {
        return true;
    }
    return Guard::value(true, [&] { return keyboard_->handle(event, true); });
}

// Puts the dataset into edit state for typing into the selected cell; false when the cell may not
// be typed into or the dataset refused.
bool TDBGrid::startEditing() {
    data::TDataSet* dataSet = DataSet();
    if (dataSet == nullptr || !model_->CanEditColumn(selectedIndex_)) {
        return false;
    }
    if (!dataSet->Editing() && !Guard::run([&] { dataSet->Edit(); })) {
        return false;
    }
    return editor_ != nullptr || openEditor();
}

bool TDBGrid::openEditor() {
    if (editor_ != nullptr) {
        return true;
    }
    const QModelIndex index = currentIndex();
    if (!index.isValid() || index.row() != model_->CurrentRow() || !model_->CanEditColumn(index.column())) {
        return false;
    }
    if (!QAbstractItemView::edit(index, QAbstractItemView::AllEditTriggers, nullptr) || editor_ == nullptr) {
        return false;
    }
    editor_->selectAll();
    editor_->setFocus();
    return true;
}

void TDBGrid::closeCellEditor() {
    if (editor_ == nullptr) {
        return;
    }
    editorModified_ = false;
    QLineEdit* editor = editor_;
    // Focus first, so that the editor hidden below does not pass it on to the next control.
    if (editor->hasFocus()) {
        setFocus();
    }
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool TDBGrid::commitGuarded() {
    return Guard::run([this] { UpdateData(); });
}

bool TDBGrid::canModify() const {
    return options_.testFlag(dgEditing) && !readOnly_;
}

// --- mouse

void TDBGrid::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid() || event->button() != Qt::LeftButton) {
        return;
    }
    Guard::run([&] {
        data::TDataSet* dataSet = DataSet();
        if (dataSet != nullptr && index.row() != model_->CurrentRow()) {
            UpdateData();
            dataSet->SetRecNo(index.row() + 1);
        }
        SetSelectedIndex(index.column());
        if (OnCellClick) {
            OnCellClick(Columns()->Items(index.column()));
        }
    });
}

void TDBGrid::mouseMoveEvent(QMouseEvent*) {
    // Dragging selects nothing: the current cell changes by clicks and keys only.
}

void TDBGrid::mouseReleaseEvent(QMouseEvent*) {}

void TDBGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid() && OnDblClick) {
        Guard::run([this] { OnDblClick(this); });
    }
}

// --- focus

void TDBGrid::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
    if (!focusInside_) {
        focusInside_ = true;
        if (OnEnter) {
            Guard::run([this] { OnEnter(this); });
        }
    }
}

void TDBGrid::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
        leftGrid();
    }
}

void TDBGrid::editorLostFocus() {
    QWidget* now = QApplication::focusWidget();
    if (now == this || now == nullptr) {
        return; // the editor closes into the grid, or the window went to the background
    }
    commitGuarded();
    closeCellEditor();
    leftGrid();
}

void TDBGrid::leftGrid() {
    QWidget* now = QApplication::focusWidget();
    if (!focusInside_ || now == this || (now != nullptr && isAncestorOf(now))) {
        return;
    }
    focusInside_ = false;
    commitGuarded();
    data::TDataSet* dataSet = DataSet();
    if (options_.testFlag(dgCancelOnExit) && dataSet != nullptr &&
        dataSet->State() == data::TDataSetState::dsInsert && !dataSet->Modified()) {
        Guard::run([&] { dataSet->Cancel(); });
    }
    if (OnExit) {
        Guard::run([this] { OnExit(this); });
    }
}

// With dgTabs, Tab walks the columns (keyPressEvent) instead of leaving the grid.
bool TDBGrid::focusNextPrevChild(bool next) {
    return options_.testFlag(dgTabs) ? false : QTableView::focusNextPrevChild(next);
}

void TDBGrid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        SetDefaultRowHeight(fontMetrics().height() + 6);
    }
}

// --- the dataset

void TDBGrid::recordUpdateRequested() {
    UpdateData();
}

void TDBGrid::currentRecordChanged() {
    if (editor_ != nullptr && editorRow_ != model_->CurrentRow()) {
        closeCellEditor();
    }
    syncCurrentIndex();
}

void TDBGrid::dataSetStateChanged() {
    verticalHeader()->viewport()->update();
}

void TDBGrid::syncCurrentIndex() {
    const int row = model_->CurrentRow();
    if (row < 0 || row >= model_->rowCount() || selectedIndex_ >= model_->columnCount()) {
        selectionModel()->clearCurrentIndex();
        return;
    }
    const QModelIndex index = model_->index(row, selectedIndex_);
    if (currentIndex() != index) {
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    }
    scrollTo(index);
}

// --- the cell editor

void TDBGrid::editorCreated(QLineEdit* editor, int row, int column) {
    editor_ = editor;
    editorRow_ = row;
    editorColumn_ = column;
    editorModified_ = false;
}

void TDBGrid::editorDestroyed(QWidget* editor) {
    if (editor == editor_) {
        editor_ = nullptr;
        editorModified_ = false;
        editorRow_ = -1;
        editorColumn_ = -1;
    }
}

void TDBGrid::editorTextEdited() {
    editorModified_ = true;
    data::TDataSet* dataSet = DataSet();
    if (dataSet == nullptr || dataSet->Editing()) {
        return;
    }
    // Text changed without a typed character (a deletion, a paste): the record must go into edit
    // state as well, or the change is undone.
    if (!Guard::run([&] { dataSet->Edit(); }) && editor_ != nullptr) {
        editorModified_ = false;
        const data::TField* field = model_->FieldAt(editorColumn_);
        editor_->setText(field != nullptr ? field->Text() : QString());
    }
}

// --- columns

void TDBGrid::applyColumns() {
    if (selectedIndex_ >= Columns()->Count()) {
        selectedIndex_ = std::max(0, Columns()->Count() - 1);
    }
    for (int i = 0; i < Columns()->Count(); ++i) {
        applyColumn(i);
    }
}

void TDBGrid::applyColumn(int index) {
    if (index < 0 || index >= Columns()->Count() || index >= model_->columnCount() || applyingWidths_) {
        return;
    }
    const TColumn* column = Columns()->Items(index);
    // Hiding a section reports it resized to 0; the column keeps its width for when it shows again.
    applyingWidths_ = true;
    setColumnHidden(index, !column->Visible());
    setColumnWidth(index, column->Width() >= 0 ? column->Width() : defaultWidth(index));
    applyingWidths_ = false;
}

int TDBGrid::defaultWidth(int index) const {
    const data::TField* field = model_->FieldAt(index);
    int characters = 10;
    if (field != nullptr) {
        characters = field->DisplayWidth() > 0 ? field->DisplayWidth()
                     : field->Size() > 0       ? std::min(field->Size(), 30)
                                               : 12;
    }
    const int text = characters * fontMetrics().averageCharWidth() + 8;
    const int title = fontMetrics().horizontalAdvance(Columns()->Items(index)->Title()->Caption()) + 12;
    return std::max(text, title);
}

} // namespace tarvand::ui
