#include "PgTestServer.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <libpq-fe.h>
#include <memory>
#include <stdexcept>

QString PgTestServer::baseUri() {
    QString uri = qEnvironmentVariable("TARVAND_PG_URI");
    if (uri.isEmpty()) {
        const QString stateFile = qEnvironmentVariable("TARVAND_PG_URI_FILE");
        QFile file(stateFile);
        if (stateFile.isEmpty() || !file.open(QIODevice::ReadOnly)) {
            return {};
        }
        uri = QString::fromUtf8(file.readAll()).trimmed();
    }
    while (uri.endsWith(u'/')) {
        uri.chop(1);
    }
    return uri;
}

QString PgTestServer::createDatabase(const QString& copyOf) {
    const QString base = baseUri();
    if (base.isEmpty()) {
        throw std::runtime_error("no PostgreSQL test server: TARVAND_PG_URI / TARVAND_PG_URI_FILE not set");
    }
    const std::unique_ptr<PGconn, decltype(&PQfinish)> conn(
        PQconnectdb((base + QStringLiteral("/postgres")).toUtf8().constData()), &PQfinish);
    if (PQstatus(conn.get()) != CONNECTION_OK) {
        throw std::runtime_error(std::string("cannot reach the PostgreSQL test server: ") +
                                 PQerrorMessage(conn.get()));
    }
    // Test processes come and go with reused ids: a random part keeps names apart across the run.
    const QString name = QStringLiteral("tv_%1_%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QRandomGenerator::system()->generate64(), 0, 36);
    const std::unique_ptr<PGresult, decltype(&PQclear)> result(
        PQexec(conn.get(), (QStringLiteral("CREATE DATABASE \"%1\"").arg(name) +
                            (copyOf.isEmpty() ? QString() : QStringLiteral(" TEMPLATE \"%1\"").arg(copyOf)))
                               .toUtf8()
                               .constData()),
        &PQclear);
    if (PQresultStatus(result.get()) != PGRES_COMMAND_OK) {
        throw std::runtime_error(std::string("CREATE DATABASE failed: ") + PQerrorMessage(conn.get()));
    }
    return base + u'/' + name;
}
