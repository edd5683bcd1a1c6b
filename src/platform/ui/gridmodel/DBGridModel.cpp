#include "DBGridModel.h"

#include "GridDataListener.h"
#include "TColumn.h"
#include "TColumnTitle.h"
#include "TDBGridColumns.h"
#include "TDataSet.h"
#include "TDataSource.h"
#include "TField.h"

#include <QBrush>
#include <QDebug>
#include <QFont>

namespace tarvand::ui {

DBGridModel::DBGridModel(QObject* parent) : QAbstractTableModel(parent), columns_(new TDBGridColumns(this)) {
    connect(columns_, &TDBGridColumns::structureChanged, this, [this] { reset(); });
    connect(columns_, &TDBGridColumns::columnChanged, this, [this](int column) {
        refreshFields();
        if (rows_ > 0) {
            emit dataChanged(index(0, column), index(rows_ - 1, column));
        }
        emit headerDataChanged(Qt::Horizontal, column, column);
    });
}

DBGridModel::~DBGridModel() {
    if (source_ != nullptr) {
        source_->RemoveLink(this);
    }
}

void DBGridModel::SetDataSource(data::TDataSource* source) {
    if (source_ == source) {
        return;
    }
    if (source_ != nullptr) {
        source_->RemoveLink(this);
    }
    source_ = source;
    columns_->SetDataSource(source);
    if (source_ != nullptr) {
        source_->AddLink(this);
    }
    if (columns_->State() == csDefault) {
        columns_->RebuildColumns();
    } else {
        reset();
    }
}

data::TDataSet* DBGridModel::DataSet() const {
    return columns_->DataSet();
}

void DBGridModel::SetEditing(bool editing) {
    if (editing_ != editing) {
        editing_ = editing;
        if (rows_ > 0 && !fields_.empty()) {
            emit dataChanged(index(0, 0), index(rows_ - 1, int(fields_.size()) - 1), {Qt::DisplayRole});
        }
    }
}

bool DBGridModel::CanEditColumn(int column) const {
    const data::TField* field = FieldAt(column);
    return editing_ && field != nullptr && !columns_->Items(column)->ReadOnly() && !field->ReadOnly() &&
           !field->Calculated();
}

data::TField* DBGridModel::FieldAt(int column) const {
    return column >= 0 && column < int(fields_.size()) ? fields_[std::size_t(column)] : nullptr;
}

int DBGridModel::CurrentRow() const {
    const data::TDataSet* dataSet = DataSet();
    const int recNo = dataSet != nullptr ? dataSet->RecNo() : -1;
    return recNo > 0 ? recNo - 1 : -1;
}

int DBGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int DBGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(fields_.size());
}

QVariant DBGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    try {
        return cellData(index.row(), index.column(), role);
    } catch (...) {
        handleException();
        return {};
    }
}

QVariant DBGridModel::cellData(int row, int column, int role) const {
    const TColumn* gridColumn = columns_->Items(column);
    const data::TField* field = FieldAt(column);
    switch (role) {
    case Qt::DisplayRole:
        return field != nullptr && row < DataSet()->RecordCount()
                   ? DataSet()->DisplayTextAt(row, field->Index())
                   : QString();
    case Qt::EditRole:
        if (field == nullptr) {
            return QString();
        }
        return row == CurrentRow() ? field->Text() : DataSet()->ValueAt(row, field->Index()).toString();
    case Qt::TextAlignmentRole:
        if (gridColumn->Alignment() != Qt::Alignment()) {
            return QVariant::fromValue(gridColumn->Alignment());
        }
        return QVariant::fromValue(
            (field != nullptr && data::IsNumericType(field->DataType()) ? Qt::AlignRight : Qt::AlignLeft) |
            Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return gridColumn->Color().isValid() ? QVariant(QBrush(gridColumn->Color())) : QVariant();
    case Qt::ForegroundRole:
        return gridColumn->FontColor().isValid() ? QVariant(QBrush(gridColumn->FontColor())) : QVariant();
    default:
        return {};
    }
}

QVariant DBGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        if (role != IndicatorRole || section != currentRow_) {
            return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
        }
        const data::TDataSet* dataSet = DataSet();
        const data::TDataSetState state =
            dataSet != nullptr ? dataSet->State() : data::TDataSetState::dsInactive;
        return state == data::TDataSetState::dsInsert ? 3 : state == data::TDataSetState::dsEdit ? 2 : 1;
    }
    if (section < 0 || section >= columns_->Count()) {
        return {};
    }
    try {
        const TColumnTitle* title = columns_->Items(section)->Title();
        switch (role) {
        case Qt::DisplayRole:
            return title->Caption();
        case Qt::ForegroundRole:
            return title->FontColor().isValid() ? QVariant(QBrush(title->FontColor())) : QVariant();
        case Qt::BackgroundRole:
            return title->Color().isValid() ? QVariant(QBrush(title->Color())) : QVariant();
        case Qt::FontRole:
            if (title->Bold()) {
                QFont font;
                font.setBold(true);
                return font;
            }
            return {};
        default:
            return {};
        }
    } catch (...) {
        handleException();
        return {};
    }
}

