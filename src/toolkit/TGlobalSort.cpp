#include "TGlobal.h"

#include "SiblingEntries.h"
#include "SiblingModule.h"
#include "TCustomADODataSet.h"
#include "TDBGrid.h"
#include "TDataSource.h"
#include "TField.h"

namespace tarvand {

namespace {

const QLatin1String searchModule("\\DLLs\\GlobalForms\\Search.dll");
const QLatin1String developerSearchModule("E:\\KORVASH\\GlobalForms\\Search\\Search.dll");

// clBlue of the suite's colours (0x00FF0000 as blue-green-red) is plain blue.
const QColor ascendingColor(Qt::red);
const QColor descendingColor(Qt::blue);
const QColor unsortedColor(Qt::black);

void blackenTitles(ui::TDBGrid* grid) {
    ui::TDBGridColumns* columns = grid->Columns();
    for (int i = 0; i < columns->Count(); ++i)
        columns->Items(i)->Title()->SetFontColor(unsortedColor);
}

data::TCustomADODataSet* gridDataSet(ui::TDBGrid* grid) {
    data::TDataSource* source = grid->DataSource();
    return source == nullptr ? nullptr : dynamic_cast<data::TCustomADODataSet*>(source->DataSet());
}

// Rows cannot be ordered by a calculated column: a click on its title leaves sort and titles be.
bool calculated(ui::TColumn* column) {
    const data::TField* field = column->Field();
    return field != nullptr && field->Calculated();
}

} // namespace

bool TGlobal::SortByTitle(ui::TDBGrid* grid, ui::TColumn* lastColumn, ui::TColumn* column,
                          const QString& prefix) {
    if (grid == nullptr || column == nullptr || calculated(column))
        return true;
    data::TCustomADODataSet* dataset = gridDataSet(grid);
    const QString current = dataset != nullptr ? dataset->Sort().toUpper() : QString();
    const bool descending = current.contains(QLatin1String(" ASC ")) && column == lastColumn;
    const QString sort = prefix + QLatin1Char(' ') + column->FieldName() +
                         (descending ? QStringLiteral(" DESC ") : QStringLiteral(" ASC "));
    blackenTitles(grid);
    column->Title()->SetFontColor(descending ? descendingColor : ascendingColor);
    if (dataset != nullptr && dataset->Active())
        dataset->SetSort(sort);
    return true;
}

bool TGlobal::SortByColumn(data::TDataSet* dataset, ui::TDBGrid* grid, int columnIndex) {
    if (grid == nullptr)
        return true;
    blackenTitles(grid);
    if (columnIndex < 0 || columnIndex >= grid->Columns()->Count())
        return true;
    ui::TColumn* column = grid->Columns()->Items(columnIndex);
    column->Title()->SetFontColor(ascendingColor);
    auto* adoDataSet = dynamic_cast<data::TCustomADODataSet*>(dataset);
    if (adoDataSet != nullptr && adoDataSet->Active())
        adoDataSet->SetSort(column->FieldName());
    return true;
}

void TGlobal::SearchGrid(ui::TDBGrid* grid, const QString& text1, const QString& text2,
                         QString& searchMemory) {
    if (grid == nullptr)
        return;
    const int selected = grid->SelectedIndex();
    if (selected < 0 || selected >= grid->Columns()->Count())
        return;
    const QString key = QLatin1Char('_') + grid->Columns()->Items(selected)->FieldName().toUpper();
    const QString previous = GetSetting(searchMemory, key);

    SiblingModule module;
    if (!module.Load(ModulePath(searchModule, developerSearchModule)))
        return;
    const auto gridSearch = module.Resolve<sibling::GridSearchEntry>("GridSearch");
    if (gridSearch == nullptr)
        return;
    QString returned;
    gridSearch(grid, &text1, &text2, &previous, &returned);
    const QString searched = SiblingModule::OwnCopy(returned);

    if (searchMemory.contains(key + QLatin1Char('=')))
        searchMemory = SetSetting(searchMemory, key, searched);
    else
        searchMemory += key + QLatin1Char('=') + searched + QLatin1Char(';');
}

void TGlobal::AdvancedSort(ui::TDBGrid* grid) {
    SiblingModule module;
    if (!module.Load(ModulePath(searchModule, developerSearchModule)))
        return;
    const auto advSort = module.Resolve<sibling::AdvSortEntry>("AdvSort");
    if (advSort == nullptr)
        return;
    const QString empty;
    QString ignored;
    advSort(grid, &empty, &empty, &empty, &ignored);
}

} // namespace tarvand
