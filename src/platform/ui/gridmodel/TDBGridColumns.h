#pragma once

#include <QList>
#include <QObject>
#include <QString>

namespace tarvand::data {
class TDataSet;
class TDataSource;
} // namespace tarvand::data

namespace tarvand::ui {

class TColumn;

// How a grid's columns came about: made from the dataset's fields (and made again whenever the
// dataset opens), or set up in code, after which they stay as they are.
enum TDBGridColumnsState { csDefault, csCustomized };

// The columns of a data-aware grid, in display order.
class TDBGridColumns : public QObject {
    Q_OBJECT

public:
    explicit TDBGridColumns(QObject* parent = nullptr);
    ~TDBGridColumns() override;

    int Count() const { return int(columns_.size()); }
    TColumn* Items(int index) const { return columns_.at(index); }
    TColumn* operator[](int index) const { return columns_.at(index); }
    // A new column at the end. Adding to default columns drops them first: from then on the
    // columns are the ones set up in code.
    TColumn* Add();
    void Clear();
    void Delete(int index);
    int IndexOf(const TColumn* column) const;
    // The first column showing that field (case-insensitive); null when none.
    TColumn* FindByFieldName(const QString& fieldName) const;
    void Move(int from, int to);

    TDBGridColumnsState State() const { return state_; }
    // Going back to csDefault makes the columns from the dataset's fields again.
    void SetState(TDBGridColumnsState state);
    // Default columns: one per visible field of the dataset, made again now.
    void RebuildColumns();

    data::TDataSource* DataSource() const { return source_; }
    void SetDataSource(data::TDataSource* source) { source_ = source; }
    // The open dataset behind the grid, else null.
    data::TDataSet* DataSet() const;

signals:
    // Columns were added, removed or moved.
    void structureChanged();
    // Something the grid shows of one column changed.
    void columnChanged(int index);

private:
    friend class TColumn;
    void attach(TColumn* column);
    void detach(TColumn* column);

    QList<TColumn*> columns_;
    TDBGridColumnsState state_ = csDefault;
    data::TDataSource* source_ = nullptr;
    bool rebuilding_ = false;
};

} // namespace tarvand::ui
