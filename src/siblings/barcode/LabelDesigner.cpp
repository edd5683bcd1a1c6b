#include "LabelDesigner.h"

#include "BarcodeSymbol.h"
#include "Guard.h"
#include "LabelPresets.h"
#include "LabelPreview.h"
#include "LabelSheet.h"
#include "TBitBtn.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tarvand::siblings {

namespace {

const QString ownSheet = QStringLiteral("برچسب دلخواه");

QDoubleSpinBox* millimetres(QWidget* parent, double maximum, const char* name) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(0, maximum);
    box->setDecimals(1);
    box->setSingleStep(0.5);
    box->setSuffix(QStringLiteral(" م.م"));
    box->setLayoutDirection(Qt::LeftToRight);
    return box;
}

QSpinBox* count(QWidget* parent, int maximum, const char* name) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(1, maximum);
    box->setLayoutDirection(Qt::LeftToRight);
    return box;
}

} // namespace

LabelDesigner::LabelDesigner(QList<LabelItem> items, const LabelLayout& layout, QWidget* parent)
    : SiblingDialog(QStringLiteral("طراحي برچسب باركد"), parent), items_(std::move(items)), layout_(layout) {
    setObjectName(QStringLiteral("LabelDesigner"));
    preview_ = new LabelPreview(Body());
    preview_->setObjectName(QStringLiteral("preview"));
    auto* body = new QHBoxLayout(Body());
    body->setContentsMargins(0, 0, 0, 0);
    body->addWidget(buildSettings());
    body->addWidget(preview_, 1);

    AddButton(QStringLiteral("چاپ ..."), ui::mrNone)->OnClick = [this](QObject*) { print(); };
    AddButton(QStringLiteral("ذخيره PDF ..."), ui::mrNone)->OnClick = [this](QObject*) { savePdf(); };
    AddButton(QStringLiteral("بستن"), ui::mrCancel)->SetCancel(true);

    showLayout();
    rebuild();
}

LabelDesigner::~LabelDesigner() = default;

QWidget* LabelDesigner::buildSettings() {
    auto* panel = new QWidget(Body());
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    auto* symbolGroup = new QGroupBox(QStringLiteral("نوع باركد"), panel);
    auto* symbolForm = new QFormLayout(symbolGroup);
    symbology_ = new QComboBox(symbolGroup);
    symbology_->setObjectName(QStringLiteral("symbology"));
    symbology_->addItem(QStringLiteral("Code 128"), int(Symbology::Code128));
    symbology_->addItem(QStringLiteral("QR Code"), int(Symbology::QrCode));
    symbology_->addItem(QStringLiteral("EAN-13"), int(Symbology::Ean13));
    // EAN-13 carries numbers of up to twelve digits only; offered when every code is one.
    const bool eanFits = std::all_of(items_.cbegin(), items_.cend(), [](const LabelItem& item) {
        return BarcodeSymbol::Allows(Symbology::Ean13, item.code);
    });
    if (!eanFits)
        symbology_->setItemData(2, 0, Qt::UserRole - 1);
    symbolForm->addRow(QStringLiteral("نماد"), symbology_);

    auto* sheetGroup = new QGroupBox(QStringLiteral("برگه و برچسب"), panel);
    auto* sheetForm = new QFormLayout(sheetGroup);
    preset_ = new QComboBox(sheetGroup);
    preset_->setObjectName(QStringLiteral("preset"));
    for (const LabelPreset& preset : LabelPresets::All())
        preset_->addItem(preset.name);
    preset_->addItem(ownSheet);
    labelWidth_ = millimetres(sheetGroup, 200, "labelWidth");
    labelHeight_ = millimetres(sheetGroup, 280, "labelHeight");
    columns_ = count(sheetGroup, 10, "columns");
    rows_ = count(sheetGroup, 30, "rows");
    marginTop_ = millimetres(sheetGroup, 100, "marginTop");
    marginSide_ = millimetres(sheetGroup, 100, "marginSide");
    gapX_ = millimetres(sheetGroup, 50, "gapX");
    gapY_ = millimetres(sheetGroup, 50, "gapY");
    sheetForm->addRow(QStringLiteral("برگه A4"), preset_);
    sheetForm->addRow(QStringLiteral("عرض برچسب"), labelWidth_);
    sheetForm->addRow(QStringLiteral("ارتفاع برچسب"), labelHeight_);
    sheetForm->addRow(QStringLiteral("تعداد ستون"), columns_);
    sheetForm->addRow(QStringLiteral("تعداد سطر"), rows_);
    sheetForm->addRow(QStringLiteral("حاشيه بالا"), marginTop_);
    sheetForm->addRow(QStringLiteral("حاشيه راست"), marginSide_);
    sheetForm->addRow(QStringLiteral("فاصله ستونها"), gapX_);
    sheetForm->addRow(QStringLiteral("فاصله سطرها"), gapY_);

    auto* contentGroup = new QGroupBox(QStringLiteral("نمايش روي برچسب"), panel);
    auto* contentGrid = new QGridLayout(contentGroup);
    showCode_ = new QCheckBox(QStringLiteral("كد"), contentGroup);
    showName_ = new QCheckBox(QStringLiteral("نام"), contentGroup);
    showPrice_ = new QCheckBox(QStringLiteral("قيمت"), contentGroup);
    showDate_ = new QCheckBox(QStringLiteral("تاريخ"), contentGroup);
    contentGrid->addWidget(showCode_, 0, 0);
    contentGrid->addWidget(showName_, 0, 1);
    contentGrid->addWidget(showPrice_, 1, 0);
    contentGrid->addWidget(showDate_, 1, 1);

    auto* pageRow = new QHBoxLayout;
    page_ = count(panel, 1, "page");
    pageCount_ = new QLabel(panel);
    pageRow->addWidget(new QLabel(QStringLiteral("صفحه"), panel));
    pageRow->addWidget(page_);
    pageRow->addWidget(pageCount_);
    pageRow->addStretch();

    column->addWidget(symbolGroup);
    column->addWidget(sheetGroup);
    column->addWidget(contentGroup);
    column->addLayout(pageRow);
    column->addStretch();

    const auto changed = [this] {
        if (!showing_)
            ui::Guard::run([this] { readControls(); });
    };
    connect(symbology_, &QComboBox::currentIndexChanged, this, changed);
    connect(preset_, &QComboBox::currentIndexChanged, this,
            [this](int index) { ui::Guard::run([&] { presetChosen(index); }); });
    for (QDoubleSpinBox* box : {labelWidth_, labelHeight_, marginTop_, marginSide_, gapX_, gapY_})
        connect(box, &QDoubleSpinBox::valueChanged, this, changed);
    for (QSpinBox* box : {columns_, rows_})
        connect(box, &QSpinBox::valueChanged, this, changed);
    for (QCheckBox* box : {showCode_, showName_, showPrice_, showDate_})
        connect(box, &QCheckBox::toggled, this, changed);
    connect(page_, &QSpinBox::valueChanged, this,
            [this](int page) { preview_->SetSheet(sheet_.get(), page - 1); });
    return panel;
}

