#include "PrintSetupDialog.h"

#include "TBitBtn.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace tarvand::siblings {

namespace {

struct PaperChoice {
    const char* name;
    QPageSize::PageSizeId id;
};

constexpr PaperChoice papers[] = {
    {"A4", QPageSize::A4}, {"A5", QPageSize::A5}, {"A3", QPageSize::A3}, {"Letter", QPageSize::Letter}};

} // namespace

PrintSetupDialog::PrintSetupDialog(const ReportTable& table, const ReportHeading& heading, QWidget* parent)
    : SiblingDialog(QStringLiteral("چاپ پيشرفته"), parent), table_(table), heading_(heading),
      title_(new QLineEdit(heading.Title)), columns_(new QListWidget), paper_(new QComboBox),
      orientation_(new QComboBox), fontSize_(new QDoubleSpinBox) {
    setObjectName(QStringLiteral("PrintSetupDialog"));
    title_->setObjectName(QStringLiteral("Title"));
    title_->setMinimumWidth(300);
    columns_->setObjectName(QStringLiteral("Columns"));
    columns_->setMinimumSize(220, 240);
    for (const ReportColumn& column : table_.Columns()) {
        auto* item =
            new QListWidgetItem(column.Caption.isEmpty() ? column.FieldName : column.Caption, columns_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(column.Printed ? Qt::Checked : Qt::Unchecked);
    }
    columns_->setCurrentRow(0);

    paper_->setObjectName(QStringLiteral("Paper"));
    for (const PaperChoice& paper : papers)
        paper_->addItem(QString::fromLatin1(paper.name), int(paper.id));
    orientation_->setObjectName(QStringLiteral("Orientation"));
    orientation_->addItem(QStringLiteral("خودكار"), int(ReportOptions::Orientation::Automatic));
    orientation_->addItem(QStringLiteral("عمودي"), int(ReportOptions::Orientation::Portrait));
    orientation_->addItem(QStringLiteral("افقي"), int(ReportOptions::Orientation::Landscape));
    fontSize_->setObjectName(QStringLiteral("FontSize"));
    fontSize_->setRange(6, 16);
    fontSize_->setSingleStep(0.5);
    fontSize_->setValue(ReportOptions().FontPoints);

    auto* page = new QFormLayout;
    page->addRow(QStringLiteral("كاغذ:"), paper_);
    page->addRow(QStringLiteral("جهت:"), orientation_);
    page->addRow(QStringLiteral("اندازه قلم:"), fontSize_);
    auto* pageBox = new QVBoxLayout;
    pageBox->addLayout(page);
    pageBox->addStretch();

    auto* columnsBox = new QVBoxLayout;
    columnsBox->addWidget(new QLabel(QStringLiteral("ستونهاي چاپي:")));
    columnsBox->addWidget(columns_, 1);
    auto* middle = new QHBoxLayout;
    middle->addLayout(columnsBox, 1);
    middle->addSpacing(12);
    middle->addLayout(pageBox);

    auto* titleRow = new QFormLayout;
    titleRow->addRow(QStringLiteral("عنوان:"), title_);
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(titleRow);
    layout->addLayout(middle, 1);

    ui::TBitBtn* preview = AddButton(QStringLiteral("پيش نمايش"), ui::mrNone);
    preview->setObjectName(QStringLiteral("Preview"));
    preview->SetDefault(true);
    preview->OnClick = [this](QObject*) { accept(); };
    ui::TBitBtn* cancel = AddButton(QStringLiteral("انصراف"), ui::mrCancel);
    cancel->setObjectName(QStringLiteral("Cancel"));
    cancel->SetCancel(true);
    columns_->setFocus();
}

void PrintSetupDialog::accept() {
    for (int i = 0; i < columns_->count(); ++i) {
        if (columns_->item(i)->checkState() == Qt::Checked) {
            SetModalResult(ui::mrOk);
            return;
        }
    }
    ShowNote(QStringLiteral("دست كم يك ستون را براي چاپ برگزينيد."), true);
    columns_->setFocus();
}

ReportTable PrintSetupDialog::Table() const {
    ReportTable table = table_;
    for (int i = 0; i < columns_->count() && i < table.Columns().size(); ++i)
        table.Columns()[i].Printed = columns_->item(i)->checkState() == Qt::Checked;
    return table;
}

ReportHeading PrintSetupDialog::Heading() const {
    ReportHeading heading = heading_;
    heading.Title = title_->text().trimmed();
    return heading;
}

ReportOptions PrintSetupDialog::Options() const {
    ReportOptions options;
    options.PageSize = QPageSize::PageSizeId(paper_->currentData().toInt());
    options.PageOrientation = ReportOptions::Orientation(orientation_->currentData().toInt());
    options.FontPoints = fontSize_->value();
    return options;
}

} // namespace tarvand::siblings
