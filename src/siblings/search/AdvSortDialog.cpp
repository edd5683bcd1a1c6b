#include "AdvSortDialog.h"

#include "RowSorter.h"
#include "TBitBtn.h"
#include "TColumn.h"
#include "TColumnTitle.h"
#include "TCustomADODataSet.h"
#include "TDBGrid.h"
#include "TField.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvand::siblings {

namespace {

constexpr int fieldRole = Qt::UserRole;
constexpr int captionRole = Qt::UserRole + 1;
constexpr int descendingRole = Qt::UserRole + 2;

const QString ascendingText = QStringLiteral("صعودي");
const QString descendingText = QStringLiteral("نزولي");

QString captionOf(const ui::TColumn* column) {
    const QString caption = column->Title()->Caption().trimmed();
    return caption.isEmpty() ? column->FieldName() : caption;
}

QPushButton* listButton(const QString& caption, const QString& name) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

AdvSortDialog::AdvSortDialog(ui::TDBGrid* grid, QWidget* parent)
    : SiblingDialog(QStringLiteral("مرتب سازي پيشرفته"), parent), grid_(grid), columns_(new QListWidget),
      sort_(new QListWidget) {
    setObjectName(QStringLiteral("AdvSortDialog"));
    columns_->setObjectName(QStringLiteral("Columns"));
    sort_->setObjectName(QStringLiteral("SortColumns"));
    columns_->setMinimumSize(190, 220);
    sort_->setMinimumSize(190, 220);

    ui::TDBGridColumns* gridColumns = grid->Columns();
    for (int i = 0; i < gridColumns->Count(); ++i) {
        const ui::TColumn* column = gridColumns->Items(i);
        const data::TField* field = column->Field();
        // Only the dataset's own columns can be sorted; calculated ones exist on the client only.
        if (field == nullptr || field->Calculated() || !column->Visible())
            continue;
        auto* item = new QListWidgetItem(captionOf(column), columns_);
        item->setData(fieldRole, field->FieldName());
    }
    columns_->setCurrentRow(0);

    // The dataset took its sort text, so the text reads back.
    if (auto* dataSet = dynamic_cast<data::TCustomADODataSet*>(grid->DataSet())) {
        for (const auto& [name, descending] : data::RowSorter::parse(dataSet->Sort())) {
            const ui::TColumn* column = gridColumns->FindByFieldName(name);
            if (column != nullptr && column->Field() != nullptr)
                addSortItem(column->Field()->FieldName(), captionOf(column), descending);
        }
    }

    QPushButton* add = listButton(QStringLiteral("افزودن ←"), QStringLiteral("Add"));
    QPushButton* remove = listButton(QStringLiteral("حذف"), QStringLiteral("Remove"));
    QPushButton* toggle = listButton(QStringLiteral("صعودي / نزولي"), QStringLiteral("Toggle"));
    QPushButton* up = listButton(QStringLiteral("بالا"), QStringLiteral("Up"));
    QPushButton* down = listButton(QStringLiteral("پايين"), QStringLiteral("Down"));
    addButton_ = add;
    sortButtons_ = {remove, toggle, up, down};
    connect(add, &QPushButton::clicked, this, [this] { addChosen(); });
    connect(remove, &QPushButton::clicked, this, [this] { removeChosen(); });
    connect(toggle, &QPushButton::clicked, this, [this] { toggleChosen(); });
    connect(up, &QPushButton::clicked, this, [this] { moveChosen(-1); });
    connect(down, &QPushButton::clicked, this, [this] { moveChosen(1); });
    connect(columns_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { addColumn(item); });
    connect(sort_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem*) { toggleChosen(); });
    connect(sort_, &QListWidget::currentRowChanged, this, [this](int) { updateButtons(); });
    columns_->installEventFilter(this);
    sort_->installEventFilter(this);

    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {add, remove, toggle, up, down})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QGridLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("ستونهاي جدول:")), 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("ترتيب مرتب سازي:")), 0, 2);
    layout->addWidget(columns_, 1, 0);
    layout->addLayout(buttons, 1, 1);
    layout->addWidget(sort_, 1, 2);

    ui::TBitBtn* ok = AddButton(QStringLiteral("تاييد"), ui::mrOk);
    ok->setObjectName(QStringLiteral("Ok"));
    ok->SetDefault(true);
    ui::TBitBtn* cancel = AddButton(QStringLiteral("انصراف"), ui::mrCancel);
    cancel->setObjectName(QStringLiteral("Cancel"));
    cancel->SetCancel(true);

    updateButtons();
    columns_->setFocus();
}

