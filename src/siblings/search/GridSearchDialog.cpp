#include "GridSearchDialog.h"

#include "Guard.h"
#include "TBitBtn.h"
#include "TColumn.h"
#include "TColumnTitle.h"
#include "TDBGrid.h"
#include "TDataSet.h"
#include "TField.h"
#include "TextMatcher.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace tarvand::siblings {

namespace {

constexpr ui::WORD vkF3 = ui::VK_F1 + 2;

QString columnCaption(ui::TDBGrid* grid, data::TField* field) {
    if (ui::TColumn* column = grid->Columns()->FindByFieldName(field->FieldName()))
        return column->Title()->Caption().trimmed();
    return field->DisplayLabel();
}

} // namespace

GridSearchDialog::GridSearchDialog(ui::TDBGrid* grid, data::TField* field, const QString& previous,
                                   QWidget* parent)
    : SiblingDialog(QStringLiteral("جستجو"), parent), grid_(grid), field_(field), text_(new QLineEdit),
      contains_(new QRadioButton(QStringLiteral("شامل متن"))),
      whole_(new QRadioButton(QStringLiteral("كل مقدار ستون"))), searched_(previous) {
    setObjectName(QStringLiteral("GridSearchDialog"));
    text_->setObjectName(QStringLiteral("SearchText"));
    text_->setText(previous);
    text_->selectAll();
    text_->setMinimumWidth(240);
    contains_->setObjectName(QStringLiteral("Contains"));
    whole_->setObjectName(QStringLiteral("WholeValue"));
    contains_->setChecked(true);
    auto* group = new QButtonGroup(this);
    group->addButton(contains_);
    group->addButton(whole_);

    auto* kinds = new QHBoxLayout;
    kinds->addWidget(contains_);
    kinds->addWidget(whole_);
    kinds->addStretch();
    auto* form = new QFormLayout(Body());
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(QStringLiteral("ستون:"), new QLabel(columnCaption(grid, field)));
    form->addRow(QStringLiteral("متن:"), text_);
    form->addRow(QStringLiteral("جستجو:"), kinds);
    static_cast<QLabel*>(form->labelForField(text_))->setBuddy(text_);

    ui::TBitBtn* next = AddButton(QStringLiteral("بعدي"), ui::mrNone);
    next->setObjectName(QStringLiteral("FindNext"));
    next->SetDefault(true);
    next->OnClick = [this](QObject*) { find(true); };
    ui::TBitBtn* back = AddButton(QStringLiteral("قبلي"), ui::mrNone);
    back->setObjectName(QStringLiteral("FindPrevious"));
    back->OnClick = [this](QObject*) { find(false); };
    ui::TBitBtn* close = AddButton(QStringLiteral("بستن"), ui::mrCancel);
    close->setObjectName(QStringLiteral("Close"));
    close->SetCancel(true);

    OnShortCut = [this](ui::WORD key, ui::TShiftState shift, bool& handled) {
        shortCut(key, shift, handled);
    };
    text_->setFocus();
}

void GridSearchDialog::shortCut(ui::WORD key, ui::TShiftState shift, bool& handled) {
    if (key != vkF3)
        return;
    find(shift != Qt::ShiftModifier);
    handled = true;
}

void GridSearchDialog::find(bool forward) {
    const TextMatcher matcher(text_->text(), whole_->isChecked());
    if (matcher.IsEmpty()) {
        ShowNote(QStringLiteral("متن جستجو را بنويسيد."), true);
        text_->setFocus();
        return;
    }
    searched_ = text_->text().trimmed();
    data::TDataSet* dataSet = grid_->DataSet();
    const int rows = dataSet != nullptr ? dataSet->RecordCount() : 0;
    const int field = field_->Index();
    // Without a current row the search starts before the first row (or after the last).
    int start = dataSet != nullptr ? dataSet->RecNo() - 1 : -1;
    if (start < 0)
        start = forward ? -1 : rows;
    for (int step = 1; step <= rows; ++step) {
        const int row = ((forward ? start + step : start - step) % rows + rows) % rows;
        const QString shown = dataSet->DisplayTextAt(row, field);
        const QString value = dataSet->ValueAt(row, field).toString();
        if (!matcher.Matches(shown) && !matcher.Matches(value))
            continue;
        // Leaving the row may post it, and BeforePost may refuse: the grid then stays where it was.
        if (!ui::Guard::run([&] { dataSet->SetRecNo(row + 1); }))
            return;
        const bool wrapped = forward ? row <= start : row >= start;
        ShowNote(wrapped ? (forward ? QStringLiteral("جستجو از ابتداي جدول ادامه يافت.")
                                    : QStringLiteral("جستجو از انتهاي جدول ادامه يافت."))
                         : QString());
        return;
    }
    ShowNote(QStringLiteral("«") + searched_ + QStringLiteral("» پيدا نشد."), true);
}

} // namespace tarvand::siblings
