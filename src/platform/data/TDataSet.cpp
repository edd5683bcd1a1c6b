#include "TDataSet.h"

#include "CheckedOperation.h"
#include "DataLinkList.h"
#include "FieldConversion.h"
#include "FieldList.h"
#include "LocateMatcher.h"
#include "RecordBuffer.h"
#include "RecordValues.h"
#include "ResultCursor.h"
#include "RowChange.h"
#include "RowSet.h"
#include "RowSorter.h"
#include "StateSwap.h"
#include "TDataLink.h"

namespace tarvand::data {

TDataSet::TDataSet()
    : fields_(std::make_unique<FieldList>(this)), rows_(std::make_unique<RowSet>()),
      buffer_(std::make_unique<RecordBuffer>()), links_(std::make_unique<DataLinkList>()),
      values_(std::make_unique<RecordValues>(*rows_, *buffer_)) {}

TDataSet::~TDataSet() {
    const QList<TDataLink*> links = links_->links();
    for (TDataLink* link : links) {
        link->DataSetDestroyed(this);
    }
}

// --- opening and closing

bool TDataSet::Active() const {
    return state_ != TDataSetState::dsInactive;
}

void TDataSet::SetActive(bool value) {
    if (value) {
        Open();
    } else {
        Close();
    }
}

TDataSetState TDataSet::State() const {
    return state_;
}

void TDataSet::Open() {
    if (Active()) {
        return;
    }
    fire(BeforeOpen);
    std::unique_ptr<sql::ResultCursor> result = OpenCursor();
    QList<sql::ColumnInfo> columns = result->columns();
    if (columns.isEmpty()) {
        throw EDatabaseError(QStringLiteral("CommandText does not return a result set"));
    }
    auto rows = std::make_unique<RowSet>();
    rows->load(*result, int(columns.size()));
    result.reset();
    fields_->bind(columns);
    columns_ = std::move(columns);
    rows_ = std::move(rows);
    values_ = std::make_unique<RecordValues>(*rows_, *buffer_);
    buffer_->finish();
    sortText_.clear();
    dataChanged();
    state_ = TDataSetState::dsBrowse;
    calculateFields();
    notify(TDataEvent::deUpdateState);
    notify(TDataEvent::deActiveChange);
    fire(AfterOpen);
    if (!IsEmpty()) {
        fire(AfterScroll);
    }
}

void TDataSet::Close() {
    if (!Active()) {
        return;
    }
    fire(BeforeClose);
    state_ = TDataSetState::dsInactive;
    buffer_->finish();
    buffer_->clearCalculated(0);
    fields_->unbind();
    rows_->clear();
    columns_.clear();
    sortText_.clear();
    dataChanged();
    notify(TDataEvent::deUpdateState);
    notify(TDataEvent::deActiveChange);
    fire(AfterClose);
}

// --- navigation

void TDataSet::First() {
    checkActive();
    CheckBrowseMode();
    fire(BeforeScroll);
    cursor().first();
    scrolled(TDataEvent::deDataSetChange, 0);
}

void TDataSet::Last() {
    checkActive();
    CheckBrowseMode();
    fire(BeforeScroll);
    cursor().last();
    scrolled(TDataEvent::deDataSetChange, 0);
}

void TDataSet::Next() {
    MoveBy(1);
}

void TDataSet::Prior() {
    MoveBy(-1);
}

int TDataSet::MoveBy(int distance) {
    checkActive();
    CheckBrowseMode();
    fire(BeforeScroll);
    if (!cursor().canMove(distance)) {
        return 0;
    }
    const int moved = cursor().moveBy(distance);
    scrolled(TDataEvent::deDataSetScroll, moved);
    return moved;
}

bool TDataSet::Bof() const {
    return !Active() || cursor().bof();
}

bool TDataSet::Eof() const {
    return !Active() || cursor().eof();
}

bool TDataSet::IsEmpty() const {
    return !Active() || cursor().count() == 0;
}

int TDataSet::RecNo() const {
    return Active() && cursor().hasCurrent() ? cursor().position() + 1 : -1;
}

void TDataSet::SetRecNo(int recNo) {
    checkActive();
    if (recNo == RecNo() || recNo < 1 || recNo > RecordCount()) {
        return;
    }
    CheckBrowseMode();
    if (recNo > RecordCount()) {
        return; // cancelling a new row took one away
    }
    moveToPosition(recNo - 1);
}

int TDataSet::RecordCount() const {
    return Active() ? cursor().count() : 0;
}

bool TDataSet::Locate(const QString& keyFields, const QVariant& keyValues, TLocateOptions options) {
    checkActive();
    QList<TField*> keys;
    for (const QString& name : keyFields.split(u';', Qt::SkipEmptyParts)) {
        keys.append(FieldByName(name.trimmed()));
    }
    const LocateMatcher matcher(keys, keyValues, options);
    CheckBrowseMode();
    const int position = matcher.firstMatch(*this);
    if (position < 0) {
        return false;
    }
    moveToPosition(position);
    return true;
}

// --- editing

void TDataSet::Edit() {
    checkActive();
    if (Editing()) {
        return;
    }
    if (cursor().count() == 0) {
        Insert();
        return;
    }
    CheckBrowseMode();
    checkCanModify();
    fire(BeforeEdit);
    CheckedOperation::run(this, OnEditError, [this] {
        if (!cursor().hasCurrent()) {
            throw EDatabaseError(QStringLiteral("No current record"));
        }
    });
    buffer_->startEdit(rows_->values(cursor().current()));
    state_ = TDataSetState::dsEdit;
    calculateFields();
    notify(TDataEvent::deUpdateState);
    notify(TDataEvent::deRecordChange);
    fire(AfterEdit);
}

void TDataSet::Insert() {
    beginInsert(false);
}

void TDataSet::Append() {
    beginInsert(true);
}

void TDataSet::beginInsert(bool append) {
    checkActive();
    CheckBrowseMode();
    checkCanModify();
    fire(BeforeInsert);
    fire(BeforeScroll);
    const int previous = cursor().position();
    cursor().insert(append ? cursor().count() : cursor().insertionPoint(), RecordCursor::kNewRow);
    buffer_->startInsert(int(columns_.size()));
    state_ = TDataSetState::dsInsert;
    dataChanged();
    calculateFields();
    notify(TDataEvent::deUpdateState);
    try {
        fire(OnNewRecord);
    } catch (...) {
        // The new row never existed: back to the record that was current.
        buffer_->finish();
        state_ = TDataSetState::dsBrowse;
        cursor().removeCurrentReturningTo(previous);
        dataChanged();
        calculateFields();
        notify(TDataEvent::deUpdateState);
        notify(TDataEvent::deDataSetChange);
        throw;
    }
    // Defaults set by OnNewRecord do not make the row worth keeping.
    buffer_->setModified(false);
    notify(TDataEvent::deDataSetChange);
    fire(AfterInsert);
    fire(AfterScroll);
}

void TDataSet::Post() {
    checkActive();
    UpdateRecord();
    notify(TDataEvent::deCheckBrowseMode);
    fire(BeforePost);
    if (!Editing()) {
        return; // a BeforePost handler cancelled the edit itself
    }
    const bool opened = writeInRowChange(OnPostError, [this] { writeRecord(); });
    finishRowChange(opened, [this] {
        rows_->keepCurrent(buffer_->values(), buffer_->isNew());
        buffer_->finish();
        state_ = TDataSetState::dsBrowse;
        dataChanged();
        calculateFields();
        notify(TDataEvent::deUpdateState);
        notify(TDataEvent::deDataSetChange);
        fire(AfterPost);
    });
}

bool TDataSet::writeInRowChange(const TDataSetErrorEvent& errorHandler, const std::function<void()>& write) {
    const bool opened = BeginRowChange();
    try {
        CheckedOperation::run(this, errorHandler, write);
    } catch (...) {
        try {
            EndRowChange(opened, false);
        } catch (const EDatabaseError&) {
            // The failure of the write is the one to report.
        }
        throw;
    }
    return opened;
}

void TDataSet::finishRowChange(bool opened, const std::function<void()>& rest) {
    try {
        rest();
    } catch (...) {
        // The row is written and shown as such: what a handler wrote before it stopped stays too.
        try {
            EndRowChange(opened, true);
        } catch (const EDatabaseError&) {
            // The handler's exception is the one to report.
        }
        throw;
    }
    EndRowChange(opened, true);
}

void TDataSet::writeRecord() {
    for (TField* field : fields_->fields()) {
        if (field->Required() && !field->Calculated() && !buffer_->value(field->slot_).isValid()) {
            throw EDatabaseError(QStringLiteral("Field '%1' must have a value").arg(field->FieldName()));
        }
    }
    RowChange change{buffer_->isNew() ? RowChange::Kind::Insert : RowChange::Kind::Update, columns_,
                     buffer_->original(), buffer_->values()};
    WriteRow(change);
    for (const auto& [column, value] : change.generated) {
        buffer_->setValue(column, value);
    }
}

void TDataSet::Cancel() {
    if (!Editing()) {
        return;
    }
    notify(TDataEvent::deCheckBrowseMode);
    fire(BeforeCancel);
    if (!Editing()) {
        return;
    }
    const bool wasNew = buffer_->isNew();
    buffer_->finish();
    state_ = TDataSetState::dsBrowse;
    if (wasNew) {
        cursor().removeCurrentLeavingGap();
    }
    dataChanged();
    calculateFields();
    notify(TDataEvent::deUpdateState);
    notify(TDataEvent::deDataSetChange);
    fire(AfterCancel);
}

void TDataSet::Delete() {
    checkActive();
    if (state_ == TDataSetState::dsInsert) {
        Cancel();
        return;
    }
    if (cursor().count() == 0) {
        throw EDatabaseError(QStringLiteral("Cannot perform this operation on an empty dataset"));
    }
    if (!cursor().hasCurrent()) {
        throw EDatabaseError(QStringLiteral("No current record"));
    }
    checkCanModify();
    notify(TDataEvent::deCheckBrowseMode);
    fire(BeforeDelete);
    fire(BeforeScroll);
    const bool opened = writeInRowChange(OnDeleteError, [this] {
        const std::vector<QVariant> original =
            buffer_->editing() ? buffer_->original() : rows_->values(cursor().current());
        const std::vector<QVariant> none;
        RowChange change{RowChange::Kind::Delete, columns_, original, none};
        WriteRow(change);
    });
    finishRowChange(opened, [this] {
        const bool wasEditing = buffer_->editing();
        buffer_->finish();
        state_ = TDataSetState::dsBrowse;
        cursor().removeCurrent();
        dataChanged();
        calculateFields();
        if (wasEditing) {
            notify(TDataEvent::deUpdateState);
        }
        notify(TDataEvent::deDataSetChange);
        fire(AfterDelete);
    });
    fire(AfterScroll);
}

bool TDataSet::Editing() const {
    return state_ == TDataSetState::dsEdit || state_ == TDataSetState::dsInsert;
}

bool TDataSet::Modified() const {
    return buffer_->modified();
}

void TDataSet::UpdateRecord() {
    if (!Editing()) {
        throw EDatabaseError(QStringLiteral("Dataset not in edit or insert mode"));
    }
    notify(TDataEvent::deUpdateRecord);
}

void TDataSet::CheckBrowseMode() {
    checkActive();
    notify(TDataEvent::deCheckBrowseMode);
    if (Editing()) {
        UpdateRecord();
        if (Modified()) {
            Post();
        } else {
            Cancel();
        }
    }
}

// --- fields

const QList<TField*>& TDataSet::Fields() const {
    return fields_->fields();
}

int TDataSet::FieldCount() const {
    return int(fields_->fields().size());
}

TField* TDataSet::FindField(const QString& name) const {
    return fields_->find(name);
}

TField* TDataSet::FieldByName(const QString& name) const {
    return fields_->byName(name);
}

TField* TDataSet::FieldByIndex(int index) const {
    return fields_->byIndex(index);
}

TField* TDataSet::AddField(const QString& name, TFieldType type, int size) {
    return fields_->addPersistent(name, type, size, TFieldKind::fkData, Active());
}

TField* TDataSet::AddCalcField(const QString& name, TFieldType type, int size) {
    return fields_->addPersistent(name, type, size, TFieldKind::fkCalculated, Active());
}

QVariant TDataSet::ValueAt(int row, int fieldIndex) const {
    if (!Active() || row < 0 || row >= cursor().count() || fieldIndex < 0 || fieldIndex >= FieldCount()) {
        return {};
    }
    const TField& field = *fields_->fields().at(fieldIndex);
    if (row == cursor().position() && !values_->calculatingOther()) {
        return readField(field);
    }
    const RowId id = cursor().order().at(std::size_t(row));
    if (!field.Calculated()) {
        return FieldConversion::fromStored(rows_->otherValue(id, field.slot_), field.DataType());
    }
    // Computing values for display leaves the dataset as its users see it.
    auto* self = const_cast<TDataSet*>(this);
    const std::vector<QVariant>& calculated = values_->calculatedFor(id, fields_->calculatedCount(), [self] {
        if (self->OnCalcFields) {
            const StateSwap calculating(self->state_, TDataSetState::dsCalcFields);
            self->OnCalcFields(self);
        }
    });
    return calculated.at(std::size_t(field.slot_));
}

QString TDataSet::DisplayTextAt(int row, int fieldIndex) const {
    if (fieldIndex < 0 || fieldIndex >= FieldCount()) {
        return {};
    }
    const TField& field = *fields_->fields().at(fieldIndex);
    return FieldConversion::toDisplayText(ValueAt(row, fieldIndex), field.DataType(), field.DisplayFormat());
}

// --- controls

void TDataSet::DisableControls() {
    if (!links_->disabled()) {
        stateWhenDisabled_ = state_;
    }
    links_->disable();
}

void TDataSet::EnableControls() {
    if (!links_->enable()) {
        return;
    }
    if (stateWhenDisabled_ != state_) {
        notify(TDataEvent::deUpdateState);
        if ((stateWhenDisabled_ == TDataSetState::dsInactive) == Active()) {
            notify(TDataEvent::deActiveChange);
        }
    }
    notify(TDataEvent::deDataSetChange);
}

bool TDataSet::ControlsDisabled() const {
    return links_->disabled();
}

void TDataSet::AddDataLink(TDataLink* link) {
    links_->add(link);
}

void TDataSet::RemoveDataLink(TDataLink* link) {
    links_->remove(link);
}

// --- for the concrete datasets

void TDataSet::ApplySort(const QString& sortText) {
    checkActive();
    std::vector<RowSorter::Key> keys;
    for (const auto& [name, descending] : RowSorter::parse(sortText)) {
        const TField* field = FindField(name);
        if (!field) {
            throw EDatabaseError(QStringLiteral("Field '%1' not found").arg(name));
        }
        if (field->Calculated()) {
            throw EDatabaseError(QStringLiteral("Calculated field '%1' cannot be sorted on").arg(name));
        }
        keys.push_back({field->slot_, field->DataType(), descending});
    }
    CheckBrowseMode();
    rows_->sort(std::make_unique<RowSorter>(std::move(keys)));
    sortText_ = sortText;
    notify(TDataEvent::deDataSetChange);
}

void TDataSet::Reread(const QList<int>& keyColumns) {
    checkActive();
    CheckBrowseMode();
    fire(BeforeScroll);
    std::unique_ptr<sql::ResultCursor> result = OpenCursor();
    if (!FieldList::sameColumns(result->columns(), columns_)) {
        throw EDatabaseError(QStringLiteral("The columns of the rows changed; close and open the dataset"));
    }
    rows_->reload(*result, keyColumns);
    dataChanged();
    scrolled(TDataEvent::deDataSetChange, 0);
}

// --- the record buffer, as fields see it

QVariant TDataSet::readField(const TField& field) const {
    return Active() ? values_->read(field) : QVariant();
}

QVariant TDataSet::readOldField(const TField& field) const {
    return Active() ? values_->readOriginal(field) : QVariant();
}

void TDataSet::writeField(TField& field, const QVariant& value) {
    const std::size_t slot = std::size_t(field.slot_);
    if (state_ == TDataSetState::dsCalcFields) {
        if (!field.Calculated()) {
            throw EDatabaseError(QStringLiteral("Field '%1' cannot be modified").arg(field.FieldName()));
        }
        values_->calculated().at(slot) = value;
        return;
    }
    if (!Editing()) {
        throw EDatabaseError(QStringLiteral("Dataset not in edit or insert mode"));
    }
    if (field.Calculated()) {
        buffer_->calculated().at(slot) = value;
    } else {
        buffer_->setValue(field.slot_, value);
        buffer_->setModified(true);
        dataChanged();
        if (OnCalcFields) {
            calculateFields();
        }
    }
    notify(TDataEvent::deFieldChange, reinterpret_cast<long long>(&field));
    if (field.OnChange) {
        field.OnChange(&field);
    }
}

void TDataSet::calculateFields() {
    buffer_->clearCalculated(fields_->calculatedCount());
    if (!OnCalcFields || fields_->calculatedCount() == 0 || (!cursor().hasCurrent() && !buffer_->editing())) {
        return;
    }
    const StateSwap calculating(state_, TDataSetState::dsCalcFields);
    OnCalcFields(this);
}

void TDataSet::dataChanged() {
    values_->changed();
}

// --- helpers

RecordCursor& TDataSet::cursor() const {
    return rows_->cursor();
}

void TDataSet::checkActive() const {
    if (!Active()) {
        throw EDatabaseError(QStringLiteral("Cannot perform this operation on a closed dataset"));
    }
}

void TDataSet::checkCanModify() const {
    if (!CanModify()) {
        throw EDatabaseError(QStringLiteral("Cannot modify a read-only dataset"));
    }
}

void TDataSet::fire(const TDataSetNotifyEvent& event) {
    if (event) {
        event(this);
    }
}

void TDataSet::notify(TDataEvent event, long long info) {
    links_->notify(this, event, info);
}

void TDataSet::scrolled(TDataEvent event, long long info) {
    calculateFields();
    notify(event, info);
    fire(AfterScroll);
}

void TDataSet::moveToPosition(int position) {
    fire(BeforeScroll);
    const int from = cursor().position();
    cursor().moveTo(position);
    scrolled(TDataEvent::deDataSetScroll, from < 0 ? 0 : position - from);
}

} // namespace tarvand::data