Qt::ItemFlags DBGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (CanEditColumn(index.column())) {
        result |= Qt::ItemIsEditable;
    }
    return result;
}

void DBGridModel::DataEvent(data::TDataSet*, data::TDataEvent event, long long info) {
    switch (event) {
    case data::TDataEvent::deActiveChange:
        if (columns_->State() == csDefault) {
            columns_->RebuildColumns(); // resets through structureChanged
        } else {
            reset();
        }
        break;
    case data::TDataEvent::deDataSetChange: {
        // Controls that were disabled hear only this, even when the dataset was reopened.
        const std::vector<data::TField*> before = fields_;
        refreshFields();
        if (fields_ != before && columns_->State() == csDefault) {
            columns_->RebuildColumns();
            break;
        }
        const data::TDataSet* dataSet = DataSet();
        const int rows = dataSet != nullptr ? dataSet->RecordCount() : 0;
        if (rows != rows_ || fields_ != before) {
            reset();
            break;
        }
        if (rows_ > 0 && !fields_.empty()) {
            emit dataChanged(index(0, 0), index(rows_ - 1, int(fields_.size()) - 1));
        }
        currentMoved();
        break;
    }
    case data::TDataEvent::deDataSetScroll:
        currentMoved();
        break;
    case data::TDataEvent::deRecordChange:
        rowChanged(CurrentRow());
        break;
    case data::TDataEvent::deFieldChange:
        fieldChanged(reinterpret_cast<const data::TField*>(info));
        break;
    case data::TDataEvent::deUpdateState:
        rowChanged(CurrentRow());
        if (listener_ != nullptr) {
            listener_->dataSetStateChanged();
        }
        break;
    case data::TDataEvent::deUpdateRecord:
        if (listener_ != nullptr) {
            listener_->recordUpdateRequested();
        }
        break;
    case data::TDataEvent::deCheckBrowseMode:
        break;
    }
}

void DBGridModel::DataSetDestroyed(data::TDataSet*) {
    reset();
}

void DBGridModel::DataSourceDestroyed(data::TDataSource* source) {
    if (source == source_) {
        source_ = nullptr;
        columns_->SetDataSource(nullptr);
        reset();
    }
}

void DBGridModel::reset() {
    beginResetModel();
    refreshFields();
    const data::TDataSet* dataSet = DataSet();
    rows_ = dataSet != nullptr ? dataSet->RecordCount() : 0;
    currentRow_ = CurrentRow();
    endResetModel();
    if (listener_ != nullptr) {
        listener_->currentRecordChanged();
    }
}

void DBGridModel::refreshFields() {
    fields_.assign(std::size_t(columns_->Count()), nullptr);
    for (int i = 0; i < columns_->Count(); ++i) {
        fields_[std::size_t(i)] = columns_->Items(i)->Field();
    }
}

void DBGridModel::currentMoved() {
    const int previous = currentRow_;
    currentRow_ = CurrentRow();
    if (previous != currentRow_) {
        rowChanged(previous);
    }
    rowChanged(currentRow_);
    if (listener_ != nullptr) {
        listener_->currentRecordChanged();
    }
}

void DBGridModel::rowChanged(int row) {
    if (row < 0 || row >= rows_) {
        return;
    }
    if (!fields_.empty()) {
        emit dataChanged(index(row, 0), index(row, int(fields_.size()) - 1));
    }
    emit headerDataChanged(Qt::Vertical, row, row);
}

// Only the cells of that field: an editor open in another cell keeps what is being typed there.
void DBGridModel::fieldChanged(const data::TField* field) {
    const int row = CurrentRow();
    if (row < 0 || row >= rows_) {
        return;
    }
    for (int column = 0; column < int(fields_.size()); ++column) {
        if (fields_[std::size_t(column)] == field) {
            emit dataChanged(index(row, column), index(row, column));
        }
    }
    emit headerDataChanged(Qt::Vertical, row, row);
}

void DBGridModel::handleException() const {
    if (exceptionHandler_) {
        exceptionHandler_();
    } else {
        qWarning("Exception while the grid read its dataset");
    }
}

} // namespace tarvand::ui
