#include "ReportPropertyDialog.h"

#include "TBitBtn.h"
#include "TDataSet.h"
#include "TField.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tarvand::siblings {

namespace {

QString typeName(data::TFieldType type) {
    switch (type) {
    case data::TFieldType::ftString:
        return QStringLiteral("متن");
    case data::TFieldType::ftSmallint:
    case data::TFieldType::ftInteger:
        return QStringLiteral("عدد صحيح");
    case data::TFieldType::ftAutoInc:
        return QStringLiteral("شماره خودكار");
    case data::TFieldType::ftFloat:
        return QStringLiteral("عدد اعشاري");
    case data::TFieldType::ftBCD:
        return QStringLiteral("مبلغ");
    case data::TFieldType::ftBoolean:
        return QStringLiteral("بلي / خير");
    case data::TFieldType::ftDateTime:
        return QStringLiteral("تاريخ و زمان");
    case data::TFieldType::ftMemo:
        return QStringLiteral("متن بلند");
    case data::TFieldType::ftBlob:
        return QStringLiteral("داده دودويي");
    case data::TFieldType::ftUnknown:
        break;
    }
    return QStringLiteral("نامعلوم");
}

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

ReportPropertyDialog::ReportPropertyDialog(const QString& title, data::TDataSet* dataSet, QWidget* parent)
    : SiblingDialog(QStringLiteral("مشخصات گزارش"), parent), columns_(new QTableWidget(this)) {
    setObjectName(QStringLiteral("ReportPropertyDialog"));
    const bool open = dataSet != nullptr && dataSet->Active();

    auto* titleLabel = new QLabel(title.trimmed());
    titleLabel->setObjectName(QStringLiteral("Title"));
    titleLabel->setWordWrap(true);
    auto* countLabel = new QLabel(open ? QString::number(dataSet->RecordCount()) : QStringLiteral("بسته"));
    countLabel->setObjectName(QStringLiteral("RecordCount"));
    // A bare number would take the left edge, away from its label.
    countLabel->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("عنوان گزارش:"), titleLabel);
    form->addRow(QStringLiteral("تعداد رديفها:"), countLabel);

    columns_->setObjectName(QStringLiteral("Columns"));
    columns_->setColumnCount(5);
    columns_->setHorizontalHeaderLabels({QStringLiteral("عنوان"), QStringLiteral("فيلد"),
                                         QStringLiteral("نوع"), QStringLiteral("اندازه"),
                                         QStringLiteral("نمايش")});
    columns_->verticalHeader()->setVisible(false);
    columns_->setSelectionBehavior(QAbstractItemView::SelectRows);
    columns_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const QList<data::TField*> fields = open ? dataSet->Fields() : QList<data::TField*>();
    columns_->setRowCount(int(fields.size()));
    for (int row = 0; row < fields.size(); ++row) {
        const data::TField* field = fields.at(row);
        columns_->setItem(row, 0, cell(field->DisplayLabel()));
        columns_->setItem(row, 1, cell(field->FieldName()));
        columns_->setItem(row, 2, cell(typeName(field->DataType())));
        columns_->setItem(row, 3, cell(field->Size() > 0 ? QString::number(field->Size()) : QString()));
        columns_->setItem(row, 4, cell(field->Visible() ? QStringLiteral("بلي") : QStringLiteral("خير")));
    }
    // Measured in the dialog's font, which the table has from its parent by now.
    columns_->resizeColumnsToContents();
    columns_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    int width = columns_->frameWidth() * 2 + 24;
    for (int i = 0; i < columns_->columnCount(); ++i)
        width += columns_->columnWidth(i);
    columns_->setMinimumWidth(std::min(width, 720));
    columns_->setMinimumHeight(std::min(columns_->verticalHeader()->length() +
                                            columns_->horizontalHeader()->height() +
                                            columns_->frameWidth() * 2 + 4,
                                        420));

    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(form);
    layout->addWidget(columns_, 1);

    ui::TBitBtn* close = AddButton(QStringLiteral("بستن"), ui::mrOk);
    close->setObjectName(QStringLiteral("Close"));
    close->SetDefault(true);
    close->SetCancel(true);
    columns_->setFocus();
}

} // namespace tarvand::siblings
