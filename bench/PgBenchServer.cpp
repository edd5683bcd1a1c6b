#include "PgBenchServer.h"

#include "BenchDatabase.h"
#include "DatabaseSetup.h"
#include "PgBackend.h"

#include <QFile>
#include <QProcess>
#include <libpq-fe.h>
#include <memory>
#include <sqlite3.h>
#include <stdexcept>

namespace {

using Connection = std::unique_ptr<PGconn, decltype(&PQfinish)>;

Connection connect(const QString& uri) {
    Connection conn(PQconnectdb(uri.toUtf8().constData()), &PQfinish);
    if (PQstatus(conn.get()) != CONNECTION_OK) {
        throw std::runtime_error(std::string("cannot connect to ") + uri.toStdString() + ": " +
                                 PQerrorMessage(conn.get()));
    }
    return conn;
}

void exec(PGconn* conn, const char* sql) {
    const std::unique_ptr<PGresult, decltype(&PQclear)> result(PQexec(conn, sql), &PQclear);
    const ExecStatusType status = PQresultStatus(result.get());
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK && status != PGRES_COPY_IN) {
        throw std::runtime_error(std::string(sql) + ": " + PQerrorMessage(conn));
    }
}

// The company schema's own Create Table of the asset register.
QString assetTableStatement() {
    for (const QString& batch : tarvand::sql::DatabaseSetup::splitBatches(
             tarvand::sql::DatabaseSetup::embeddedScript("schema.sql"))) {
        if (batch.contains(QLatin1String("Create Table D_Amval ("))) {
            return batch;
        }
    }
    throw std::runtime_error("schema.sql declares no D_Amval");
}

// A value in COPY's text form: NULL as \N, the separators and the backslash escaped.
void appendCopyValue(QByteArray& line, const unsigned char* text) {
    if (text == nullptr) {
        line += "\\N";
        return;
    }
    for (const unsigned char* c = text; *c != 0; ++c) {
        switch (*c) {
        case '\\':
            line += "\\\\";
            break;
        case '\t':
            line += "\\t";
            break;
        case '\n':
            line += "\\n";
            break;
        case '\r':
            line += "\\r";
            break;
        default:
            line += char(*c);
        }
    }
}

// Sends the SQLite benchmark database's D_Amval rows through COPY, in their order.
void copyAssets(PGconn* conn) {
    exec(conn, "COPY d_amval FROM STDIN");
    sqlite3* db = BenchDatabase::openReadOnly();
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM D_Amval ORDER BY rowid", -1, &stmt, nullptr);
    const int columns = sqlite3_column_count(stmt);
    QByteArray chunk;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            if (c > 0) {
                chunk += '\t';
            }
            appendCopyValue(chunk, sqlite3_column_text(stmt, c));
        }
        chunk += '\n';
        if (chunk.size() > (1 << 20)) {
            PQputCopyData(conn, chunk.constData(), int(chunk.size()));
            chunk.clear();
        }
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    PQputCopyData(conn, chunk.constData(), int(chunk.size()));
    PQputCopyEnd(conn, nullptr);
    while (PGresult* result = PQgetResult(conn)) {
        const bool failed = PQresultStatus(result) != PGRES_COMMAND_OK;
        PQclear(result);
        if (failed) {
            throw std::runtime_error(std::string("COPY d_amval: ") + PQerrorMessage(conn));
        }
    }
}

QString scriptPath() {
    return QStringLiteral(TARVAND_SOURCE_DIR "/scripts/pg-cluster.sh");
}

} // namespace

PgBenchServer::PgBenchServer() {
    uri_ = qEnvironmentVariable("TARVAND_PG_URI");
    while (uri_.endsWith(u'/')) {
        uri_.chop(1);
    }
    if (!uri_.isEmpty()) {
        return;
    }
    state_ = stateDir_.filePath(QStringLiteral("cluster.uri"));
    QProcess script;
    script.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    script.start(QStringLiteral("bash"), {scriptPath(), QStringLiteral("start"), state_});
    QFile file(state_);
    if (!script.waitForFinished(120000) || script.exitCode() != 0 || !file.open(QIODevice::ReadOnly)) {
        failure_ = QStringLiteral("no PostgreSQL test cluster could be started with %1 (server programs "
                                  "of the package postgresql missing?); set TARVAND_PG_URI to use a server")
                       .arg(scriptPath());
        return;
    }
    uri_ = QString::fromUtf8(file.readAll()).trimmed();
}

PgBenchServer::~PgBenchServer() {
    if (!state_.isEmpty()) {
        QProcess::execute(QStringLiteral("bash"), {scriptPath(), QStringLiteral("stop"), state_});
    }
}

QString PgBenchServer::createAssetDatabase() const {
    const Connection server = connect(uri_ + QStringLiteral("/postgres"));
    exec(server.get(), "DROP DATABASE IF EXISTS tarvand_bench_assets");
    exec(server.get(), "CREATE DATABASE tarvand_bench_assets");
    const QString database = uri_ + QStringLiteral("/tarvand_bench_assets");
    tarvand::sql::PgBackend(database).execute(assetTableStatement());
    const Connection conn = connect(database);
    copyAssets(conn.get());
    // Settled pages and statistics, as a register that has been in use for a while has them.
    exec(conn.get(), "VACUUM ANALYZE d_amval");
    return database;
}
