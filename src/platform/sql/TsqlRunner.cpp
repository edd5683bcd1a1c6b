#include "TsqlRunner.h"

#include "DeclaredType.h"
#include "EDatabaseError.h"
#include "MemoryCursor.h"
#include "SqliteCursor.h"
#include "SqliteSavepoint.h"
#include "TsqlSchemaWriter.h"

namespace tarvand::sql {

namespace {

using Kind = TsqlStatement::Kind;

// SQL Server's limit on nested procedure calls and Exec(…).
constexpr int nestingLimit = 32;

void bindVariant(sqlite3_stmt* stmt, int index, const QVariant& value) {
    if (value.isNull()) {
        sqlite3_bind_null(stmt, index);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        sqlite3_bind_int64(stmt, index, value.toLongLong());
        return;
    case QMetaType::Double:
    case QMetaType::Float:
        sqlite3_bind_double(stmt, index, value.toDouble());
        return;
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        sqlite3_bind_blob64(stmt, index, bytes.constData(), sqlite3_uint64(bytes.size()), SQLITE_TRANSIENT);
        return;
    }
    default: {
        const QByteArray text = value.toString().toUtf8();
        sqlite3_bind_text64(stmt, index, text.constData(), sqlite3_uint64(text.size()), SQLITE_TRANSIENT,
                            SQLITE_UTF8);
        return;
    }
    }
}

// A statement of the session's cache, handed back when it goes out of scope.
class BorrowedStatement {
public:
    BorrowedStatement(SqliteSession& session, const QString& sql)
        : session_(session), sql_(sql), stmt_(session.take(sql)) {}
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

bool isPlainSelect(const TsqlStatement& statement) {
    if (statement.kind != Kind::Select || !statement.select->into.isEmpty()) {
        return false;
    }
    for (const TsqlSelectItem& item : statement.select->items) {
        if (!item.assignTo.isEmpty()) {
            return false;
        }
    }
    return true;
}

} // namespace

TsqlRunner::TsqlRunner(SqliteSession& session, TsqlCompiler& compiler, ProcedureCatalog& procedures)
    : s_(session), compiler_(compiler), procedures_(procedures), schema_(session, procedures) {}

TsqlRunner::Outcome TsqlRunner::run(const TsqlScript& script, const QVariantList& params, bool wantRows) {
    Outcome outcome;
    for (std::size_t b = 0; b < script.batches.size(); ++b) {
        const TsqlBatch& batch = script.batches[b];
        Frame frame;
        frame.params = &params;
        frame.wantRows = wantRows;
        for (std::size_t i = 0; i < batch.size() && !frame.returned; ++i) {
            const bool last = b + 1 == script.batches.size() && i + 1 == batch.size();
            runStatement(*batch[i], frame, last && wantRows);
        }
        outcome.changes += frame.changes;
        if (frame.rows) {
            outcome.rows = std::move(frame.rows);
        }
    }
    return outcome;
}

void TsqlRunner::runBody(const std::vector<TsqlStatementPtr>& body, Frame& frame) {
    for (const TsqlStatementPtr& statement : body) {
        if (frame.returned) {
            return;
        }
        runStatement(*statement, frame, false);
    }
}

void TsqlRunner::runStatement(const TsqlStatement& statement, Frame& frame, bool live) {
    if (!statement.databases.isEmpty()) {
        s_.attach(statement.databases);
    }
    switch (statement.kind) {
    case Kind::Select:
        if (!statement.select->into.isEmpty()) {
            selectInto(statement, frame);
        } else if (!isPlainSelect(statement)) {
            assign(statement, frame);
        } else {
            select(statement, frame, live);
        }
        return;
    case Kind::Insert:
    case Kind::Update:
    case Kind::Delete:
    case Kind::Truncate:
        frame.changes += change(statement.sqlite, frame);
        return;
    case Kind::CreateTable:
        schema_.createTable(statement);
        return;
    case Kind::CreateIndex:
        schema_.createIndex(statement);
        return;
    case Kind::DropTable:
        schema_.dropTable(statement);
        return;
    case Kind::DropIndex:
        schema_.dropIndex(statement);
        return;
    case Kind::AlterColumn:
        schema_.alterColumn(statement);
        return;
    case Kind::AddConstraint:
        schema_.addConstraint(statement);
        return;
    case Kind::AddColumns:
        schema_.addColumns(statement);
        return;
    case Kind::DropConstraint:
        schema_.dropConstraint(statement);
        return;
    case Kind::CreateProcedure:
        schema_.createProcedure(statement);
        return;
    case Kind::DropProcedure:
        schema_.dropProcedure(statement);
        return;
    case Kind::Call:
        call(statement, frame);
        return;
    case Kind::ExecString:
        execString(statement, frame);
        return;
    case Kind::If:
        if (evaluate(statement.sqlite, frame).toInteger() != 0) {
            runStatement(*statement.body[0], frame, false);
        } else if (statement.body.size() > 1) {
            runStatement(*statement.body[1], frame, false);
        }
        return;
    case Kind::While:
        while (!frame.returned && evaluate(statement.sqlite, frame).toInteger() != 0) {
            runStatement(*statement.body[0], frame, false);
        }
        return;
    case Kind::Block:
        runBody(statement.body, frame);
        return;
    case Kind::Declare:
        declare(statement, frame);
        return;
    case Kind::SetVariable:
        setVariable(statement.name, evaluate(statement.sqlite, frame), frame);
        return;
    case Kind::Return:
        frame.returned = true;
        return;
    case Kind::Transaction:
        s_.exec(statement.text);
        return;
    case Kind::Nothing:
        return;
    }
}

void TsqlRunner::bind(sqlite3_stmt* stmt, const Frame& frame) {
    const int count = sqlite3_bind_parameter_count(stmt);
    for (int i = 1; i <= count; ++i) {
        const char* name = sqlite3_bind_parameter_name(stmt, i);
        if (!name) {
            continue;
        }
        if (name[0] == '?') {
            const int ordinal = QByteArray(name + 1).toInt();
            if (!frame.params || ordinal > frame.params->size()) {
                throw EDatabaseError(QStringLiteral("No value given for one or more required parameters."));
            }
            bindVariant(stmt, i, frame.params->at(ordinal - 1));
            continue;
        }
        const QString variable = QString::fromUtf8(name);
        const auto found = frame.variables.constFind(variable.toLower());
        if (found == frame.variables.constEnd()) {
            throw EDatabaseError(QStringLiteral("Must declare the scalar variable \"%1\".").arg(variable));
        }
        bindVariant(stmt, i, found->value.toVariant());
    }
}

qint64 TsqlRunner::change(const QString& sql, const Frame& frame) {
    BorrowedStatement stmt(s_, sql);
    bind(stmt, frame);
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) {
        s_.fail();
    }
    return sqlite3_changes64(s_.db());
}

