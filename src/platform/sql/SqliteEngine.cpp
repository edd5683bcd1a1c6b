#include "SqliteEngine.h"

#include "EDatabaseError.h"
#include "MemoryCursor.h"
#include "SqliteCursor.h"
#include "SqliteSavepoint.h"
#include "TsqlPrinter.h"
#include "TsqlSchemaWriter.h"
#include "VariantKind.h"

namespace tarvand::sql {

namespace {

using Kind = TsqlStatement::Kind;

void bindVariant(sqlite3_stmt* stmt, int index, const QVariant& value) {
    switch (KindOfVariant(value)) {
    case VariantKind::Null:
        sqlite3_bind_null(stmt, index);
        return;
    case VariantKind::Integer:
        sqlite3_bind_int64(stmt, index, value.toLongLong());
        return;
    case VariantKind::Real:
        sqlite3_bind_double(stmt, index, value.toDouble());
        return;
    case VariantKind::Bytes: {
        const QByteArray bytes = value.toByteArray();
        sqlite3_bind_blob64(stmt, index, bytes.constData(), sqlite3_uint64(bytes.size()), SQLITE_TRANSIENT);
        return;
    }
    case VariantKind::Text: {
        const QByteArray text = value.toString().toUtf8();
        sqlite3_bind_text64(stmt, index, text.constData(), sqlite3_uint64(text.size()), SQLITE_TRANSIENT,
                            SQLITE_UTF8);
        return;
    }
    }
}

void bind(sqlite3_stmt* stmt, const TsqlEngine::Values& values) {
    const int count = sqlite3_bind_parameter_count(stmt);
    for (int i = 1; i <= count; ++i) {
        if (const char* name = sqlite3_bind_parameter_name(stmt, i)) {
            bindVariant(stmt, i, values(QString::fromUtf8(name)));
        }
    }
}

// A statement of the session's cache with its values bound, handed back when it goes out of scope.
class BorrowedStatement {
public:
    BorrowedStatement(SqliteSession& session, const QString& sql, const TsqlEngine::Values& values)
        : session_(session), sql_(sql), stmt_(session.take(sql)) {
        try {
            bind(stmt_, values);
        } catch (...) {
            session_.recycle(sql_, stmt_);
            throw;
        }
    }
    ~BorrowedStatement() {
        if (stmt_) {
            session_.recycle(sql_, stmt_);
        }
    }
    BorrowedStatement(const BorrowedStatement&) = delete;
    BorrowedStatement& operator=(const BorrowedStatement&) = delete;

    operator sqlite3_stmt*() const { return stmt_; }
    sqlite3_stmt* release() { return std::exchange(stmt_, nullptr); }

private:
    SqliteSession& session_;
    const QString& sql_;
    sqlite3_stmt* stmt_;
};

} // namespace

std::unique_ptr<TsqlPrinter> SqliteEngine::printer() const {
    return std::make_unique<TsqlPrinter>();
}

qint64 SqliteEngine::change(const QString& sql, const Values& values) {
    BorrowedStatement stmt(s_, sql, values);
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) {
        s_.fail();
    }
    return sqlite3_changes64(s_.db());
}

void SqliteEngine::each(const QString& sql, const Values& values, const Row& row) {
    BorrowedStatement stmt(s_, sql, values);
    const int count = sqlite3_column_count(stmt);
    std::vector<TsqlValue> cells(static_cast<std::size_t>(count));
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        for (int i = 0; i < count; ++i) {
            cells[std::size_t(i)] = TsqlValue::fromSqlite(sqlite3_column_value(stmt, i));
        }
        row(cells);
    }
    if (rc != SQLITE_DONE) {
        s_.fail();
    }
}

std::unique_ptr<ResultCursor> SqliteEngine::rows(const QString& sql, const Values& values, bool live) {
    BorrowedStatement stmt(s_, sql, values);
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        s_.fail();
    }
    QList<ColumnInfo> columns = s_.describer().describe(stmt, rc == SQLITE_ROW);
    if (live) {
        // The caller reads the rows at its own pace; the statement is the cursor's from now on.
        return std::make_unique<SqliteCursor>(s_.connection(), stmt.release(), std::move(columns),
                                              rc == SQLITE_ROW);
    }
    try {
        return std::make_unique<MemoryCursor>(std::move(columns), stmt, rc == SQLITE_ROW);
    } catch (const EDatabaseError&) {
        s_.fail();
    }
}

