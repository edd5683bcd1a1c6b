#include "TADOConnection.h"

#include "EDatabaseError.h"
#include "PgBackend.h"
#include "SqliteBackend.h"
#include "TCustomADODataSet.h"

#include <QHash>
#include <QStringList>

#ifdef TARVAND_HAVE_ODBC
#include "OdbcBackend.h"
#endif

namespace tarvand::data {

namespace {

// The "Key=Value" entries of a connection string, split at semicolons outside double quotes.
QStringList splitEntries(const QString& text) {
    QStringList entries;
    QString part;
    bool quoted = false;
    for (const QChar ch : text) {
        if (ch == u'"') {
            quoted = !quoted;
        }
        if (ch == u';' && !quoted) {
            entries.append(part);
            part.clear();
        } else {
            part += ch;
        }
    }
    entries.append(part);
    return entries;
}

QString entryKey(const QString& entry) {
    return entry.section(u'=', 0, 0).trimmed().toLower();
}

// The values of a connection string by lower-cased key, quotes taken off.
QHash<QString, QString> parseConnectionString(const QString& text) {
    QHash<QString, QString> values;
    for (const QString& entry : splitEntries(text)) {
        if (!entry.contains(u'=')) {
            continue;
        }
        QString value = entry.section(u'=', 1, -1).trimmed();
        if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"')) {
            value = value.mid(1, value.size() - 2);
        }
        values.insert(entryKey(entry), value);
    }
    return values;
}

// The driver manager's part of an ADO string: every entry but the provider, as written.
QString odbcConnectionString(const QString& text) {
    QStringList entries;
    for (const QString& entry : splitEntries(text)) {
        if (!entry.trimmed().isEmpty() && entryKey(entry) != u"provider") {
            entries.append(entry.trimmed());
        }
    }
    return entries.join(u';');
}

std::unique_ptr<sql::SqlBackend> createBackend(const QString& connectionString) {
    const QString text = connectionString.trimmed();
    if (text.isEmpty()) {
        throw EDatabaseError(QStringLiteral("Missing ConnectionString"));
    }
    if (sql::PgBackend::isUri(text)) {
        return std::make_unique<sql::PgBackend>(text);
    }
    if (!text.contains(u'=')) {
        return std::make_unique<sql::SqliteBackend>(text);
    }
    const QHash<QString, QString> entries = parseConnectionString(text);
    const QString provider = entries.value(QStringLiteral("provider"));
    if (provider.startsWith(QLatin1String("SQLite"), Qt::CaseInsensitive)) {
        const QString path = entries.value(QStringLiteral("data source"));
        if (path.isEmpty()) {
            throw EDatabaseError(QStringLiteral("The connection string names no Data Source"));
        }
        return std::make_unique<sql::SqliteBackend>(path);
    }
    // ADO's default provider is the ODBC one.
    if (provider.isEmpty() || provider.startsWith(QLatin1String("MSDASQL"), Qt::CaseInsensitive)) {
#ifdef TARVAND_HAVE_ODBC
        return std::make_unique<sql::OdbcBackend>(odbcConnectionString(text));
#else
        throw EDatabaseError(QStringLiteral("ODBC backend not available"));
#endif
    }
    throw EDatabaseError(QStringLiteral("Provider '%1' is not supported").arg(provider));
}

} // namespace

TADOConnection::TADOConnection(std::unique_ptr<sql::SqlBackend> backend) : backend_(std::move(backend)) {}

TADOConnection::~TADOConnection() {
    const QList<TCustomADODataSet*> dataSets = dataSets_;
    for (TCustomADODataSet* dataSet : dataSets) {
        try {
            dataSet->connectionGone();
        } catch (...) {
            // A destructor cannot pass on what a close handler threw; the dataset is detached anyway.
        }
    }
}

void TADOConnection::SetConnectionString(const QString& value) {
    if (Connected()) {
        Close();
    }
    connectionString_ = value;
}

void TADOConnection::Open() {
    if (Connected()) {
        return;
    }
    backend_ = createBackend(connectionString_);
    inTransaction_ = false;
}

void TADOConnection::Close() {
    const QList<TCustomADODataSet*> dataSets = dataSets_;
    for (TCustomADODataSet* dataSet : dataSets) {
        dataSet->Close();
    }
    backend_.reset();
    inTransaction_ = false;
}

qint64 TADOConnection::Execute(const QString& statement) {
    return Backend().execute(statement);
}

void TADOConnection::BeginTrans() {
    Backend().beginTransaction();
    inTransaction_ = true;
}

void TADOConnection::CommitTrans() {
    Backend().commit();
    inTransaction_ = false;
}

void TADOConnection::RollbackTrans() {
    Backend().rollback();
    inTransaction_ = false;
}

sql::SqlBackend& TADOConnection::Backend() {
    if (!backend_) {
        throw EDatabaseError(QStringLiteral("Connection is not open"));
    }
    return *backend_;
}

void TADOConnection::attach(TCustomADODataSet* dataSet) {
    if (!dataSets_.contains(dataSet)) {
        dataSets_.append(dataSet);
    }
}

void TADOConnection::detach(TCustomADODataSet* dataSet) {
    dataSets_.removeAll(dataSet);
}

} // namespace tarvand::data
