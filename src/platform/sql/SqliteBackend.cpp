#include "SqliteBackend.h"

#include "ColumnDescriber.h"
#include "EDatabaseError.h"
#include "SqliteConnection.h"
#include "SqliteCursor.h"

namespace tarvand::sql {

namespace {

void bindValue(sqlite3_stmt* stmt, int index, const QVariant& value) {
    if (value.isNull()) {
        sqlite3_bind_null(stmt, index);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        sqlite3_bind_int64(stmt, index, value.toLongLong());
        return;
    case QMetaType::Double:
    case QMetaType::Float:
        sqlite3_bind_double(stmt, index, value.toDouble());
        return;
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        sqlite3_bind_blob64(stmt, index, bytes.constData(), sqlite3_uint64(bytes.size()), SQLITE_TRANSIENT);
        return;
    }
    default: {
        const QByteArray text = value.toString().toUtf8();
        sqlite3_bind_text64(stmt, index, text.constData(), sqlite3_uint64(text.size()), SQLITE_TRANSIENT,
                            SQLITE_UTF8);
        return;
    }
    }
}

void bindAll(sqlite3_stmt* stmt, const QVariantList& params) {
    const int count = sqlite3_bind_parameter_count(stmt);
    for (int i = 1; i <= count; ++i) {
        bindValue(stmt, i, params.value(i - 1));
    }
}

} // namespace

SqliteBackend::SqliteBackend(const QString& path) : connection_(std::make_shared<SqliteConnection>(path)) {}

SqliteBackend::~SqliteBackend() = default;

QString SqliteBackend::path() const {
    return connection_->path();
}

std::unique_ptr<ResultCursor> SqliteBackend::query(const QString& statement, const QVariantList& params) {
    sqlite3_stmt* stmt = connection_->prepare(statement.toUtf8());
    bindAll(stmt, params);
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        const QString message = connection_->lastError();
        sqlite3_finalize(stmt);
        throw EDatabaseError(message);
    }
    const bool hasRow = rc == SQLITE_ROW;
    QList<ColumnInfo> columns = ColumnDescriber(connection_->handle()).describe(stmt, hasRow);
    return std::make_unique<SqliteCursor>(connection_, stmt, std::move(columns), hasRow);
}

qint64 SqliteBackend::execute(const QString& statement, const QVariantList& params) {
    const QByteArray sql = statement.toUtf8();
    const char* tail = sql.constData();
    const char* end = tail + sql.size();
    qint64 changed = 0;
    while (tail < end) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(connection_->handle(), tail, int(end - tail), &stmt, &tail) != SQLITE_OK) {
            throw EDatabaseError(connection_->lastError());
        }
        if (!stmt) {
            break;
        }
        bindAll(stmt, params);
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        }
        const bool readOnly = sqlite3_stmt_readonly(stmt) != 0;
        sqlite3_finalize(stmt);
        if (rc != SQLITE_DONE) {
            throw EDatabaseError(connection_->lastError());
        }
        if (!readOnly) {
            changed += sqlite3_changes64(connection_->handle());
        }
    }
    return changed;
}

QList<ColumnInfo> SqliteBackend::tableColumns(const QString& table) {
    QString quoted = table;
    quoted.replace(u'"', QStringLiteral("\"\""));
    sqlite3_stmt* stmt = nullptr;
    const QByteArray sql = QStringLiteral("SELECT * FROM \"%1\"").arg(quoted).toUtf8();
    if (sqlite3_prepare_v2(connection_->handle(), sql.constData(), int(sql.size()), &stmt, nullptr) !=
        SQLITE_OK) {
        sqlite3_finalize(stmt);
        return {};
    }
    QList<ColumnInfo> columns = ColumnDescriber(connection_->handle()).describe(stmt, false);
    sqlite3_finalize(stmt);
    return columns;
}

QStringList SqliteBackend::keyColumns(const QString& table) {
    QStringList keys;
    for (const ColumnInfo& column : tableColumns(table)) {
        if (column.primaryKey) {
            keys.append(column.name);
        }
    }
    return keys;
}

void SqliteBackend::beginTransaction() {
    connection_->exec("BEGIN");
}

void SqliteBackend::commit() {
    connection_->exec("COMMIT");
}

void SqliteBackend::rollback() {
    connection_->exec("ROLLBACK");
}

} // namespace tarvand::sql
