#pragma once

#include "TDataSet.h"

namespace tarvand::data {

class TADOConnection;

// What TADOTable and TADOQuery share: the connection, client-side sorting, re-reading and the
// parameterised writes of posted rows.
class TCustomADODataSet : public TDataSet {
public:
    ~TCustomADODataSet() override;

    TADOConnection* Connection() const;
    void SetConnection(TADOConnection* connection);

    // ADO sort text: comma-separated field names, each optionally followed by ASC or DESC, with any
    // blanks around, e.g. " DaraNam DESC ". Applied on the client; an empty text restores the
    // order in which the rows were read. Rows keep being sorted after edits until the text changes.
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
};

} // namespace tarvand::data
