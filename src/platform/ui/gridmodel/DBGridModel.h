#pragma once

#include "TDataLink.h"

#include <QAbstractTableModel>
#include <functional>
#include <vector>

namespace tarvand::data {
class TDataSet;
class TDataSource;
class TField;
} // namespace tarvand::data

namespace tarvand::ui {

class GridDataListener;
class TColumn;
class TDBGridColumns;

// The table model of the data-aware grid: one row per record of the dataset in its current
// order, one column per grid column. Cells are read on demand through the dataset's ValueAt and
// DisplayTextAt, so only the rows on screen are ever decoded, whatever the size of the table.
// Registered with the grid's data source, it follows the dataset's notifications.
class DBGridModel : public QAbstractTableModel, public data::TDataLink {
    Q_OBJECT

public:
    // Qt role of the vertical header that says what the indicator shows: 0 nothing, 1 the
    // current row, 2 the current row in edit, 3 the new row being inserted.
    static constexpr int IndicatorRole = Qt::UserRole + 1;

    explicit DBGridModel(QObject* parent = nullptr);
    ~DBGridModel() override;

    TDBGridColumns* Columns() const { return columns_; }
    data::TDataSource* DataSource() const { return source_; }
    void SetDataSource(data::TDataSource* source);
    // The open dataset, else null.
    data::TDataSet* DataSet() const;
    void SetListener(GridDataListener* listener) { listener_ = listener; }
    // Runs inside a catch block for exceptions of the dataset met while Qt asked for data.
    void SetExceptionHandler(std::function<void()> handler) { exceptionHandler_ = std::move(handler); }

    // Whether the grid allows typing at all (its editing option).
    bool Editing() const { return editing_; }
    void SetEditing(bool editing);
    // Whether the cells of a column may be typed into: the grid edits, the column and its data
    // field are not read-only.
    bool CanEditColumn(int column) const;
    // The field of a grid column, null when it has none.
    data::TField* FieldAt(int column) const;
    // The row of the dataset's current record, -1 when there is none.
    int CurrentRow() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void DataEvent(data::TDataSet* dataSet, data::TDataEvent event, long long info) override;
    void DataSetDestroyed(data::TDataSet* dataSet) override;
    void DataSourceDestroyed(data::TDataSource* source) override;

private:
    void reset();
    void refreshFields();
    void currentMoved();
    void rowChanged(int row);
    void fieldChanged(const data::TField* field);
    void handleException() const;
    QVariant cellData(int row, int column, int role) const;

    TDBGridColumns* columns_;
    data::TDataSource* source_ = nullptr;
    GridDataListener* listener_ = nullptr;
    std::function<void()> exceptionHandler_;
    std::vector<data::TField*> fields_;
    int rows_ = 0;
    int currentRow_ = -1;
    bool editing_ = true;
};

} // namespace tarvand::ui
