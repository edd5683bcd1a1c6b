#include "ConstraintCatalog.h"

#include "EDatabaseError.h"

namespace tarvand::sql {

namespace {

const char* const schema =
    "(name TEXT PRIMARY KEY COLLATE NOCASE, table_name TEXT NOT NULL COLLATE NOCASE, kind TEXT NOT NULL, "
    "columns TEXT NOT NULL)";

QStringList lowered(QStringList list) {
    for (QString& item : list) {
        item = item.toLower();
    }
    list.sort();
    return list;
}

} // namespace

ConstraintCatalog::ConstraintCatalog(sqlite3* db) : db_(db) {
    run((QByteArray("CREATE TABLE IF NOT EXISTS main.tsql_constraint ") + schema).constData(), {});
    run((QByteArray("CREATE TABLE IF NOT EXISTS temp.tsql_constraint ") + schema).constData(), {});
}

void ConstraintCatalog::run(const char* sql, const QStringList& values) const {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql, -1, &stmt, nullptr) != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(db_));
        throw EDatabaseError(message);
    }
    for (int i = 0; i < values.size(); ++i) {
        const QByteArray value = values[i].toUtf8();
        sqlite3_bind_text(stmt, i + 1, value.constData(), int(value.size()), SQLITE_TRANSIENT);
    }
    const int rc = sqlite3_step(stmt);
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE && rc != SQLITE_ROW) {
        throw EDatabaseError(QString::fromUtf8(sqlite3_errmsg(db_)));
    }
}

void ConstraintCatalog::add(const Constraint& constraint, bool temporary) {
    run(temporary ? "INSERT INTO temp.tsql_constraint VALUES (?1, ?2, ?3, ?4)"
                  : "INSERT INTO main.tsql_constraint VALUES (?1, ?2, ?3, ?4)",
        {constraint.name, constraint.table,
         constraint.primaryKey ? QStringLiteral("PK") : QStringLiteral("UQ"), constraint.columns.join(u',')});
}

void ConstraintCatalog::remove(const QString& name) {
    run("DELETE FROM main.tsql_constraint WHERE name = ?1", {name});
    run("DELETE FROM temp.tsql_constraint WHERE name = ?1", {name});
}

void ConstraintCatalog::removeTable(const QString& table) {
    run("DELETE FROM main.tsql_constraint WHERE table_name = ?1", {table});
    run("DELETE FROM temp.tsql_constraint WHERE table_name = ?1", {table});
}

QList<ConstraintCatalog::Constraint> ConstraintCatalog::select(const char* condition,
                                                               const QString& value) const {
    const QByteArray sql =
        QByteArray("SELECT name, table_name, kind, columns FROM temp.tsql_constraint WHERE ") + condition +
        " UNION ALL SELECT name, table_name, kind, columns FROM main.tsql_constraint "
        "WHERE " +
        condition;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql.constData(), int(sql.size()), &stmt, nullptr) != SQLITE_OK) {
        throw EDatabaseError(QString::fromUtf8(sqlite3_errmsg(db_)));
    }
    const QByteArray bound = value.toUtf8();
    sqlite3_bind_text(stmt, 1, bound.constData(), int(bound.size()), SQLITE_TRANSIENT);
    QList<Constraint> found;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        const auto text = [stmt](int column) {
            return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)));
        };
        found.append({text(0), text(1), text(2) == u"PK", text(3).split(u',', Qt::SkipEmptyParts)});
    }
    sqlite3_finalize(stmt);
    return found;
}

std::optional<ConstraintCatalog::Constraint> ConstraintCatalog::find(const QString& name) const {
    const QList<Constraint> found = select("name = ?1", name);
    return found.isEmpty() ? std::nullopt : std::optional(found.first());
}

std::optional<ConstraintCatalog::Constraint> ConstraintCatalog::primaryKey(const QString& table) const {
    for (const Constraint& constraint : select("table_name = ?1", table)) {
        if (constraint.primaryKey) {
            return constraint;
        }
    }
    return std::nullopt;
}

std::optional<ConstraintCatalog::Constraint> ConstraintCatalog::matching(const QString& table,
                                                                         const QStringList& columns) const {
    const QStringList wanted = lowered(columns);
    for (const Constraint& constraint : select("table_name = ?1", table)) {
        if (lowered(constraint.columns) == wanted) {
            return constraint;
        }
    }
    return std::nullopt;
}

} // namespace tarvand::sql
