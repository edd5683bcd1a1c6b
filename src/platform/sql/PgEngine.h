#pragma once

#include "PgConnection.h"
#include "PgSchemaCommands.h"
#include "TsqlEngine.h"

#include <QHash>
#include <QSet>

namespace tarvand::sql {

class PgCatalog;

// The T-SQL bridge's statements on a PostgreSQL connection: the texts PgPrinter wrote, their
// placeholders and variables bound by position, result columns described from the catalog, and
// the schema statements through PgSchemaCommands.
class PgEngine : public TsqlEngine {
public:
    PgEngine(PgConnection& connection, PgCatalog& catalog)
        : connection_(connection), catalog_(catalog), schema_(connection) {}

    // A statement as the server reads it: each ?n and @name outside literals and quoted names made
    // $1, $2, … (one number per distinct name), and the names in the order of their numbers.
    struct ServerText {
        QByteArray sql;
        QStringList names;
    };
    static ServerText serverText(const QString& sql);

    std::unique_ptr<TsqlPrinter> printer() const override;
    void attach(const QStringList& databases) override;
    qint64 change(const QString& sql, const Values& values) override;
    void each(const QString& sql, const Values& values, const Row& row) override;
    std::unique_ptr<ResultCursor> rows(const QString& sql, const Values& values, bool live) override;
    qint64 selectInto(const TsqlStatement& statement, const Values& values) override;
    void schema(const TsqlStatement& statement) override;
    std::optional<QString> procedure(const QString& name) override { return schema_.procedure(name); }

    // Result columns with the declared type, length, nullability and keys of the table columns
    // they come from.
    QList<ColumnInfo> describe(const PGresult* result);
    // Runs work all-or-nothing: under a savepoint inside a transaction (opened and released in the
    // round trips of the statements), else in a transaction of its own.
    void atomically(const std::function<void()>& work);

private:
    const ServerText& text(const QString& sql);
    QVariantList params(const ServerText& server, const Values& values) const;
    PgResult run(const QString& sql, const Values& values);

    PgConnection& connection_;
    PgCatalog& catalog_;
    PgSchemaCommands schema_;
    QHash<QString, ServerText> texts_;
    QSet<QString> schemas_;
    QSet<QByteArray> described_; // texts whose result columns the catalog has read
    // @@RowCount: the rows the last Insert, Update or Delete touched.
    qint64 rowCount_ = 0;
};

} // namespace tarvand::sql
