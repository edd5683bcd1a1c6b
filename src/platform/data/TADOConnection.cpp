#include "TADOConnection.h"

#include "EDatabaseError.h"
#include "SqliteBackend.h"
#include "TCustomADODataSet.h"

#include <QHash>

namespace tarvand::data {

namespace {

// "Key=Value;Key=\"Value; with semicolons\"" as a map of lower-cased keys.
QHash<QString, QString> parseConnectionString(const QString& text) {
    QHash<QString, QString> entries;
    QString part;
    bool quoted = false;
    auto take = [&entries](const QString& entry) {
        const qsizetype equals = entry.indexOf(u'=');
        if (equals < 0) {
            return;
        }
        QString value = entry.mid(equals + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"')) {
            value = value.mid(1, value.size() - 2);
        }
        entries.insert(entry.left(equals).trimmed().toLower(), value);
    };
    for (const QChar ch : text) {
        if (ch == u'"') {
            quoted = !quoted;
        }
        if (ch == u';' && !quoted) {
            take(part);
            part.clear();
        } else {
            part += ch;
        }
    }
    take(part);
    return entries;
}

std::unique_ptr<sql::SqlBackend> createBackend(const QString& connectionString) {
    const QString text = connectionString.trimmed();
    if (text.isEmpty()) {
        throw EDatabaseError(QStringLiteral("Missing ConnectionString"));
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
        throw EDatabaseError(QStringLiteral("ODBC backend not available"));
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