void LabelDesigner::showLayout() {
    showing_ = true;
    symbology_->setCurrentIndex(symbology_->findData(int(layout_.symbology)));
    const int preset = LabelPresets::Matching(layout_);
    preset_->setCurrentIndex(preset >= 0 ? preset : preset_->count() - 1);
    labelWidth_->setValue(layout_.labelWidth);
    labelHeight_->setValue(layout_.labelHeight);
    columns_->setValue(layout_.columns);
    rows_->setValue(layout_.rows);
    marginTop_->setValue(layout_.marginTop);
    marginSide_->setValue(layout_.marginSide);
    gapX_->setValue(layout_.gapX);
    gapY_->setValue(layout_.gapY);
    showCode_->setChecked(layout_.showCode);
    showName_->setChecked(layout_.showName);
    showPrice_->setChecked(layout_.showPrice);
    showDate_->setChecked(layout_.showDate);
    showing_ = false;
}

void LabelDesigner::readControls() {
    layout_.symbology = Symbology(symbology_->currentData().toInt());
    layout_.labelWidth = labelWidth_->value();
    layout_.labelHeight = labelHeight_->value();
    layout_.columns = columns_->value();
    layout_.rows = rows_->value();
    layout_.marginTop = marginTop_->value();
    layout_.marginSide = marginSide_->value();
    layout_.gapX = gapX_->value();
    layout_.gapY = gapY_->value();
    layout_.showCode = showCode_->isChecked();
    layout_.showName = showName_->isChecked();
    layout_.showPrice = showPrice_->isChecked();
    layout_.showDate = showDate_->isChecked();
    // A sheet changed by hand is the user's own; one that happens to match a preset shows it.
    showing_ = true;
    const int preset = LabelPresets::Matching(layout_);
    preset_->setCurrentIndex(preset >= 0 ? preset : preset_->count() - 1);
    showing_ = false;
    rebuild();
}

void LabelDesigner::presetChosen(int index) {
    if (showing_ || index < 0 || index >= LabelPresets::All().size())
        return;
    LabelPresets::Apply(LabelPresets::All()[index], layout_);
    showLayout();
    rebuild();
}

void LabelDesigner::rebuild() {
    sheet_ = std::make_unique<LabelSheet>(items_, layout_);
    const int pages = sheet_->PageCount();
    showing_ = true;
    page_->setMaximum(pages);
    showing_ = false;
    pageCount_->setText(QStringLiteral("از %1 (%2 برچسب)").arg(pages).arg(sheet_->LabelCount()));
    preview_->SetSheet(sheet_.get(), page_->value() - 1);
}

void LabelDesigner::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QSizeF(layout_.pageWidth, layout_.pageHeight), QPageSize::Millimeter));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("چاپ برچسبها"));
    if (dialog.exec() == QDialog::Accepted)
        sheet_->Print(printer);
}

void LabelDesigner::savePdf() {
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("ذخيره PDF"), QStringLiteral("labels.pdf"), QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    QString error;
    if (sheet_->WritePdf(path, &error))
        ShowNote(QStringLiteral("برچسبها در %1 ذخيره شد.").arg(path));
    else
        ShowNote(QStringLiteral("فايل %1 نوشته نشد: %2").arg(path, error), true);
}

} // namespace tarvand::siblings
