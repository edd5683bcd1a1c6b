#include "TGlobal.h"

#include "SiblingEntries.h"
#include "SiblingModule.h"
#include "TADOQuery.h"
#include "TDBGrid.h"
#include "TDataSource.h"
#include "TMenuItem.h"
#include "TMyDatabase.h"

namespace tarvand {

namespace {

const QLatin1String filterModule("\\DLLS\\GlobalForms\\Filter.dll");
const QString undoFilterCaption = QStringLiteral("بازگشت از پالايش");
const QString filterCaption = QStringLiteral("پالايش گزارش ...");

} // namespace

QString TGlobal::ShowFilterDialog(ui::TDBGrid* grid, const QString& reportText) {
    SiblingModule module;
    if (!module.Load(AppPath + filterModule))
        return {};
    const auto showFilter = module.Resolve<sibling::ShowFilterEntry>("ShowFilter");
    if (showFilter == nullptr)
        return {};
    const QString empty;
    QString statement;
    showFilter(this, MyDatabase, DlgMsg, grid, &reportText, &empty, &statement);
    return SiblingModule::OwnCopy(statement);
}

void TGlobal::ToggleFilter(ui::TMenuItem* item, ui::TDBGrid* grid, data::TDataSet* unfiltered,
                           const QString& reportText) {
    if (item == nullptr || grid == nullptr || grid->DataSource() == nullptr)
        return;
    if (item->Caption().contains(QStringLiteral("بازگشت"))) {
        FilterActive = false;
        item->SetCaption(filterCaption);
        grid->DataSource()->SetDataSet(unfiltered);
        return;
    }

    FilterActive = true;
    const QString statement = ShowFilterDialog(grid, reportText).trimmed();
    if (statement.isEmpty())
        return;
    // Filtered queries stay until the session ends: undoing a filter only detaches its query.
    auto query = std::make_shared<data::TADOQuery>();
    filterQueries_.push_back(query);
    // Exports name their files after the dataset; the filtered rows keep the grid's name for them.
    if (const data::TDataSet* shown = grid->DataSource()->DataSet())
        query->Name = shown->Name;
    query->SetConnection(MyDatabase != nullptr ? MyDatabase->Connection() : nullptr);
    grid->DataSource()->SetDataSet(query.get());
    query->SetSQL(statement);
    query->Close();
    query->Open();
    item->SetCaption(undoFilterCaption);
}

} // namespace tarvand
