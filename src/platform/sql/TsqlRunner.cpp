#include "TsqlRunner.h"

#include "DeclaredType.h"
#include "EDatabaseError.h"

namespace tarvand::sql {

namespace {

using Kind = TsqlStatement::Kind;

// SQL Server's limit on nested procedure calls and Exec(…).
constexpr int nestingLimit = 32;

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
        engine_.attach(statement.databases);
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
        frame.changes += engine_.change(statement.sqlite, values(frame));
        return;
    case Kind::CreateTable:
    case Kind::CreateIndex:
    case Kind::DropTable:
    case Kind::DropIndex:
    case Kind::AlterColumn:
    case Kind::AddConstraint:
    case Kind::AddColumns:
    case Kind::DropConstraint:
    case Kind::CreateProcedure:
    case Kind::DropProcedure:
    case Kind::Transaction:
        engine_.schema(statement);
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
    case Kind::Nothing:
        return;
    }
}

TsqlEngine::Values TsqlRunner::values(const Frame& frame) {
    return [&frame](const QString& name) -> QVariant {
        if (name.startsWith(u'?')) {
            const int ordinal = name.mid(1).toInt();
            if (!frame.params || ordinal > frame.params->size()) {
                throw EDatabaseError(QStringLiteral("No value given for one or more required parameters."));
            }
            return frame.params->at(ordinal - 1);
        }
        const auto found = frame.variables.constFind(name.toLower());
        if (found == frame.variables.constEnd()) {
            throw EDatabaseError(QStringLiteral("Must declare the scalar variable \"%1\".").arg(name));
        }
        return found->value.toVariant();
    };
}

TsqlValue TsqlRunner::evaluate(const QString& sql, const Frame& frame) {
    TsqlValue value;
    bool first = true;
    engine_.each(sql, values(frame), [&](const std::vector<TsqlValue>& row) {
        if (first && !row.empty()) {
            value = row.front();
        }
        first = false;
    });
    return value;
}

void TsqlRunner::select(const TsqlStatement& statement, Frame& frame, bool live) {
    if (!frame.wantRows) {
        engine_.each(statement.sqlite, values(frame), [](const std::vector<TsqlValue>&) {});
        return;
    }
    frame.rows = engine_.rows(statement.sqlite, values(frame), live);
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
    // As in SQL Server, every row assigns in turn, so the last row's values remain.
    engine_.each(statement.sqlite, values(frame), [&](const std::vector<TsqlValue>& row) {
        for (std::size_t i = 0; i < items.size() && i < row.size(); ++i) {
            setVariable(items[i].assignTo, row[i], frame);
        }
    });
}

void TsqlRunner::selectInto(const TsqlStatement& statement, Frame& frame) {
    const TsqlSelect& query = *statement.select;
    const TsqlName& target = query.into;
    if (!target.database.isEmpty() && target.database.compare(u"tempdb", Qt::CaseInsensitive) != 0) {
        throw EDatabaseError(QStringLiteral("Select … Into can only create tables of the company database."));
    }
    for (const TsqlSelectItem& item : query.items) {
        const TsqlExpr::Kind kind = item.expr->kind;
        if (item.alias.isEmpty() && kind != TsqlExpr::Kind::Star && kind != TsqlExpr::Kind::Column) {
            throw EDatabaseError(
                QStringLiteral("An object or column name is missing or empty. For SELECT INTO "
                               "statements, verify each column has a name."));
        }
    }
    frame.changes += engine_.selectInto(statement, values(frame));
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
    const std::optional<QString> definition = engine_.procedure(statement.name);
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
