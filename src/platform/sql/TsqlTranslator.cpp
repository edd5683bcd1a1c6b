#include "TsqlTranslator.h"

#include "TsqlCompiler.h"
#include "TsqlSchemaWriter.h"

namespace tarvand::sql {

namespace {

using Kind = TsqlStatement::Kind;

QStringList indented(const QStringList& lines) {
    QStringList result;
    for (const QString& line : lines) {
        result.append(QStringLiteral("    ") + line);
    }
    return result;
}

QString argumentText(const TsqlExpr* expr) {
    if (!expr) {
        return QStringLiteral("DEFAULT");
    }
    switch (expr->kind) {
    case TsqlExpr::Kind::String:
        return TsqlPrinter::quoteString(expr->text);
    case TsqlExpr::Kind::Placeholder:
        return u'?' + QString::number(expr->ordinal);
    case TsqlExpr::Kind::Null:
        return QStringLiteral("NULL");
    default:
        return expr->text;
    }
}

} // namespace

QString TsqlTranslator::translate(const QString& tsql) {
    const std::shared_ptr<TsqlScript> script = TsqlCompiler::compileUncached(tsql);
    QStringList paragraphs;
    for (const TsqlBatch& batch : script->batches) {
        for (const TsqlStatementPtr& each : batch) {
            paragraphs.append(statement(*each).join(u'\n'));
        }
    }
    return paragraphs.join(QStringLiteral("\n\n"));
}

QStringList TsqlTranslator::statement(const TsqlStatement& s) {
    TsqlPrinter printer;
    QStringList lines;
    for (const QString& database : s.databases) {
        lines.append(QStringLiteral("ATTACH DATABASE '%1.<suffix of the company file>' AS %2;")
                         .arg(database, TsqlPrinter::quoteName(database)));
    }
    switch (s.kind) {
    case Kind::Select:
        if (!s.select->into.isEmpty()) {
            const QString& table = s.select->into.name;
            lines.append(
                QStringLiteral("CREATE %1TABLE %2 (/* the columns of the query below, with their declared "
                               "types; an Identity() column becomes INTEGER PRIMARY KEY */);")
                    .arg(TsqlSchemaWriter::isTemporary(table) ? QStringLiteral("TEMP ") : QString(),
                         TsqlPrinter::quoteName(table)));
            lines.append(QStringLiteral("INSERT INTO %1 %2;").arg(TsqlPrinter::quoteName(table), s.sqlite));
        } else {
            lines.append(s.sqlite + u';');
        }
        break;
    case Kind::Insert:
    case Kind::Update:
    case Kind::Delete:
    case Kind::Truncate:
        lines.append(s.sqlite + u';');
        break;
    case Kind::CreateTable: {
        const TsqlSchemaWriter::Table table = TsqlSchemaWriter::createTable(s, printer);
        for (const QString& sql : table.statements) {
            lines.append(sql + u';');
        }
        for (const auto& constraint : table.constraints) {
            lines.append(
                QStringLiteral("/* %1 registered as the %2 of %3 */")
                    .arg(constraint.name,
                         constraint.primaryKey ? QStringLiteral("primary key") : QStringLiteral("unique key"),
                         constraint.table));
        }
        break;
    }
    case Kind::CreateIndex:
        lines.append(TsqlSchemaWriter::index(s.name, s.table.name, s.columns, s.unique) + u';');
        if (s.unique && s.ignoreDupKey) {
            lines.append(TsqlSchemaWriter::ignoreDuplicatesTrigger(s.name, s.table.name, s.columns) + u';');
        }
        break;
    case Kind::AddConstraint: {
        const TsqlKeyDef& key = s.keys.front();
        const QString name = TsqlSchemaWriter::constraintName(key, s.table.name);
        lines.append(QStringLiteral("/* refused when a key column allows NULL */"));
        lines.append(TsqlSchemaWriter::uniqueIndex(name, s.table.name, key.columns) + u';');
        lines.append(QStringLiteral("/* %1 registered as the %2 of %3 */")
                         .arg(name,
                              key.primaryKey ? QStringLiteral("primary key") : QStringLiteral("unique key"),
                              s.table.name));
        break;
    }
    case Kind::AddColumns:
        for (const TsqlColumnDef& column : s.columnDefs) {
            lines.append(
                QStringLiteral("ALTER TABLE %1 ADD COLUMN %2;")
                    .arg(TsqlPrinter::quoteName(s.table.name), TsqlSchemaWriter::column(column, printer)));
        }
        break;
    case Kind::AlterColumn: {
        const TsqlColumnDef& column = s.columnDefs.front();
        lines.append(
            QStringLiteral("/* %1 rebuilt with column %2 %3%4, keeping its rows, indexes, triggers and "
                           "constraints; refused when stored values do not fit */")
                .arg(s.table.name, column.name, column.type,
                     column.notNull ? QStringLiteral(" NOT NULL") : QString()));
        break;
    }
    case Kind::DropTable:
        for (const TsqlName& table : s.tables) {
            lines.append(
                QStringLiteral("DROP TABLE %1%2;")
                    .arg(s.ifExists ? QStringLiteral("IF EXISTS ") : QString(), printer.tableName(table)));
        }
        break;
    case Kind::DropIndex:
        lines.append(QStringLiteral("DROP INDEX %1;").arg(TsqlPrinter::quoteName(s.name)));
        break;
    case Kind::DropConstraint:
        lines.append(QStringLiteral("DROP INDEX %1; /* and out of the constraint catalog */")
                         .arg(TsqlPrinter::quoteName(s.name)));
        break;
    case Kind::CreateProcedure: {
        lines.append(
            QStringLiteral("/* procedure %1 stored in main.tsql_procedure; its body: */").arg(s.name));
        for (const TsqlStatementPtr& inner : s.body) {
            lines.append(indented(statement(*inner)));
        }
        break;
    }
    case Kind::DropProcedure:
        lines.append(
            QStringLiteral("/* procedures %1 removed from main.tsql_procedure */").arg(s.names.join(", ")));
        break;
    case Kind::Call: {
        QStringList arguments;
        for (int i = 0; i < int(s.arguments.size()); ++i) {
            const QString& name = s.argumentNames[i];
            arguments.append((name.isEmpty() ? QString() : name + QStringLiteral(" = ")) +
                             argumentText(s.arguments[std::size_t(i)].get()));
        }
        lines.append(
            QStringLiteral("/* call of stored procedure %1 (%2): its body runs with the arguments bound to "
                           "its parameters */")
                .arg(s.name, arguments.join(QStringLiteral(", "))));
        break;
    }
    case Kind::ExecString:
        lines.append(QStringLiteral("/* the text computed by the statement below runs as T-SQL */"));
        lines.append(s.sqlite + u';');
        break;
    case Kind::If:
        lines.append(QStringLiteral("/* if */ ") + s.sqlite + u';');
        lines.append(indented(statement(*s.body[0])));
        if (s.body.size() > 1) {
            lines.append(QStringLiteral("/* else */"));
            lines.append(indented(statement(*s.body[1])));
        }
        break;
    case Kind::While:
        lines.append(QStringLiteral("/* while */ ") + s.sqlite + u';');
        lines.append(indented(statement(*s.body[0])));
        break;
    case Kind::Block:
        for (const TsqlStatementPtr& inner : s.body) {
            lines.append(statement(*inner));
        }
        break;
    case Kind::Declare:
        for (std::size_t i = 0; i < s.parameters.size(); ++i) {
            const QString& initial = s.sqliteParts[qsizetype(i)];
            lines.append(QStringLiteral("/* declare %1 %2 */%3")
                             .arg(s.parameters[i].name, s.parameters[i].type,
                                  initial.isEmpty() ? QString() : u' ' + initial + u';'));
        }
        break;
    case Kind::SetVariable:
        lines.append(QStringLiteral("/* set %1 */ %2;").arg(s.name, s.sqlite));
        break;
    case Kind::Return:
        lines.append(QStringLiteral("/* return */"));
        break;
    case Kind::Transaction:
        lines.append(s.text + u';');
        break;
    case Kind::Nothing:
        lines.append(QStringLiteral("/* session option or message: no effect */"));
        break;
    }
    return lines;
}

} // namespace tarvand::sql
