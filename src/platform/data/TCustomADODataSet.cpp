#include "TCustomADODataSet.h"

#include "ResultCursor.h"
#include "RowChange.h"
#include "SelectSource.h"
#include "SqlBackend.h"
#include "SqlRowWriter.h"
#include "TADOConnection.h"

namespace tarvand::data {

TCustomADODataSet::TCustomADODataSet() = default;

TCustomADODataSet::~TCustomADODataSet() {
    if (connection_) {
        connection_->detach(this);
    }
}

TADOConnection* TCustomADODataSet::Connection() const {
    return connection_;
}

void TCustomADODataSet::SetConnection(TADOConnection* connection) {
    if (connection == connection_) {
        return;
    }
    Close();
    if (connection_) {
        connection_->detach(this);
    }
    connection_ = connection;
    if (connection_) {
        connection_->attach(this);
    }
}

const QString& TCustomADODataSet::Sort() const {
    return SortText();
}

void TCustomADODataSet::SetSort(const QString& sortText) {
    ApplySort(sortText);
}

void TCustomADODataSet::Requery() {
    Reread(keyColumnIndexes());
}

void TCustomADODataSet::CancelUpdates() {
    Cancel();
    First();
}

sql::SqlBackend& TCustomADODataSet::Backend() const {
    if (!connection_) {
        throw EDatabaseError(QStringLiteral("Missing Connection or ConnectionString"));
    }
    if (!connection_->Connected()) {
        connection_->Open();
    }
    return connection_->Backend();
}

std::unique_ptr<sql::ResultCursor> TCustomADODataSet::OpenCursor() {
    return Backend().query(CommandText());
}

void TCustomADODataSet::WriteRow(RowChange& change) {
    sql::SqlBackend& backend = Backend();
    const QString table = UpdateTable();
    SqlRowWriter writer(backend, table, backend.keyColumns(SelectSource::bareName(table)));
    writer.write(change);
}

bool TCustomADODataSet::BeginRowChange() {
    // Without an open connection the write itself reports what is missing.
    if (connection_ == nullptr || !connection_->Connected() || connection_->InTransaction()) {
        return false;
    }
    connection_->BeginTrans();
    return true;
}

void TCustomADODataSet::EndRowChange(bool opened, bool keep) {
    // A handler may have ended the transaction itself or closed the connection.
    if (!opened || connection_ == nullptr || !connection_->InTransaction()) {
        return;
    }
    if (!keep) {
        connection_->RollbackTrans();
        return;
    }
    try {
        connection_->CommitTrans();
    } catch (const EDatabaseError&) {
        try {
            connection_->RollbackTrans();
        } catch (const EDatabaseError&) {
            // The failed commit is the one to report.
        }
        throw;
    }
}

bool TCustomADODataSet::CanModify() const {
    if (UpdateTable().isEmpty()) {
        return false;
    }
    for (const sql::ColumnInfo& column : Columns()) {
        if (!column.baseColumn.isEmpty()) {
            return true;
        }
    }
    return false;
}

void TCustomADODataSet::connectionGone() {
    Close();
    connection_ = nullptr;
}

QList<int> TCustomADODataSet::keyColumnIndexes() const {
    const QString table = UpdateTable();
    if (table.isEmpty()) {
        return {};
    }
    QList<int> indexes;
    const QStringList keys = Backend().keyColumns(SelectSource::bareName(table));
    for (const QString& key : keys) {
        for (qsizetype c = 0; c < Columns().size(); ++c) {
            if (Columns().at(c).baseColumn.compare(key, Qt::CaseInsensitive) == 0) {
                indexes.append(int(c));
                break;
            }
        }
    }
    return indexes.size() == keys.size() ? indexes : QList<int>();
}

} // namespace tarvand::data
