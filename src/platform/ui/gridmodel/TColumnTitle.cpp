#include "TColumnTitle.h"

#include "TColumn.h"
#include "TField.h"

namespace tarvand::ui {

TColumnTitle::TColumnTitle(TColumn* column) : QObject(column), column_(column) {}

QString TColumnTitle::Caption() const {
    if (hasCaption_) {
        return caption_;
    }
    if (const data::TField* field = column_->Field()) {
        return field->DisplayLabel();
    }
    return column_->FieldName();
}

void TColumnTitle::SetCaption(const QString& caption) {
    caption_ = caption;
    hasCaption_ = true;
    emit changed();
}

void TColumnTitle::SetColor(const QColor& color) {
    color_ = color;
    emit changed();
}

void TColumnTitle::SetFontColor(const QColor& color) {
    fontColor_ = color;
    emit changed();
}

void TColumnTitle::SetBold(bool bold) {
    bold_ = bold;
    emit changed();
}

} // namespace tarvand::ui
