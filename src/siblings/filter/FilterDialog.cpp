#include "FilterDialog.h"

#include "EDatabaseError.h"
#include "FilterRow.h"
#include "FilterStatement.h"
#include "TADOQuery.h"
#include "TBitBtn.h"
#include "TColumn.h"
#include "TColumnTitle.h"
#include "TDBGrid.h"
#include "TField.h"
#include "TMyDatabase.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarvand::siblings {

namespace {

QLabel* headerLabel(const QString& text, int width) {
    auto* label = new QLabel(text);
    if (width > 0)
        label->setFixedWidth(width);
    return label;
}

} // namespace

FilterDialog::FilterDialog(ui::TDBGrid* grid, const QList<FilterField>& fields, TMyDatabase* database,
                           const QString& reportText, QWidget* parent)
    : SiblingDialog(reportText.trimmed().isEmpty() ? QStringLiteral("پالايش گزارش")
                                                   : QStringLiteral("پالايش گزارش - ") + reportText.trimmed(),
                    parent),
      grid_(grid), fields_(fields), database_(database), rowsLayout_(new QVBoxLayout) {
    setObjectName(QStringLiteral("FilterDialog"));

    auto* header = new QHBoxLayout;
    header->setSpacing(6);
    header->addWidget(headerLabel(QString(), FilterRow::LinkWidth));
    header->addWidget(headerLabel(QStringLiteral("ستون"), FilterRow::FieldWidth));
    header->addWidget(headerLabel(QStringLiteral("عملگر"), FilterRow::OperatorWidth));
    header->addWidget(headerLabel(QStringLiteral("مقدار"), 0), 1);
    rowsLayout_->setSpacing(4);

    auto* add = new QPushButton(QStringLiteral("افزودن شرط"));
    add->setObjectName(QStringLiteral("AddCondition"));
    add->setAutoDefault(false);
    connect(add, &QPushButton::clicked, this, [this] { addRow()->ValueEdit()->setFocus(); });
    auto* countButton = new QPushButton(QStringLiteral("شمارش رديفها"));
    countButton->setObjectName(QStringLiteral("Count"));
    countButton->setAutoDefault(false);
    countButton->setEnabled(database_ != nullptr);
    connect(countButton, &QPushButton::clicked, this, [this] { count(); });
    auto* tools = new QHBoxLayout;
    tools->addWidget(add);
    tools->addWidget(countButton);
    tools->addStretch();

    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(header);
    layout->addLayout(rowsLayout_);
    layout->addLayout(tools);
    layout->addStretch();

    ui::TBitBtn* ok = AddButton(QStringLiteral("تاييد"), ui::mrNone);
    ok->setObjectName(QStringLiteral("Ok"));
    ok->SetDefault(true);
    ok->OnClick = [this](QObject*) { accept(); };
    ui::TBitBtn* cancel = AddButton(QStringLiteral("انصراف"), ui::mrCancel);
    cancel->setObjectName(QStringLiteral("Cancel"));
    cancel->SetCancel(true);

    // The first line starts on the column the user stands on.
    FilterRow* first = addRow();
    if (const data::TField* selected = grid->SelectedField()) {
        for (int i = 0; i < fields_.size(); ++i) {
            if (fields_.at(i).FieldName.compare(selected->FieldName(), Qt::CaseInsensitive) == 0)
                first->SetField(i);
        }
    }
    first->ValueEdit()->setFocus();
}

QList<FilterField> FilterDialog::FieldsOf(ui::TDBGrid* grid) {
    QList<FilterField> fields;
    ui::TDBGridColumns* columns = grid->Columns();
    for (int i = 0; i < columns->Count(); ++i) {
        const ui::TColumn* column = columns->Items(i);
        const data::TField* field = column->Field();
        if (!column->Visible() || field == nullptr || field->Calculated() ||
            !FilterStatement::IsPlainName(field->FieldName()))
            continue;
        const QString caption = column->Title()->Caption().trimmed();
        fields.append({caption.isEmpty() ? field->FieldName() : caption, field->FieldName(),
                       data::IsNumericType(field->DataType())});
    }
    return fields;
}

FilterRow* FilterDialog::addRow() {
    auto* row = new FilterRow(fields_, rows_.isEmpty(), Body());
    row->setObjectName(QStringLiteral("Condition%1").arg(rows_.size() + 1));
    connect(row->RemoveButton(), &QToolButton::clicked, this, [this, row] { removeRow(row); });
    rows_.append(row);
    rowsLayout_->addWidget(row);
    // A line added to the shown window is shown (the layout would do it later) and the window
    // grows to hold it; before the window shows, Run sizes it.
    if (isVisible()) {
        row->show();
        adjustSize();
    }
    return row;
}

void FilterDialog::removeRow(FilterRow* row) {
    // The dialog always keeps one line to fill in.
    if (rows_.size() <= 1) {
        row->ValueEdit()->clear();
        return;
    }
    rows_.removeOne(row);
    row->hide();
    row->deleteLater();
    rows_.first()->SetFirst(true);
    rows_.first()->ValueEdit()->setFocus();
    adjustSize();
}

bool FilterDialog::build() {
    QList<FilterCondition> conditions;
    for (FilterRow* row : rows_) {
        const FilterCondition condition = row->Condition();
        const bool pattern = condition.Op == FilterCondition::Operator::Contains ||
                             condition.Op == FilterCondition::Operator::StartsWith;
        QString problem;
        if (pattern && condition.Value.trimmed().isEmpty())
            problem = QStringLiteral("براي ستون «%1» متني را كه بايد در آن باشد بنويسيد.");
        else if (condition.Numeric && !pattern && FilterStatement::NumberOf(condition.Value).isEmpty())
            problem = QStringLiteral("مقدار ستون «%1» بايد عدد باشد.");
        if (!problem.isEmpty()) {
            ShowNote(problem.arg(row->Field().Caption), true);
            row->ValueEdit()->setFocus();
            return false;
        }
        conditions.append(condition);
    }
    statement_ = FilterStatement::Statement(grid_->DataSet(), FilterStatement::Condition(conditions));
    return !statement_.isEmpty();
}

std::optional<int> FilterDialog::countRows() {
    if (database_ == nullptr || database_->Connection() == nullptr)
        return std::nullopt;
    data::TADOQuery query;
    query.SetConnection(database_->Connection());
    query.SetSQL(statement_);
    try {
        query.Open();
    } catch (const Exception& error) {
        ShowNote(QStringLiteral("پايگاه داده اين پالايش را نپذيرفت: ") + error.Message, true);
        return std::nullopt;
    }
    return query.RecordCount();
}

void FilterDialog::count() {
    if (!build())
        return;
    if (const std::optional<int> rows = countRows())
        ShowNote(QString::number(*rows) + QStringLiteral(" رديف با اين شرطها سازگار است."));
}

void FilterDialog::accept() {
    if (!build())
        return;
    if (database_ != nullptr && !countRows())
        return;
    SetModalResult(ui::mrOk);
}

} // namespace tarvand::siblings