QString AdvSortDialog::SortText() const {
    QStringList parts;
    for (int i = 0; i < sort_->count(); ++i) {
        const QListWidgetItem* item = sort_->item(i);
        parts.append(item->data(fieldRole).toString() + (item->data(descendingRole).toBool()
                                                             ? QStringLiteral(" DESC")
                                                             : QStringLiteral(" ASC")));
    }
    if (parts.isEmpty())
        return {};
    return QLatin1Char(' ') + parts.join(QStringLiteral(" , ")) + QLatin1Char(' ');
}

void AdvSortDialog::Apply() const {
    auto* dataSet = dynamic_cast<data::TCustomADODataSet*>(grid_->DataSet());
    if (dataSet == nullptr)
        return;
    dataSet->SetSort(SortText());
    ui::TDBGridColumns* columns = grid_->Columns();
    for (int i = 0; i < columns->Count(); ++i)
        columns->Items(i)->Title()->SetFontColor(Qt::black);
    for (int i = 0; i < sort_->count(); ++i) {
        const QListWidgetItem* item = sort_->item(i);
        if (ui::TColumn* column = columns->FindByFieldName(item->data(fieldRole).toString()))
            column->Title()->SetFontColor(item->data(descendingRole).toBool() ? Qt::blue : Qt::red);
    }
}

bool AdvSortDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == columns_ || watched == sort_)) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool control = key->modifiers() == Qt::ControlModifier;
        if (watched == columns_ && key->key() == Qt::Key_Insert) {
            addChosen();
            return true;
        }
        if (watched == sort_) {
            if (key->key() == Qt::Key_Delete) {
                removeChosen();
                return true;
            }
            if (key->key() == Qt::Key_Space) {
                toggleChosen();
                return true;
            }
            if (control && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
                moveChosen(key->key() == Qt::Key_Up ? -1 : 1);
                return true;
            }
        }
    }
    return SiblingDialog::eventFilter(watched, event);
}

void AdvSortDialog::addColumn(QListWidgetItem* item) {
    if (item == nullptr)
        return;
    const QString field = item->data(fieldRole).toString();
    for (int i = 0; i < sort_->count(); ++i) {
        // A column sorts once; choosing it again selects it.
        if (sort_->item(i)->data(fieldRole).toString().compare(field, Qt::CaseInsensitive) == 0) {
            sort_->setCurrentRow(i);
            return;
        }
    }
    addSortItem(field, item->text(), false);
    sort_->setCurrentRow(sort_->count() - 1);
    updateButtons();
}

void AdvSortDialog::addChosen() {
    addColumn(columns_->currentItem());
}

void AdvSortDialog::removeChosen() {
    delete sort_->takeItem(sort_->currentRow());
    updateButtons();
}

void AdvSortDialog::toggleChosen() {
    QListWidgetItem* item = sort_->currentItem();
    if (item == nullptr)
        return;
    const bool descending = !item->data(descendingRole).toBool();
    item->setData(descendingRole, descending);
    item->setText(item->data(captionRole).toString() + QStringLiteral("  —  ") +
                  (descending ? descendingText : ascendingText));
}

void AdvSortDialog::moveChosen(int distance) {
    const int row = sort_->currentRow();
    const int target = row + distance;
    if (row < 0 || target < 0 || target >= sort_->count())
        return;
    sort_->insertItem(target, sort_->takeItem(row));
    sort_->setCurrentRow(target);
}

void AdvSortDialog::addSortItem(const QString& field, const QString& caption, bool descending) {
    auto* item = new QListWidgetItem(sort_);
    item->setData(fieldRole, field);
    item->setData(captionRole, caption);
    item->setData(descendingRole, !descending);
    sort_->setCurrentItem(item);
    toggleChosen();
}

void AdvSortDialog::updateButtons() {
    const bool chosen = sort_->currentRow() >= 0;
    for (QWidget* button : sortButtons_)
        button->setEnabled(chosen);
    addButton_->setEnabled(columns_->count() > 0);
}

} // namespace tarvand::siblings
