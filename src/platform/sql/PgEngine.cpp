#include "PgEngine.h"

#include "DeclaredType.h"
#include "EDatabaseError.h"
#include "PgCatalog.h"
#include "PgCursor.h"
#include "PgPrinter.h"

namespace tarvand::sql {

namespace {

// Enough for the statements of a form and its procedures; one-off texts must not pile up.
constexpr qsizetype textLimit = 1024;

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

// The end of a stretch that starts at from and runs to close (a doubled close stays inside it).
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
    return text.size() - 1;
}

bool isNameCharacter(QChar ch) {
    return ch.isLetterOrNumber() || ch == u'_' || ch == u'@' || ch == u'#' || ch == u'$';
}

} // namespace

PgEngine::ServerText PgEngine::serverText(const QString& sql) {
    ServerText server;
    QString text;
    text.reserve(sql.size() + 8);
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar ch = sql[i];
        if (ch == u'\'' || ch == u'"') {
            const qsizetype end = skipQuoted(sql, i, ch);
            text += sql.mid(i, end - i + 1);
            i = end;
            continue;
        }
        if ((ch == u'?' || ch == u'@') && i + 1 < sql.size() && isNameCharacter(sql[i + 1])) {
            qsizetype end = i + 1;
            while (end < sql.size() && isNameCharacter(sql[end])) {
                ++end;
            }
            const QString name = sql.mid(i, end - i).toLower();
            qsizetype number = server.names.indexOf(name);
            if (number < 0) {
                server.names.append(name);
                number = server.names.size() - 1;
            }
            text += u'$' + QString::number(number + 1);
            i = end - 1;
            continue;
        }
        text += ch;
    }
    server.sql = text.toUtf8();
    return server;
}

std::unique_ptr<TsqlPrinter> PgEngine::printer() const {
    return std::make_unique<PgPrinter>(&catalog_);
}

void PgEngine::attach(const QStringList& databases) {
    // Another database of the server is a schema of the company database, made on first use.
    for (const QString& database : databases) {
        if (!schemas_.contains(database)) {
            connection_.run("CREATE SCHEMA IF NOT EXISTS " + PgPrinter::foldedName(database).toUtf8());
            schemas_.insert(database);
        }
    }
}

const PgEngine::ServerText& PgEngine::text(const QString& sql) {
    auto found = texts_.constFind(sql);
    if (found == texts_.constEnd()) {
        if (texts_.size() >= textLimit) {
            texts_.clear();
            described_.clear();
        }
        found = texts_.insert(sql, serverText(sql));
    }
    return *found;
}

QVariantList PgEngine::params(const ServerText& server, const Values& values) const {
    QVariantList params;
    params.reserve(server.names.size());
    for (const QString& name : server.names) {
        params.append(name == u"@@rowcount" ? QVariant(rowCount_) : values(name));
    }
    return params;
}

PgResult PgEngine::run(const QString& sql, const Values& values) {
    const ServerText server = text(sql);
    return connection_.run(server.sql, params(server, values));
}

qint64 PgEngine::change(const QString& sql, const Values& values) {
    const PgResult result = run(sql, values);
    rowCount_ = QByteArray(PQcmdTuples(result.get())).toLongLong();
    return rowCount_;
}

void PgEngine::each(const QString& sql, const Values& values, const Row& row) {
    PgResult result = run(sql, values);
    if (PQresultStatus(result.get()) != PGRES_TUPLES_OK) {
        return;
    }
    QList<ColumnInfo> columns;
    for (int c = 0; c < PQnfields(result.get()); ++c) {
        ColumnInfo column;
        column.kind = kindOfOid(PQftype(result.get(), c));
        columns.append(column);
    }
    PgCursor cursor(std::move(result), columns);
    std::vector<TsqlValue> cells(std::size_t(columns.size()));
    while (cursor.next()) {
        for (int c = 0; c < int(columns.size()); ++c) {
            switch (cursor.cellKind(c)) {
            case ColumnKind::Unknown:
                cells[std::size_t(c)] = TsqlValue();
                break;
            case ColumnKind::Integer:
                cells[std::size_t(c)] = TsqlValue::integer(cursor.cellInt(c));
                break;
            case ColumnKind::Float:
                cells[std::size_t(c)] = TsqlValue::real(cursor.cellFloat(c));
                break;
            default: {
                const std::string_view text = cursor.cellText(c);
                cells[std::size_t(c)] =
                    TsqlValue::text(QString::fromUtf8(text.data(), qsizetype(text.size())));
            }
            }
        }
        row(cells);
    }
}

std::unique_ptr<ResultCursor> PgEngine::rows(const QString& sql, const Values& values, bool live) {
    if (!live) {
        PgResult result = run(sql, values);
        QList<ColumnInfo> columns = describe(result.get());
        return std::make_unique<PgCursor>(std::move(result), std::move(columns));
    }
    const ServerText server = text(sql);
    const QVariantList bound = params(server, values);
    // While the rows come nothing else can go to the server, so the catalog is read for the
    // columns of a text not described before (since the schema last changed) ahead of them.
    if (!described_.contains(server.sql)) {
        describe(connection_.describe(server.sql, bound).get());
        described_.insert(server.sql);
    }
    return std::make_unique<PgCursor>(connection_, server.sql, bound,
                                      [this](const PGresult* first) { return describe(first); });
}

