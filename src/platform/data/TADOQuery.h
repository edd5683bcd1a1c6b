#pragma once

#include "TCustomADODataSet.h"

namespace tarvand::data {

// The rows of a SQL statement. A query over one base table can be edited like a table: posts write
// to that table.
class TADOQuery : public TCustomADODataSet {
public:
    TADOQuery() = default;

    const QString& SQL() const { return sql_; }
    void SetSQL(const QString& text); // closes the query first
    void AddSQL(const QString& line); // appends a line, as SQL.Add does

    // Runs the statement as a command (no rows are read); returns the rows changed.
    qint64 ExecSQL();

    QString UpdateTable() const override;

protected:
    QString CommandText() const override;

private:
    QString sql_;
};

} // namespace tarvand::data