TsqlValue TsqlRunner::evaluate(const QString& sql, const Frame& frame) {
    BorrowedStatement stmt(s_, sql);
    bind(stmt, frame);
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        s_.fail();
    }
    return rc == SQLITE_ROW ? TsqlValue::fromSqlite(sqlite3_column_value(stmt, 0)) : TsqlValue();
}

void TsqlRunner::select(const TsqlStatement& statement, Frame& frame, bool live) {
    BorrowedStatement stmt(s_, statement.sqlite);
    bind(stmt, frame);
    int rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        s_.fail();
    }
    if (!frame.wantRows) {
        while (rc == SQLITE_ROW) {
            rc = sqlite3_step(stmt);
        }
        if (rc != SQLITE_DONE) {
            s_.fail();
        }
        return;
    }
    QList<ColumnInfo> columns = s_.describer().describe(stmt, rc == SQLITE_ROW);
    if (live) {
        // The caller reads the rows at its own pace; the statement is the cursor's from now on.
        frame.rows = std::make_unique<SqliteCursor>(s_.connection(), stmt.release(), std::move(columns),
                                                    rc == SQLITE_ROW);
        return;
    }
    try {
        frame.rows = std::make_unique<MemoryCursor>(std::move(columns), stmt, rc == SQLITE_ROW);
    } catch (const EDatabaseError&) {
        s_.fail();
    }
}

