#include "TTempGridForm.h"

#include "CaptionStrip.h"
#include "TADOQuery.h"
#include "TBitBtn.h"
#include "TDBGrid.h"
#include "TDataSource.h"
#include "TMyDatabase.h"
#include "TPanel.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "WindowDrag.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QStringList>
#include <QVariantList>

namespace tarvand::host {

namespace {

const QLatin1String temporaryPrefix("##");
constexpr int narrowestWidth = 360;

} // namespace

TTempGridForm::TTempGridForm(TMyDatabase* myDatabase, QWidget* parent)
    : ui::TForm(parent), query_(std::make_unique<data::TADOQuery>()),
      source_(std::make_unique<data::TDataSource>()), myDatabase_(myDatabase) {
    setupUi(this);
    setObjectName(QStringLiteral("TempGridForm"));
    quTemp = query_.get();
    dsTemp = source_.get();

    if (myDatabase_ != nullptr)
        quTemp->SetConnection(myDatabase_->Connection());
    dsTemp->SetDataSet(quTemp);

    SetBorderStyle(ui::bsNone);
    Caption_Panel->SetAlign(ui::alTop);
    CaptionStrip::Style(Caption_Panel, Close_Shape, sb_Closed);
    BottomPanel->SetAlign(ui::alBottom);
    dbgTemp->SetAlign(ui::alClient);
    dbgTemp->SetDataSource(dsTemp);
    dbgTemp->SetReadOnly(true);
    dbgTemp->SetOptions(ui::dgTitles | ui::dgIndicator | ui::dgColumnResize | ui::dgColLines |
                        ui::dgRowLines | ui::dgRowSelect | ui::dgAlwaysShowSelection);

    // The OK button chooses like Enter: only a row, never an empty list.
    BtnOk->SetDefault(true);
    BtnOk->OnClick = [this](QObject*) { choose(); };
    BtnCancel->SetKind(ui::bkCancel);
    BtnCancel->SetCaption(QStringLiteral("&انصراف"));

    Caption_Panel->OnMouseDown = [this](QObject* sender, ui::TMouseButton button, ui::TShiftState shift,
                                        int x,
                                        int y) { Caption_PanelMouseDown(sender, button, shift, x, y); };
    sb_Closed->OnClick = [this](QObject*) { Close(); };
    dbgTemp->OnDblClick = [this](QObject* sender) { dbgTempDblClick(sender); };
    dbgTemp->OnTitleClick = [this](ui::TColumn* column) { dbgTempTitleClick(column); };
    OnShow = [this](QObject* sender) { FormShow(sender); };
    OnClose = [this](QObject* sender, ui::TCloseAction& action) { FormClose(sender, action); };
    OnShortCut = [this](ui::WORD key, ui::TShiftState shift, bool& handled) {
        FormShortCut(key, shift, handled);
    };
}

TTempGridForm::~TTempGridForm() {
    // The grid lets go of its source before the source and the query go.
    dbgTemp->SetDataSource(nullptr);
}

void TTempGridForm::FormShow(QObject*) {
    if (!quTemp->Active())
        quTemp->Open();
    if (!OrderField.isEmpty() && quTemp->FindField(OrderField) != nullptr)
        quTemp->SetSort(OrderField);
    setUpColumns();
    locateKeys();
    Caption_Panel->SetCaption(Title);
    SetCaption(Title.trimmed());
    fitToColumns();
    dbgTemp->setFocus();
}

void TTempGridForm::FormClose(QObject*, ui::TCloseAction&) {
    dropTemporaryTable();
}

void TTempGridForm::FormShortCut(ui::WORD Key, ui::TShiftState Shift, bool& Handled) {
    if (Shift != Qt::NoModifier || !IsModal())
        return;
    if (Key == ui::VK_RETURN) {
        choose();
        Handled = true;
    } else if (Key == ui::VK_ESCAPE) {
        SetModalResult(ui::mrCancel);
        Handled = true;
    }
}

void TTempGridForm::dbgTempDblClick(QObject*) {
    choose();
}

void TTempGridForm::dbgTempTitleClick(ui::TColumn* Column) {
    // A second click on the same title turns the order round.
    const QString field = Column->FieldName();
    const QString ascending = field + QStringLiteral(" ASC");
    quTemp->SetSort(quTemp->Sort() == ascending ? field + QStringLiteral(" DESC") : ascending);
}

void TTempGridForm::Caption_PanelMouseDown(QObject*, ui::TMouseButton Button, ui::TShiftState, int, int) {
    if (Button == ui::mbLeft)
        ui::WindowDrag::start(Caption_Panel);
}

void TTempGridForm::choose() {
    if (IsModal() && quTemp->Active() && !quTemp->IsEmpty() && quTemp->RecNo() > 0)
        SetModalResult(ui::mrOk);
}

void TTempGridForm::setUpColumns() {
    ui::TDBGridColumns* columns = dbgTemp->Columns();
    if (ColumnCount <= 0) {
        columns->SetState(ui::csDefault);
        return;
    }
    columns->Clear();
    // Titles and widths belong to the fields in the order of the result.
    const int count = qMin(qMin(ColumnCount, int(MaxColumns)), quTemp->FieldCount());
    for (int index = 0; index < count; ++index) {
        ui::TColumn* column = columns->Add();
        column->SetFieldName(quTemp->FieldByIndex(index)->FieldName());
        if (!ColumnTitles[index].isEmpty())
            column->Title()->SetCaption(ColumnTitles[index]);
        if (ColumnWidths[index] > 0)
            column->SetWidth(ColumnWidths[index]);
    }
}

void TTempGridForm::locateKeys() {
    QStringList fields;
    QVariantList values;
    for (int index = 0; index < KeyCount; ++index) {
        if (KeyFields[index].trimmed().isEmpty())
            continue;
        if (quTemp->FindField(KeyFields[index]) == nullptr)
            return;
        fields << KeyFields[index];
        values << KeyValues[index];
    }
    if (fields.isEmpty() || quTemp->IsEmpty())
        return;
    const QVariant keyValues = values.size() == 1 ? values.constFirst() : QVariant(values);
    if (!quTemp->Locate(fields.join(QLatin1Char(';')), keyValues))
        quTemp->First();
}

void TTempGridForm::fitToColumns() {
    int width = dbgTemp->verticalHeader()->isVisible() ? dbgTemp->verticalHeader()->width() : 0;
    for (int index = 0; index < dbgTemp->Columns()->Count(); ++index)
        width += dbgTemp->columnWidth(index);
    width += dbgTemp->verticalScrollBar()->sizeHint().width() + 2 * dbgTemp->frameWidth() + 4;
    QRect area(0, 0, 1024, 768);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    SetWidth(qBound(narrowestWidth, width, area.width() * 9 / 10));
    SetLeft(area.x() + area.width() / 2 - Width() / 2);
    SetTop(area.y() + area.height() / 2 - Height() / 2);
    BtnOk->SetLeft(Width() - BtnOk->Width() - 10);
}

void TTempGridForm::dropTemporaryTable() {
    if (myDatabase_ == nullptr || !TableName.startsWith(temporaryPrefix) || TableName.size() <= 2)
        return;
    myDatabase_->DropTempTable(TableName.mid(2));
}

} // namespace tarvand::host
