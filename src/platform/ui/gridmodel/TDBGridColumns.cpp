#include "TDBGridColumns.h"

#include "TColumn.h"
#include "TDataSet.h"
#include "TDataSource.h"
#include "TField.h"

namespace tarvand::ui {

TDBGridColumns::TDBGridColumns(QObject* parent) : QObject(parent) {}

TDBGridColumns::~TDBGridColumns() {
    rebuilding_ = true;
    qDeleteAll(QList<TColumn*>(columns_));
}

TColumn* TDBGridColumns::Add() {
    if (state_ == csDefault && !rebuilding_) {
        state_ = csCustomized;
        rebuilding_ = true;
        qDeleteAll(QList<TColumn*>(columns_));
        rebuilding_ = false;
    }
    return new TColumn(this);
}

void TDBGridColumns::Clear() {
    rebuilding_ = true;
    qDeleteAll(QList<TColumn*>(columns_));
    rebuilding_ = false;
    emit structureChanged();
}

void TDBGridColumns::Delete(int index) {
    delete columns_.at(index);
}

int TDBGridColumns::IndexOf(const TColumn* column) const {
    return int(columns_.indexOf(const_cast<TColumn*>(column)));
}

TColumn* TDBGridColumns::FindByFieldName(const QString& fieldName) const {
    for (TColumn* column : columns_) {
        if (column->FieldName().compare(fieldName, Qt::CaseInsensitive) == 0) {
            return column;
        }
    }
    return nullptr;
}

void TDBGridColumns::Move(int from, int to) {
    if (from < 0 || from >= Count()) {
        return;
    }
    to = std::clamp(to, 0, Count() - 1);
    if (from == to) {
        return;
    }
    columns_.move(from, to);
    emit structureChanged();
}

void TDBGridColumns::SetState(TDBGridColumnsState state) {
    state_ = state;
    if (state == csDefault) {
        RebuildColumns();
    }
}

void TDBGridColumns::RebuildColumns() {
    rebuilding_ = true;
    qDeleteAll(QList<TColumn*>(columns_));
    if (data::TDataSet* dataSet = DataSet()) {
        for (data::TField* field : dataSet->Fields()) {
            if (field->Visible()) {
                (new TColumn(this))->SetFieldName(field->FieldName());
            }
        }
    }
    rebuilding_ = false;
    emit structureChanged();
}

data::TDataSet* TDBGridColumns::DataSet() const {
    data::TDataSet* dataSet = source_ != nullptr ? source_->DataSet() : nullptr;
    return dataSet != nullptr && dataSet->Active() ? dataSet : nullptr;
}

void TDBGridColumns::attach(TColumn* column) {
    columns_.append(column);
    connect(column, &TColumn::changed, this, [this, column] {
        const int index = IndexOf(column);
        if (index >= 0) {
            emit columnChanged(index);
        }
    });
    if (!rebuilding_) {
        emit structureChanged();
    }
}

void TDBGridColumns::detach(TColumn* column) {
    if (columns_.removeAll(column) > 0 && !rebuilding_) {
        emit structureChanged();
    }
}

} // namespace tarvand::ui
