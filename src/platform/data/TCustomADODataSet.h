#pragma once

#include "TDataSet.h"

namespace tarvand::sql {
class SqlBackend;
}

namespace tarvand::data {

class TADOConnection;

// What TADOTable and TADOQuery share: the connection, client-side sorting, re-reading and the
// parameterised writes of posted rows.
class TCustomADODataSet : public TDataSet {
public:
    ~TCustomADODataSet() override;

    TADOConnection* Connection() const;
    // Closes the dataset first when it is open.
    void SetConnection(TADOConnection* connection);

    // ADO sort text: comma-separated field names, each optionally followed by ASC or DESC, with any
    // blanks around, e.g. " DaraNam DESC ". Applied on the client; an empty text restores the
    // order in which the rows were read. Rows keep being sorted after edits until the text changes.
    // Needs the dataset open; closing it drops the sort.
    const QString& Sort() const;
    void SetSort(const QString& sortText);

    // Reads every row again, keeping the sort and, where it still exists, the current record.
    void Requery();
    // Cancels the pending edit or insert and leaves the cursor on the first record.
    void CancelUpdates();

    // The base table that posts write to (TableName for a table, the FROM table of a query).
    virtual QString UpdateTable() const = 0;

protected:
    TCustomADODataSet();

    // The statement whose rows the dataset holds.
    virtual QString CommandText() const = 0;
    sql::SqlBackend& Backend() const; // connects the connection when needed

    std::unique_ptr<sql::ResultCursor> OpenCursor() override;
    void WriteRow(RowChange& change) override;
    bool CanModify() const override;
    bool BeginRowChange() override;
    void EndRowChange(bool opened, bool keep) override;

private:
    friend class TADOConnection;
    // The connection is going away: close and forget it.
    void connectionGone();
    QList<int> keyColumnIndexes() const;

    TADOConnection* connection_ = nullptr;
};

} // namespace tarvand::data