QList<ColumnInfo> PgEngine::describe(const PGresult* result) {
    QList<ColumnInfo> columns;
    for (int c = 0; c < PQnfields(result); ++c) {
        ColumnInfo column;
        const Oid table = PQftable(result, c);
        const int number = PQftablecol(result, c);
        if (table != InvalidOid && number > 0) {
            const QList<ColumnInfo>& declared = catalog_.columns(table);
            if (number <= declared.size()) {
                column = declared[number - 1];
            }
        }
        // A column named by the server after the table column (Select *, a column written in lower
        // case) takes the name the table was created with; any other keeps the query's name.
        const QString server = QString::fromUtf8(PQfname(result, c));
        if (column.name.toLower() != server) {
            column.name = server;
        }
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

void PgEngine::atomically(const std::function<void()>& work) {
    if (PQtransactionStatus(connection_.handle()) == PQTRANS_INTRANS) {
        connection_.openSavepoint();
        try {
            work();
        } catch (...) {
            connection_.rollbackSavepoint();
            throw;
        }
        connection_.releaseSavepoint();
        return;
    }
    connection_.run("BEGIN");
    try {
        work();
    } catch (...) {
        connection_.run("ROLLBACK");
        throw;
    }
    connection_.run("COMMIT");
}

qint64 PgEngine::selectInto(const TsqlStatement& statement, const Values& values) {
    const TsqlSelect& query = *statement.select;
    const QString target = PgPrinter::foldedName(query.into.name);
    // The query's columns as the server describes them give the new table its declared types.
    const ServerText server = serverText(statement.sqlite);
    const PgResult prepared(PQprepare(connection_.handle(), "", server.sql.constData(), 0, nullptr));
    if (PQresultStatus(prepared.get()) != PGRES_COMMAND_OK) {
        run(statement.sqlite, values); // fails with the server's words
    }
    const PgResult described(PQdescribePrepared(connection_.handle(), ""));
    // The new columns take the names the query writes (aliases, columns), else those of the
    // table columns they come from (Select *).
    const QList<ColumnInfo> fromTables = describe(described.get());
    QHash<QString, QString> written;
    for (const TsqlSelectItem& item : query.items) {
        const bool column = item.expr->kind == TsqlExpr::Kind::Column;
        const QString name = item.alias.isEmpty() && column ? item.expr->parts.last() : item.alias;
        written.insert(name.toLower(), name);
    }
    QStringList definitions;
    QStringList columns;
    QStringList comments{PgCatalog::tableComment(query.into.name)};
    const QString marker = TsqlPrinter::identityMarker();
    bool itemsMatchColumns = true;
    for (const TsqlSelectItem& item : query.items) {
        itemsMatchColumns = itemsMatchColumns && item.expr->kind != TsqlExpr::Kind::Star;
    }
    PgPrinter printer;
    for (int c = 0; c < PQnfields(described.get()); ++c) {
        QString name = written.value(fromTables[c].name.toLower(), fromTables[c].name);
        if (name == marker) {
            for (const TsqlSelectItem& item : query.items) {
                name = item.expr->kind == TsqlExpr::Kind::Identity ? item.alias : name;
            }
            definitions.append(PgPrinter::foldedName(name) +
                               QStringLiteral(" integer GENERATED BY DEFAULT AS IDENTITY"));
            comments.append(PgCatalog::columnComment(query.into.name, name, QString()));
            continue;
        }
        // A table's column keeps its type (a varchar column's domain); other character values
        // become bpchar, which compares as the server's varchar does.
        const Oid table = PQftable(described.get(), c);
        const QString type =
            table != InvalidOid && PQftablecol(described.get(), c) > 0
                ? connection_.scalar(
                      "SELECT format_type(atttypid, atttypmod) FROM pg_catalog.pg_attribute WHERE "
                      "attrelid = $1::oid AND attnum = $2::integer",
                      {qint64(table), PQftablecol(described.get(), c)})
                : connection_.scalar("SELECT format_type($1::oid, $2::integer)",
                                     {qint64(PQftype(described.get(), c)), PQfmod(described.get(), c)});
        const bool character = type.startsWith(QLatin1String("character")) || type == u"text" ||
                               type == u"bpchar" || type.startsWith(QLatin1String("tsql_varchar_"));
        const bool expression =
            table == InvalidOid && character && !type.startsWith(QLatin1String("character("));
        // SQL Server gives a literal the literal's length.
        const QString literal = expression && itemsMatchColumns && c < int(query.items.size())
                                    ? printer.declaredTypeOf(*query.items[std::size_t(c)].expr)
                                    : QString();
        definitions.append(
            PgPrinter::foldedName(name) + u' ' +
            (DeclaredType(literal).hasLength() ? schema_.columnType(literal)
             : character ? (expression ? QStringLiteral("bpchar") : type) + QStringLiteral(" COLLATE tsql")
                         : type));
        columns.append(PgPrinter::foldedName(name));
        comments.append(PgCatalog::columnComment(query.into.name, name, QString()));
    }
    qint64 inserted = 0;
    atomically([&] {
        connection_.run(QStringLiteral("CREATE %1TABLE %2 (%3)")
                            .arg(query.into.name.startsWith(u'#') ? QStringLiteral("TEMP ") : QString(),
                                 target, definitions.join(QStringLiteral(", ")))
                            .toUtf8());
        for (const QString& comment : std::as_const(comments)) {
            if (!comment.isEmpty()) {
                connection_.run(comment.toUtf8());
            }
        }
        const QString list = columns.join(QStringLiteral(", "));
        inserted = change(QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM (%3) AS \"tsql_into\"")
                              .arg(target, list, statement.sqlite),
                          values);
    });
    return inserted;
}

void PgEngine::schema(const TsqlStatement& statement) {
    if (statement.kind == TsqlStatement::Kind::Transaction) {
        connection_.run(statement.sqlite.toUtf8());
        return;
    }
    atomically([&] { schema_.run(statement); });
    catalog_.clear();
    described_.clear();
}

} // namespace tarvand::sql
