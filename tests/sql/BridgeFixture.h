#pragma once

#include "EDatabaseError.h"
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

// A fresh company database file per test, with helpers that read results as text.
class BridgeFixture : public ::testing::Test {
protected:
    BridgeFixture() { open(); }

    QString file() const { return dir.filePath(QStringLiteral("company.db")); }
    void open() {
        db.reset();
        db = std::make_unique<SqliteBackend>(file());
    }

    static QString cell(const ResultCursor& cursor, int column) {
        if (cursor.cellKind(column) == ColumnKind::Unknown) {
            return QStringLiteral("NULL");
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
    std::unique_ptr<SqliteBackend> db;
};

} // namespace tarvand::sql::test
