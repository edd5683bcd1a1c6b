#include "OdbcBackend.h"

#include "OdbcCatalog.h"
#include "OdbcColumnDescriber.h"
#include "OdbcConnection.h"
#include "OdbcCursor.h"
#include "OdbcStatement.h"

#include <QHash>

namespace tarvand::sql {

OdbcBackend::OdbcBackend(const QString& odbcConnectionString)
    : connection_(std::make_shared<OdbcConnection>(odbcConnectionString)) {}

OdbcBackend::~OdbcBackend() = default;

std::unique_ptr<ResultCursor> OdbcBackend::query(const QString& statement, const QVariantList& params) {
    auto running = std::make_unique<OdbcStatement>(connection_);
    running->execute(statement, params);
    if (!running->seekRows()) {
        return std::make_unique<OdbcCursor>();
    }
    std::vector<OdbcResultColumn> columns = OdbcColumnDescriber::describe(running->handle());
    // The key lookup runs while this result is pending, which SQL Server allows only with MARS;
    // without it (and it never reports base tables then anyway) keyColumns() is the way.
    if (connection_->allowsConcurrentStatements()) {
        const OdbcCatalog catalog(connection_);
        QHash<QString, QStringList> keys;
        for (OdbcResultColumn& column : columns) {
            ColumnInfo& info = column.info;
            if (info.baseTable.isEmpty() || info.baseColumn.isEmpty()) {
                continue;
            }
            auto found = keys.find(info.baseTable);
            if (found == keys.end()) {
                found = keys.insert(info.baseTable, catalog.keyColumns(info.baseTable));
            }
            info.primaryKey = found->contains(info.baseColumn, Qt::CaseInsensitive);
        }
    }
    return std::make_unique<OdbcCursor>(std::move(running), std::move(columns));
}

qint64 OdbcBackend::execute(const QString& statement, const QVariantList& params) {
    OdbcStatement running(connection_);
    running.execute(statement, params);
    return running.changedRows();
}

QList<ColumnInfo> OdbcBackend::tableColumns(const QString& table) {
    return OdbcCatalog(connection_).columns(table);
}

QStringList OdbcBackend::keyColumns(const QString& table) {
    return OdbcCatalog(connection_).keyColumns(table);
}

void OdbcBackend::beginTransaction() {
    connection_->beginTransaction();
}

void OdbcBackend::commit() {
    connection_->commit();
}

void OdbcBackend::rollback() {
    connection_->rollback();
}

} // namespace tarvand::sql
