#include "PgBackend.h"

#include "EDatabaseError.h"
#include "MemoryCursor.h"
#include "PgCatalog.h"
#include "PgCompatibility.h"
#include "PgConnection.h"
#include "PgCursor.h"

namespace tarvand::sql {

namespace {

ColumnKind kindOfOid(Oid type) {
    switch (type) {
    case 16: // boolean
    case 20: // bigint
    case 21: // smallint
    case 23: // integer
    case 26: // oid
        return ColumnKind::Integer;
    case 700:  // real
    case 701:  // double precision
    case 790:  // money
    case 1700: // numeric
        return ColumnKind::Float;
    case 17: // bytea
        return ColumnKind::Blob;
    default:
        return ColumnKind::Text;
    }
}

// The end of a stretch that starts at from with open and runs to close (a doubled close inside
// stays part of it); text.size() when it is not closed.
qsizetype skipQuoted(const QString& text, qsizetype from, QChar close) {
    for (qsizetype i = from + 1; i < text.size(); ++i) {
        if (text[i] == close) {
            if (i + 1 < text.size() && text[i + 1] == close) {
                ++i;
                continue;
            }
            return i;
        }
    }
    return text.size();
}

} // namespace

PgBackend::PgBackend(const QString& uri)
    : connection_(std::make_unique<PgConnection>(uri)), catalog_(std::make_unique<PgCatalog>(*connection_)) {
    PgCompatibility::install(*connection_);
}

PgBackend::~PgBackend() = default;

bool PgBackend::isUri(const QString& name) {
    const QString text = name.trimmed();
    return text.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           text.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

QString PgBackend::serverText(const QString& statement) {
    QString result;
    result.reserve(statement.size() + 8);
    int number = 0;
    for (qsizetype i = 0; i < statement.size(); ++i) {
        const QChar ch = statement[i];
        qsizetype end = i;
        if (ch == u'\'' || ch == u'"') {
            end = skipQuoted(statement, i, ch);
        } else if (ch == u'[') {
            // [Name] is the name the server folds an unquoted Name to; "]]" stands for "]".
            end = skipQuoted(statement, i, u']');
            QString name = statement.mid(i + 1, end - i - 1).toLower();
            result += u'"' +
                      name.replace(QStringLiteral("]]"), QStringLiteral("]"))
                          .replace(u'"', QStringLiteral("\"\"")) +
                      u'"';
            i = end;
            continue;
        } else if (ch == u'-' && statement.mid(i, 2) == u"--") {
            end = statement.indexOf(u'\n', i);
            end = end < 0 ? statement.size() : end;
        } else if (ch == u'/' && statement.mid(i, 2) == u"/*") {
            end = statement.indexOf(QStringLiteral("*/"), i + 2);
            end = end < 0 ? statement.size() : end + 1;
        } else if (ch == u'?') {
            result += u'$' + QString::number(++number);
            continue;
        }
        result += statement.mid(i, end - i + 1);
        i = end;
    }
    return result;
}

QList<ColumnInfo> PgBackend::describe(const pg_result* result) {
    QList<ColumnInfo> columns;
    for (int c = 0; c < PQnfields(result); ++c) {
        ColumnInfo column;
        const Oid table = PQftable(result, c);
        const int number = PQftablecol(result, c);
        if (table != InvalidOid && number > 0) {
            const QList<ColumnInfo>& declared = catalog_->columns(table);
            if (number <= declared.size()) {
                column = declared[number - 1];
            }
        }
        column.name = QString::fromUtf8(PQfname(result, c));
        if (column.declaredType.isEmpty()) {
            column.kind = kindOfOid(PQftype(result, c));
            const int modifier = PQfmod(result, c);
            // varchar(n) and char(n) carry n plus the four bytes of a length word.
            if (column.kind == ColumnKind::Text && modifier > 4) {
                column.size = modifier - 4;
            }
        }
        columns.append(column);
    }
    return columns;
}

void PgBackend::forgetSchemaAfter(const QString& statement) {
    const QString verb = statement.trimmed().section(u' ', 0, 0).toLower();
    if (verb == u"create" || verb == u"alter" || verb == u"drop") {
        catalog_->clear();
    }
}

std::unique_ptr<ResultCursor> PgBackend::query(const QString& statement, const QVariantList& params) {
    PgResult result = connection_->run(serverText(statement).toUtf8(), params);
    forgetSchemaAfter(statement);
    if (PQresultStatus(result.get()) != PGRES_TUPLES_OK) {
        return std::make_unique<MemoryCursor>();
    }
    QList<ColumnInfo> columns = describe(result.get());
    return std::make_unique<PgCursor>(std::move(result), std::move(columns));
}

qint64 PgBackend::execute(const QString& statement, const QVariantList& params) {
    const PgResult result = connection_->run(serverText(statement).toUtf8(), params);
    forgetSchemaAfter(statement);
    return QByteArray(PQcmdTuples(result.get())).toLongLong();
}

QList<ColumnInfo> PgBackend::tableColumns(const QString& table) {
    const Oid oid = catalog_->tableOid(table);
    if (oid == 0) {
        return {};
    }
    QList<ColumnInfo> columns;
    for (const ColumnInfo& column : catalog_->columns(oid)) {
        if (!column.name.isEmpty()) {
            columns.append(column);
        }
    }
    return columns;
}

QStringList PgBackend::keyColumns(const QString& table) {
    const Oid oid = catalog_->tableOid(table);
    return oid == 0 ? QStringList() : catalog_->keyColumns(oid);
}

void PgBackend::beginTransaction() {
    // One transaction at a time on a company database, each waiting (five seconds at most for
    // each lock) for the one before to end: a transaction that reads and then writes (the highest
    // number, then the next one) must not find another writer between its reading and its writing.
    try {
        connection_->control("BEGIN; SET LOCAL lock_timeout = '5s'; SELECT pg_advisory_xact_lock(7002)");
    } catch (const EDatabaseError&) {
        try {
            connection_->control("ROLLBACK");
        } catch (const EDatabaseError&) {
            // The failed start is the one to report.
        }
        throw;
    }
}

void PgBackend::commit() {
    connection_->control("COMMIT");
}

void PgBackend::rollback() {
    connection_->control("ROLLBACK");
}

} // namespace tarvand::sql
