#include "FilterRow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

namespace tarvand::siblings {

namespace {

using Op = FilterCondition::Operator;

struct OperatorChoice {
    const char16_t* caption;
    Op op;
};

// In the order the list shows them.
constexpr OperatorChoice operators[] = {
    {u"=", Op::Equal},       {u"<>", Op::NotEqual},        {u">", Op::Greater},
    {u"<", Op::Less},        {u">=", Op::GreaterOrEqual},  {u"<=", Op::LessOrEqual},
    {u"شامل", Op::Contains}, {u"شروع با", Op::StartsWith},
};

} // namespace

FilterRow::FilterRow(const QList<FilterField>& fields, bool first, QWidget* parent)
    : QWidget(parent), fields_(fields), link_(new QComboBox(this)), field_(new QComboBox(this)),
      operator_(new QComboBox(this)), value_(new QLineEdit(this)), remove_(new QToolButton(this)) {
    link_->setObjectName(QStringLiteral("Link"));
    field_->setObjectName(QStringLiteral("Field"));
    operator_->setObjectName(QStringLiteral("Operator"));
    value_->setObjectName(QStringLiteral("Value"));
    link_->addItem(QStringLiteral("و"));
    link_->addItem(QStringLiteral("يا"));
    link_->setFixedWidth(LinkWidth);
    for (const FilterField& field : fields_)
        field_->addItem(field.Caption);
    field_->setFixedWidth(FieldWidth);
    // Between left-to-right marks the signs keep their order and shape in a right-to-left line.
    const QChar leftToRight(u'\u200E');
    for (const OperatorChoice& choice : operators)
        operator_->addItem(leftToRight + QString::fromUtf16(choice.caption) + leftToRight, int(choice.op));
    operator_->setFixedWidth(OperatorWidth);
    value_->setMinimumWidth(ValueWidth);
    remove_->setText(QStringLiteral("✕"));
    remove_->setToolTip(QStringLiteral("حذف شرط"));
    remove_->setAutoRaise(true);
    remove_->setFocusPolicy(Qt::NoFocus);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(link_);
    layout->addWidget(field_);
    layout->addWidget(operator_);
    layout->addWidget(value_, 1);
    layout->addWidget(remove_);
    SetFirst(first);
}

void FilterRow::SetFirst(bool first) {
    // The first line keeps the room of the join, so that the columns stay lined up.
    QSizePolicy policy = link_->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    link_->setSizePolicy(policy);
    link_->setVisible(!first);
}

void FilterRow::SetField(int index) {
    field_->setCurrentIndex(index);
}

const FilterField& FilterRow::Field() const {
    return fields_.at(field_->currentIndex());
}

FilterCondition FilterRow::Condition() const {
    FilterCondition condition;
    condition.Link = link_->currentIndex() == 1 ? FilterCondition::Join::Or : FilterCondition::Join::And;
    condition.FieldName = Field().FieldName;
    condition.Numeric = Field().Numeric;
    condition.Op = Op(operator_->currentData().toInt());
    condition.Value = value_->text();
    return condition;
}

} // namespace tarvand::siblings