void TsqlRunner::assign(const TsqlStatement& statement, Frame& frame) {
    const auto& items = statement.select->items;
    for (const TsqlSelectItem& item : items) {
        if (item.assignTo.isEmpty()) {
            throw EDatabaseError(
                QStringLiteral("A SELECT statement that assigns a value to a variable must not be "
                               "combined with data-retrieval operations."));
        }
    }
    BorrowedStatement stmt(s_, statement.sqlite);
    bind(stmt, frame);
    int rc;
    // As in SQL Server, every row assigns in turn, so the last row's values remain.
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        for (int i = 0; i < int(items.size()); ++i) {
            setVariable(items[std::size_t(i)].assignTo, TsqlValue::fromSqlite(sqlite3_column_value(stmt, i)),
                        frame);
        }
    }
    if (rc != SQLITE_DONE) {
        s_.fail();
    }
}

void TsqlRunner::selectInto(const TsqlStatement& statement, Frame& frame) {
    const TsqlSelect& query = *statement.select;
    const TsqlName& target = query.into;
    if (!target.database.isEmpty() && target.database.compare(u"tempdb", Qt::CaseInsensitive) != 0) {
        throw EDatabaseError(QStringLiteral("Select … Into can only create tables of the company database."));
    }
    if (!schema_.declaredTable(target.name).isEmpty()) {
        throw EDatabaseError(
            QStringLiteral("There is already an object named '%1' in the database.").arg(target.name));
    }
    QString identityName;
    bool itemsMatchColumns = true;
    for (const TsqlSelectItem& item : query.items) {
        const TsqlExpr::Kind kind = item.expr->kind;
        if (kind == TsqlExpr::Kind::Identity) {
            identityName = item.alias;
        }
        if (item.alias.isEmpty() && kind != TsqlExpr::Kind::Star && kind != TsqlExpr::Kind::Column) {
            throw EDatabaseError(
                QStringLiteral("An object or column name is missing or empty. For SELECT INTO "
                               "statements, verify each column has a name."));
        }
        itemsMatchColumns = itemsMatchColumns && kind != TsqlExpr::Kind::Star;
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
        if (!type.isEmpty()) {
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
                .arg(TsqlSchemaWriter::isTemporary(target.name) ? QStringLiteral("TEMP ") : QString(),
                     TsqlPrinter::quoteName(target.name), definitions.join(QStringLiteral(", "))));
    frame.changes +=
        change(QStringLiteral("INSERT INTO %1 %2").arg(TsqlPrinter::quoteName(target.name), statement.sqlite),
               frame);
    savepoint.release();
}

TsqlValue TsqlRunner::argument(const TsqlExpr* expr, const Frame& frame) {
    switch (expr->kind) {
    case TsqlExpr::Kind::String:
        return TsqlValue::text(expr->text);
    case TsqlExpr::Kind::Number: {
        bool integral = false;
        const qint64 integer = expr->text.toLongLong(&integral);
        return integral ? TsqlValue::integer(integer) : TsqlValue::real(expr->text.toDouble());
    }
    case TsqlExpr::Kind::Variable: {
        const auto found = frame.variables.constFind(expr->text.toLower());
        if (found == frame.variables.constEnd()) {
            throw EDatabaseError(QStringLiteral("Must declare the scalar variable \"%1\".").arg(expr->text));
        }
        return found->value;
    }
    case TsqlExpr::Kind::Placeholder:
        if (!frame.params || expr->ordinal > frame.params->size()) {
            throw EDatabaseError(QStringLiteral("No value given for one or more required parameters."));
        }
        return TsqlValue::fromVariant(frame.params->at(expr->ordinal - 1));
    default:
        return {};
    }
}

void TsqlRunner::call(const TsqlStatement& statement, Frame& frame) {
    if (frame.depth >= nestingLimit) {
        throw EDatabaseError(
            QStringLiteral("Maximum stored procedure, function, trigger, or view nesting level "
                           "exceeded (limit 32)."));
    }
    const std::optional<QString> definition = procedures_.definition(statement.name);
    if (!definition) {
        throw EDatabaseError(QStringLiteral("Could not find stored procedure '%1'.").arg(statement.name));
    }
    const std::shared_ptr<const TsqlScript> script = compiler_.compile(*definition);
    const TsqlStatement& procedure = *script->batches.front().front();
    const auto& parameters = procedure.parameters;

    Frame inner;
    inner.depth = frame.depth + 1;
    inner.wantRows = frame.wantRows;
    std::vector<const TsqlExpr*> given(parameters.size(), nullptr);
    std::vector<bool> supplied(parameters.size(), false);
    for (int i = 0; i < int(statement.arguments.size()); ++i) {
        const QString& name = statement.argumentNames[i];
        std::size_t index = std::size_t(i);
        if (!name.isEmpty()) {
            index = parameters.size();
            for (std::size_t p = 0; p < parameters.size(); ++p) {
                if (parameters[p].name.compare(name, Qt::CaseInsensitive) == 0) {
                    index = p;
                }
            }
            if (index == parameters.size()) {
                throw EDatabaseError(
                    QStringLiteral("%1 is not a parameter for procedure %2.").arg(name, statement.name));
            }
        } else if (index >= parameters.size()) {
            throw EDatabaseError(QStringLiteral("Procedure or function %1 has too many arguments specified.")
                                     .arg(statement.name));
        }
        given[index] = statement.arguments[std::size_t(i)].get();
        supplied[index] = given[index] != nullptr;
    }
    for (std::size_t p = 0; p < parameters.size(); ++p) {
        const TsqlColumnDef& parameter = parameters[p];
        TsqlValue value;
        if (supplied[p]) {
            value = argument(given[p], frame);
        } else if (parameter.defaultValue) {
            value = argument(parameter.defaultValue.get(), frame);
        } else {
            throw EDatabaseError(
                QStringLiteral("Procedure or function '%1' expects parameter '%2', which was not "
                               "supplied.")
                    .arg(statement.name, parameter.name));
        }
        inner.variables.insert(parameter.name.toLower(),
                               {parameter.type, value.cast(DeclaredType(parameter.type))});
    }
    runBody(procedure.body, inner);
    frame.changes += inner.changes;
    if (inner.rows) {
        frame.rows = std::move(inner.rows);
    }
}

void TsqlRunner::execString(const TsqlStatement& statement, Frame& frame) {
    if (frame.depth >= nestingLimit) {
        throw EDatabaseError(
            QStringLiteral("Maximum stored procedure, function, trigger, or view nesting level "
                           "exceeded (limit 32)."));
    }
    const TsqlValue text = evaluate(statement.sqlite, frame);
    if (text.isNull()) {
        return;
    }
    const std::shared_ptr<const TsqlScript> script = compiler_.compile(text.toText());
    // The string runs in a scope of its own: it sees none of the caller's variables.
    for (const TsqlBatch& batch : script->batches) {
        Frame inner;
        inner.depth = frame.depth + 1;
        inner.wantRows = frame.wantRows;
        runBody(batch, inner);
        frame.changes += inner.changes;
        if (inner.rows) {
            frame.rows = std::move(inner.rows);
        }
    }
}

void TsqlRunner::declare(const TsqlStatement& statement, Frame& frame) {
    for (std::size_t i = 0; i < statement.parameters.size(); ++i) {
        const TsqlColumnDef& variable = statement.parameters[i];
        const QString key = variable.name.toLower();
        if (frame.variables.contains(key)) {
            throw EDatabaseError(
                QStringLiteral("The variable name '%1' has already been declared. Variable names "
                               "must be unique within a query batch or stored procedure.")
                    .arg(variable.name));
        }
        const QString& initialiser = statement.sqliteParts[qsizetype(i)];
        const TsqlValue value = initialiser.isEmpty() ? TsqlValue() : evaluate(initialiser, frame);
        frame.variables.insert(key, {variable.type, value.cast(DeclaredType(variable.type))});
    }
}

void TsqlRunner::setVariable(const QString& name, const TsqlValue& value, Frame& frame) {
    const auto found = frame.variables.find(name.toLower());
    if (found == frame.variables.end()) {
        throw EDatabaseError(QStringLiteral("Must declare the scalar variable \"%1\".").arg(name));
    }
    found->value = value.cast(DeclaredType(found->type));
}

} // namespace tarvand::sql
