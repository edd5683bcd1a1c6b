#include "PgConnection.h"

#include "EDatabaseError.h"
#include "PgCursor.h"
#include "PgErrors.h"
#include "PgServerError.h"
#include "VariantKind.h"

#include <utility>

namespace tarvand::sql {

namespace {

// Type OIDs of PostgreSQL's built-in types, for parameters sent with a type of their own.
constexpr Oid int4Oid = 23;
constexpr Oid int8Oid = 20;
constexpr Oid float8Oid = 701;
constexpr Oid byteaOid = 17;

constexpr const char* openSavepointCommand = "SAVEPOINT tsql_part";
constexpr const char* releaseSavepointCommand = "RELEASE SAVEPOINT tsql_part";
constexpr const char* rollbackSavepointCommand =
    "ROLLBACK TO SAVEPOINT tsql_part; RELEASE SAVEPOINT tsql_part";

// A statement's values as libpq takes them.
struct Bound {
    explicit Bound(const QVariantList& params)
        : count(int(params.size())), texts(std::size_t(count)), values(std::size_t(count), nullptr),
          types(std::size_t(count), 0), lengths(std::size_t(count), 0), formats(std::size_t(count), 0) {
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
    }

    bool send(PGconn* conn, const QByteArray& sql) const {
        return PQsendQueryParams(conn, sql.constData(), count, types.data(), values.data(), lengths.data(),
                                 formats.data(), 0) == 1;
    }

    int count;
    std::vector<QByteArray> texts;
    std::vector<const char*> values;
    std::vector<Oid> types;
    std::vector<int> lengths;
    std::vector<int> formats;
};

bool succeeded(const PGresult* result) {
    const ExecStatusType status = result ? PQresultStatus(result) : PGRES_FATAL_ERROR;
    return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
}

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
    settle(); // a cursor outliving the connection keeps every row
    if (conn_) {
        PQfinish(conn_);
    }
}

PGconn* PgConnection::handle() {
    settle();
    return conn_;
}

PgResult PgConnection::run(const QByteArray& sql, const QVariantList& params) {
    settle();
    const Bound bound(params);
    if (!waiting_.empty()) {
        return pipelined([&] { return bound.send(conn_, sql); });
    }
    PgResult result(PQexecParams(conn_, sql.constData(), bound.count, bound.types.data(), bound.values.data(),
                                 bound.lengths.data(), bound.formats.data(), 0));
    if (!succeeded(result.get())) {
        fail(std::move(result));
    }
    return result;
}

PgResult PgConnection::pipelined(const std::function<bool()>& send) {
    const std::vector<QByteArray> commands = std::exchange(waiting_, {});
    bool sent = PQenterPipelineMode(conn_) == 1;
    for (const QByteArray& command : commands) {
        sent = sent &&
               PQsendQueryParams(conn_, command.constData(), 0, nullptr, nullptr, nullptr, nullptr, 0) == 1;
    }
    sent = sent && send() && PQpipelineSync(conn_) == 1;
    // Each command's results end with a null; after a failure the server skips the commands up to
    // the sync (PGRES_PIPELINE_ABORTED), so the first failure is the one to report.
    PgResult failure;
    PgResult last;
    for (int nulls = 0; sent && nulls < 2;) {
        PgResult piece(PQgetResult(conn_));
        if (!piece) {
            ++nulls;
            continue;
        }
        nulls = 0;
        const ExecStatusType status = PQresultStatus(piece.get());
        if (status == PGRES_PIPELINE_SYNC) {
            break;
        }
        if (status != PGRES_PIPELINE_ABORTED && !succeeded(piece.get()) && !failure) {
            failure = std::move(piece);
        } else if (status != PGRES_PIPELINE_ABORTED) {
            last = std::move(piece);
        }
    }
    PQexitPipelineMode(conn_);
    if (!sent || failure) {
        fail(std::move(failure));
    }
    return last;
}

void PgConnection::control(const char* sql) {
    settle();
    QByteArray text;
    for (const QByteArray& command : std::exchange(waiting_, {})) {
        text += command + "; ";
    }
    text += sql;
    PgResult result(PQexec(conn_, text.constData()));
    if (!succeeded(result.get())) {
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

PgResult PgConnection::describe(const QByteArray& sql, const QVariantList& params) {
    settle();
    const Bound bound(params);
    // The unnamed statement, prepared and described in one round trip.
    return pipelined([&] {
        return PQsendPrepare(conn_, "", sql.constData(), bound.count, bound.types.data()) == 1 &&
               PQsendDescribePrepared(conn_, "") == 1;
    });
}

PgResult PgConnection::stream(const QByteArray& sql, const QVariantList& params, PgCursor& reader) {
    settle();
    flush();
    if (!Bound(params).send(conn_, sql)) {
        fail(PgResult());
    }
    PQsetSingleRowMode(conn_);
    reader_ = &reader;
    return receive();
}

PgResult PgConnection::receive() {
    PgResult piece(PQgetResult(conn_));
    if (piece && PQresultStatus(piece.get()) == PGRES_SINGLE_TUPLE) {
        return piece;
    }
    endStream();
    if (!succeeded(piece.get())) {
        recover();
        fail(std::move(piece));
    }
    return piece;
}

void PgConnection::abandon(PgCursor& reader) {
    if (reader_ != &reader) {
        return;
    }
    endStream();
    recover();
}

void PgConnection::endStream() {
    while (PGresult* rest = PQgetResult(conn_)) {
        PQclear(rest);
    }
    reader_ = nullptr;
}

bool PgConnection::savepointUnsent() {
    if (PQtransactionStatus(conn_) == PQTRANS_IDLE) {
        waiting_.clear(); // the statement ended the transaction
        return true;
    }
    if (!waiting_.empty() && waiting_.back() == openSavepointCommand) {
        waiting_.pop_back();
        return true;
    }
    return false;
}

void PgConnection::openSavepoint() {
    waiting_.emplace_back(openSavepointCommand);
}

void PgConnection::releaseSavepoint() {
    if (!savepointUnsent()) {
        waiting_.emplace_back(releaseSavepointCommand);
    }
}

void PgConnection::rollbackSavepoint() {
    if (!savepointUnsent()) {
        control(rollbackSavepointCommand);
    }
}

void PgConnection::settle() {
    if (reader_) {
        reader_->takeRest();
    }
}

void PgConnection::flush() {
    if (!waiting_.empty()) {
        control("");
    }
}

void PgConnection::recover() {
    if (PQtransactionStatus(conn_) != PQTRANS_INERROR || waiting_.empty()) {
        return;
    }
    QByteArray text;
    for (const QByteArray& command : waiting_) {
        if (command != releaseSavepointCommand) {
            return;
        }
        text += QByteArray(rollbackSavepointCommand) + "; ";
    }
    waiting_.clear();
    // When this fails too, the next statement reports the broken transaction.
    const PgResult result(PQexec(conn_, text.constData()));
}

void PgConnection::fail(PgResult result) {
    if (!result) {
        throw EDatabaseError(QString::fromUtf8(PQerrorMessage(conn_)).trimmed());
    }
    const QString message = PgErrors::translate(result.get(), *this);
    throw PgServerError(message, std::shared_ptr<PGresult>(result.release(), PgResultFree()));
}

} // namespace tarvand::sql
