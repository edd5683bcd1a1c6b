#include "TColumn.h"

#include "TColumnTitle.h"
#include "TDBGridColumns.h"
#include "TDataSet.h"

namespace tarvand::ui {

TColumn::TColumn(TDBGridColumns* collection)
    : QObject(collection), collection_(collection), title_(new TColumnTitle(this)) {
    connect(title_, &TColumnTitle::changed, this, &TColumn::changed);
    collection_->attach(this);
}

TColumn::~TColumn() {
    collection_->detach(this);
}

void TColumn::SetFieldName(const QString& name) {
    fieldName_ = name;
    emit changed();
}

data::TField* TColumn::Field() const {
    data::TDataSet* dataSet = collection_->DataSet();
    return dataSet != nullptr && !fieldName_.isEmpty() ? dataSet->FindField(fieldName_) : nullptr;
}

void TColumn::SetWidth(int width) {
    if (width_ != width) {
        width_ = width;
        emit changed();
    }
}

void TColumn::SetVisible(bool visible) {
    if (visible_ != visible) {
        visible_ = visible;
        emit changed();
    }
}

void TColumn::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    emit changed();
}

void TColumn::SetColor(const QColor& color) {
    color_ = color;
    emit changed();
}

void TColumn::SetFontColor(const QColor& color) {
    fontColor_ = color;
    emit changed();
}

void TColumn::SetAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    emit changed();
}

int TColumn::Index() const {
    return collection_->IndexOf(this);
}

void TColumn::SetIndex(int index) {
    collection_->Move(Index(), index);
}

} // namespace tarvand::ui
