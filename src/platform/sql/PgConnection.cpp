#include "PgConnection.h"

#include "EDatabaseError.h"
#include "PgErrors.h"
#include "PgServerError.h"
#include "VariantKind.h"

#include <vector>

namespace tarvand::sql {

namespace {

// Type OIDs of PostgreSQL's built-in types, for parameters sent with a type of their own.
constexpr Oid int4Oid = 23;
constexpr Oid int8Oid = 20;
constexpr Oid float8Oid = 701;
constexpr Oid byteaOid = 17;

} // namespace

PgConnection::PgConnection(const QString& uri) : conn_(PQconnectdb(uri.toUtf8().constData())) {
    if (PQstatus(conn_) != CONNECTION_OK) {
        const QString message = QString::fromUtf8(PQerrorMessage(conn_)).trimmed();
        PQfinish(conn_);
        conn_ = nullptr;
        // libpq's words name the server; the URI is not repeated, since it may hold a password.
        throw EDatabaseError(QStringLiteral("Cannot connect to the PostgreSQL server: %1").arg(message));
    }
    PQsetClientEncoding(conn_, "UTF8");
    // Notices (an implicit index, a table that Drop … If Exists did not find) are no errors.
    PQsetNoticeProcessor(
        conn_, [](void*, const char*) {}, nullptr);
}

PgConnection::~PgConnection() {
    if (conn_) {
        PQfinish(conn_);
    }
}

PgResult PgConnection::run(const QByteArray& sql, const QVariantList& params) {
    const int count = int(params.size());
    std::vector<QByteArray> texts(static_cast<std::size_t>(count));
    std::vector<const char*> values(std::size_t(count), nullptr);
    std::vector<Oid> types(std::size_t(count), 0);
    std::vector<int> lengths(std::size_t(count), 0);
    std::vector<int> formats(std::size_t(count), 0);
    for (int i = 0; i < count; ++i) {
        const QVariant& value = params[i];
        const auto at = std::size_t(i);
        switch (KindOfVariant(value)) {
        case VariantKind::Null:
            continue;
        case VariantKind::Integer:
            // An integer that fits goes as integer, which the server widens wherever its place asks.
            texts[at] = QByteArray::number(value.toLongLong());
            types[at] = value.toLongLong() == qint32(value.toLongLong()) ? int4Oid : int8Oid;
            break;
        case VariantKind::Real:
            texts[at] = QByteArray::number(value.toDouble(), 'g', 17);
            types[at] = float8Oid;
            break;
        case VariantKind::Bytes:
            texts[at] = value.toByteArray();
            types[at] = byteaOid;
            formats[at] = 1;
            break;
        case VariantKind::Text:
            // Text goes untyped, so that the server reads it as the type its place asks for.
            texts[at] = value.toString().toUtf8();
            break;
        }
        values[at] = texts[at].constData();
        lengths[at] = int(texts[at].size());
    }
    PgResult result(PQexecParams(conn_, sql.constData(), count, types.data(), values.data(), lengths.data(),
                                 formats.data(), 0));
    const ExecStatusType status = result ? PQresultStatus(result.get()) : PGRES_FATAL_ERROR;
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
        fail(std::move(result));
    }
    return result;
}

void PgConnection::control(const char* sql) {
    PgResult result(PQexec(conn_, sql));
    const ExecStatusType status = result ? PQresultStatus(result.get()) : PGRES_FATAL_ERROR;
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
        fail(std::move(result));
    }
}

QString PgConnection::scalar(const QByteArray& sql, const QVariantList& params) {
    const PgResult result = run(sql, params);
    if (PQntuples(result.get()) == 0 || PQnfields(result.get()) == 0 || PQgetisnull(result.get(), 0, 0)) {
        return {};
    }
    return QString::fromUtf8(PQgetvalue(result.get(), 0, 0));
}

void PgConnection::fail(PgResult result) {
    if (!result) {
        throw EDatabaseError(QString::fromUtf8(PQerrorMessage(conn_)).trimmed());
    }
    const QString message = PgErrors::translate(result.get(), *this);
    throw PgServerError(message, std::shared_ptr<PGresult>(result.release(), PgResultFree()));
}

} // namespace tarvand::sql