qint64 SqliteEngine::selectInto(const TsqlStatement& statement, const Values& values) {
    const TsqlSelect& query = *statement.select;
    const QString& target = query.into.name;
    if (!schema_.declaredTable(target).isEmpty()) {
        throw EDatabaseError(
            QStringLiteral("There is already an object named '%1' in the database.").arg(target));
    }
    QString identityName;
    bool itemsMatchColumns = true;
    for (const TsqlSelectItem& item : query.items) {
        if (item.expr->kind == TsqlExpr::Kind::Identity) {
            identityName = item.alias;
        }
        itemsMatchColumns = itemsMatchColumns && item.expr->kind != TsqlExpr::Kind::Star;
    }
    // The new table takes the declared types of the query's columns, as SQL Server's does: the
    // prepared query knows them for table columns, the printer for casts and literals.
    sqlite3_stmt* stmt = s_.prepare(statement.sqlite);
    TsqlPrinter printer;
    QStringList definitions;
    const int count = sqlite3_column_count(stmt);
    for (int i = 0; i < count; ++i) {
        const QString name = QString::fromUtf8(sqlite3_column_name(stmt, i));
        if (name == TsqlPrinter::identityMarker()) {
            definitions.append(TsqlPrinter::quoteName(identityName) + QStringLiteral(" INTEGER PRIMARY KEY"));
            continue;
        }
        const char* decltype_ = sqlite3_column_decltype(stmt, i);
        QString type = decltype_ ? QString::fromUtf8(decltype_) : QString();
        if (type.isEmpty() && itemsMatchColumns && i < int(query.items.size())) {
            type = printer.declaredTypeOf(*query.items[std::size_t(i)].expr);
        }
        QString definition = TsqlPrinter::quoteName(name);
        if (type.isEmpty()) {
            // Only the rows tell what such a column holds ('a' + b, IsNull(b, '')); a character
            // value in it compares as in a character column, a number as a number.
            definition += QStringLiteral(" COLLATE TSQL");
        } else {
            definition += u' ' + type;
            const QString collation = TsqlSchemaWriter::collationFor(type);
            if (!collation.isEmpty()) {
                definition += QStringLiteral(" COLLATE ") + collation;
            }
            definition += TsqlSchemaWriter::lengthCheck(name, type);
        }
        definitions.append(definition);
    }
    sqlite3_finalize(stmt);
    SqliteSavepoint savepoint(s_);
    s_.exec(QStringLiteral("CREATE %1TABLE %2 (%3)")
                .arg(TsqlSchemaWriter::isTemporary(target) ? QStringLiteral("TEMP ") : QString(),
                     TsqlPrinter::quoteName(target), definitions.join(QStringLiteral(", "))));
    const qint64 inserted = change(
        QStringLiteral("INSERT INTO %1 %2").arg(TsqlPrinter::quoteName(target), statement.sqlite), values);
    savepoint.release();
    return inserted;
}

void SqliteEngine::schema(const TsqlStatement& statement) {
    switch (statement.kind) {
    case Kind::CreateTable:
        return schema_.createTable(statement);
    case Kind::CreateIndex:
        return schema_.createIndex(statement);
    case Kind::DropTable:
        return schema_.dropTable(statement);
    case Kind::DropIndex:
        return schema_.dropIndex(statement);
    case Kind::AlterColumn:
        return schema_.alterColumn(statement);
    case Kind::AddConstraint:
        return schema_.addConstraint(statement);
    case Kind::AddColumns:
        return schema_.addColumns(statement);
    case Kind::DropConstraint:
        return schema_.dropConstraint(statement);
    case Kind::CreateProcedure:
        return schema_.createProcedure(statement);
    case Kind::DropProcedure:
        return schema_.dropProcedure(statement);
    default:
        s_.exec(statement.sqlite);
        return;
    }
}

} // namespace tarvand::sql
