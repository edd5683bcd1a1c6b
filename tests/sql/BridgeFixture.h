#pragma once

#include "EDatabaseError.h"
#include "PgBackend.h"
#include "PgTestServer.h"
#include "SqliteBackend.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Readable values in assertion messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '{' << list.join(QStringLiteral(", ")).toStdString() << '}';
}

namespace tarvand::sql::test {

// A fresh company database per test, with helpers that read results as text: a file, or a
// database on the test run's PostgreSQL server after useServer().
class BridgeFixture : public ::testing::Test {
protected:
    BridgeFixture() { open(); }

    QString file() const { return dir.filePath(QStringLiteral("company.db")); }
    // A new connection to the same database.
    void open() {
        db.reset();
        if (server.isEmpty()) {
            db = std::make_unique<SqliteBackend>(file());
        } else {
            db = std::make_unique<PgBackend>(server);
        }
    }
    void useServer() {
        server = PgTestServer::createDatabase();
        open();
    }

    static QString cell(const ResultCursor& cursor, int column) {
        if (cursor.cellKind(column) == ColumnKind::Unknown) {
            return QStringLiteral("NULL");
        }
        if (cursor.cellKind(column) == ColumnKind::Float) {
            return QString::number(cursor.cellFloat(column), 'g', 15);
        }
        const std::string_view text = cursor.cellText(column);
        return QString::fromUtf8(text.data(), qsizetype(text.size()));
    }

    // Every row of the statement's result, cells joined with '|'.
    QStringList rows(const QString& statement, const QVariantList& params = {}) {
        auto cursor = db->query(statement, params);
        QStringList result;
        while (cursor->next()) {
            QStringList cells;
            for (int i = 0; i < cursor->columns().size(); ++i) {
                cells.append(cell(*cursor, i));
            }
            result.append(cells.join(u'|'));
        }
        return result;
    }

    // The first cell of the first row; "<no row>" when there is none.
    QString value(const QString& statement, const QVariantList& params = {}) {
        auto cursor = db->query(statement, params);
        return cursor->next() ? cell(*cursor, 0) : QStringLiteral("<no row>");
    }

    // The message of the EDatabaseError the statement raises; empty when it succeeds.
    QString error(const QString& statement) {
        try {
            db->execute(statement);
        } catch (const EDatabaseError& e) {
            return e.Message;
        }
        return {};
    }

    QTemporaryDir dir;
    QString server;
    std::unique_ptr<SqlBackend> db;
};

// The tests of a fixture over both backends: instances named Sqlite/… and Postgres/… .
template <class Fixture> class OnEachBackend : public Fixture, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        if (GetParam()) {
            this->useServer();
        }
        Fixture::SetUp();
    }
};

#define TARVAND_ON_EACH_BACKEND(Suite)                                                                       \
    INSTANTIATE_TEST_SUITE_P(Sqlite, Suite, ::testing::Values(false));                                       \
    INSTANTIATE_TEST_SUITE_P(Postgres, Suite, ::testing::Values(true))

} // namespace tarvand::sql::test
