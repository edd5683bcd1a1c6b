#include "TsqlDdlParser.h"

namespace tarvand::sql {

namespace {

using Kind = TsqlStatement::Kind;

TsqlStatementPtr make(Kind kind) {
    return std::make_unique<TsqlStatement>(kind);
}

} // namespace

TsqlStatementPtr TsqlDdlParser::create(qsizetype startOffset) {
    t_.expectWord(u"CREATE");
    if (t_.acceptWord(u"TABLE")) {
        return createTable();
    }
    if (t_.peek().isWord(u"PROC") || t_.peek().isWord(u"PROCEDURE")) {
        t_.take();
        return createProcedure(startOffset);
    }
    const bool unique = t_.acceptWord(u"UNIQUE");
    if (!t_.acceptWord(u"CLUSTERED")) {
        t_.acceptWord(u"NONCLUSTERED");
    }
    if (t_.acceptWord(u"INDEX")) {
        return createIndex(unique);
    }
    t_.fail();
}

TsqlStatementPtr TsqlDdlParser::createTable() {
    auto statement = make(Kind::CreateTable);
    statement->table = e_.objectName();
    t_.expectSymbol(u"(");
    do {
        if (t_.peek().isWord(u"CONSTRAINT") || t_.peek().isWord(u"PRIMARY") || t_.peek().isWord(u"UNIQUE")) {
            QString name;
            if (t_.acceptWord(u"CONSTRAINT")) {
                name = t_.takeName();
            }
            statement->keys.push_back(keyDefinition(name));
        } else {
            TsqlColumnDef column = columnDefinition();
            for (TsqlKeyDef& key : column.inlineKeys) {
                statement->keys.push_back(std::move(key));
            }
            column.inlineKeys.clear();
            statement->columnDefs.push_back(std::move(column));
        }
    } while (t_.acceptSymbol(u","));
    t_.expectSymbol(u")");
    if (t_.acceptWord(u"ON")) {
        t_.takeName();
    }
    return statement;
}

TsqlColumnDef TsqlDdlParser::columnDefinition() {
    TsqlColumnDef column;
    column.name = t_.takeName();
    column.type = e_.dataType();
    while (true) {
        if (t_.peek().isWord(u"IDENTITY")) {
            t_.take();
            column.identity = true;
            if (t_.acceptSymbol(u"(")) {
                column.identitySeed = t_.take().text.toLongLong();
                t_.expectSymbol(u",");
                if (t_.take().text != u"1") {
                    t_.fail(
                        QStringLiteral("Identity increments other than 1 are not supported by the embedded "
                                       "database."));
                }
                t_.expectSymbol(u")");
            }
        } else if (t_.acceptWord(u"NULL")) {
            column.notNull = false;
            column.nullWritten = true;
        } else if (t_.peek().isWord(u"NOT") && t_.peek(1).isWord(u"NULL")) {
            t_.take();
            t_.take();
            column.notNull = true;
        } else if (t_.acceptWord(u"DEFAULT")) {
            column.defaultValue = e_.expression();
        } else if (t_.acceptWord(u"COLLATE")) {
            column.collation = t_.takeName();
        } else if (t_.peek().isWord(u"CONSTRAINT") || t_.peek().isWord(u"PRIMARY") ||
                   t_.peek().isWord(u"UNIQUE")) {
            QString name;
            if (t_.acceptWord(u"CONSTRAINT")) {
                name = t_.takeName();
                if (t_.acceptWord(u"DEFAULT")) {
                    column.defaultValue = e_.expression();
                    continue;
                }
            }
            TsqlKeyDef key;
            key.name = name;
            key.columns = QStringList{column.name};
            key.primaryKey = t_.acceptWord(u"PRIMARY");
            if (key.primaryKey) {
                t_.expectWord(u"KEY");
            } else {
                t_.expectWord(u"UNIQUE");
            }
            if (!t_.acceptWord(u"CLUSTERED")) {
                t_.acceptWord(u"NONCLUSTERED");
            }
            column.inlineKeys.push_back(std::move(key));
        } else if (t_.peek().isWord(u"CHECK") || t_.peek().isWord(u"REFERENCES") ||
                   t_.peek().isWord(u"FOREIGN")) {
            t_.fail(QStringLiteral(
                "Check and foreign-key constraints are not supported by the embedded database."));
        } else {
            return column;
        }
    }
}

TsqlKeyDef TsqlDdlParser::keyDefinition(const QString& name) {
    TsqlKeyDef key;
    key.name = name;
    if (t_.acceptWord(u"PRIMARY")) {
        t_.expectWord(u"KEY");
    } else if (t_.acceptWord(u"UNIQUE")) {
        key.primaryKey = false;
    } else {
        if (t_.peek().isWord(u"CHECK") || t_.peek().isWord(u"FOREIGN") || t_.peek().isWord(u"DEFAULT")) {
            t_.fail(
                QStringLiteral("Check, foreign-key and named default constraints are not supported by the "
                               "embedded database."));
        }
        t_.fail();
    }
    if (!t_.acceptWord(u"CLUSTERED")) {
        t_.acceptWord(u"NONCLUSTERED");
    }
    key.columns = e_.columnList();
    if (t_.peek().isWord(u"ON") && t_.peekName(1)) {
        t_.take();
        t_.take();
    }
    return key;
}

TsqlStatementPtr TsqlDdlParser::createIndex(bool unique) {
    auto statement = make(Kind::CreateIndex);
    statement->unique = unique;
    statement->name = t_.takeName();
    t_.expectWord(u"ON");
    statement->table = e_.objectName();
    statement->columns = e_.columnList();
    if (t_.acceptWord(u"WITH")) {
        const bool parenthesised = t_.acceptSymbol(u"(");
        do {
            const QString option = t_.take().text;
            bool on = true;
            if (t_.acceptSymbol(u"=")) {
                on = !t_.take().isWord(u"OFF");
            }
            if (option.compare(u"IGNORE_DUP_KEY", Qt::CaseInsensitive) == 0) {
                statement->ignoreDupKey = on;
            }
        } while (t_.acceptSymbol(u","));
        if (parenthesised) {
            t_.expectSymbol(u")");
        }
    }
    return statement;
}

std::vector<TsqlColumnDef> TsqlDdlParser::parameterList() {
    std::vector<TsqlColumnDef> parameters;
    const bool parenthesised = t_.acceptSymbol(u"(");
    while (t_.peek().kind == TsqlTokenKind::Variable) {
        TsqlColumnDef parameter;
        parameter.name = t_.take().text;
        t_.acceptWord(u"AS");
        parameter.type = e_.dataType();
        if (t_.acceptSymbol(u"=")) {
            parameter.defaultValue = e_.expression();
        }
        if (t_.peek().isWord(u"OUTPUT") || t_.peek().isWord(u"OUT")) {
            t_.fail(QStringLiteral("Output parameters are not supported by the embedded database."));
        }
        parameters.push_back(std::move(parameter));
        if (!t_.acceptSymbol(u",")) {
            break;
        }
    }
    if (parenthesised) {
        t_.expectSymbol(u")");
    }
    return parameters;
}

TsqlStatementPtr TsqlDdlParser::createProcedure(qsizetype startOffset) {
    auto statement = make(Kind::CreateProcedure);
    statement->name = e_.objectName().name;
    statement->parameters = parameterList();
    if (t_.acceptWord(u"WITH")) {
        do {
            t_.takeName();
        } while (t_.acceptSymbol(u","));
    }
    t_.expectWord(u"AS");
    while (true) {
        while (t_.acceptSymbol(u";")) {
        }
        if (t_.atBatchEnd()) {
            break;
        }
        statement->body.push_back(statement_());
    }
    const qsizetype end = t_.peek().offset;
    statement->text = t_.source().mid(startOffset, end - startOffset).trimmed();
    return statement;
}

TsqlStatementPtr TsqlDdlParser::drop() {
    t_.expectWord(u"DROP");
    if (t_.acceptWord(u"TABLE")) {
        auto statement = make(Kind::DropTable);
        if (t_.peek().isWord(u"IF") && t_.peek(1).isWord(u"EXISTS")) {
            t_.take();
            t_.take();
            statement->ifExists = true;
        }
        do {
            statement->tables.push_back(e_.objectName());
        } while (t_.acceptSymbol(u","));
        return statement;
    }
    if (t_.acceptWord(u"INDEX")) {
        auto statement = make(Kind::DropIndex);
        const QString first = t_.takeName();
        if (t_.acceptSymbol(u".")) {
            statement->table.name = first;
            statement->name = t_.takeName();
        } else {
            statement->name = first;
            t_.expectWord(u"ON");
            statement->table = e_.objectName();
        }
        return statement;
    }
    if (t_.acceptWord(u"PROC") || t_.acceptWord(u"PROCEDURE")) {
        auto statement = make(Kind::DropProcedure);
        do {
            statement->names.append(e_.objectName().name);
        } while (t_.acceptSymbol(u","));
        return statement;
    }
    t_.fail();
}

TsqlStatementPtr TsqlDdlParser::alter() {
    const qsizetype startOffset = t_.peek().offset;
    t_.expectWord(u"ALTER");
    if (t_.peek().isWord(u"PROC") || t_.peek().isWord(u"PROCEDURE")) {
        t_.take();
        TsqlStatementPtr statement = createProcedure(startOffset);
        statement->replace = true;
        return statement;
    }
    t_.expectWord(u"TABLE");
    const TsqlName table = e_.objectName();
    if (t_.acceptWord(u"ALTER")) {
        t_.expectWord(u"COLUMN");
        auto statement = make(Kind::AlterColumn);
        statement->table = table;
        TsqlColumnDef column;
        column.name = t_.takeName();
        column.type = e_.dataType();
        if (t_.acceptWord(u"COLLATE")) {
            column.collation = t_.takeName();
        }
        if (t_.peek().isWord(u"NOT") && t_.peek(1).isWord(u"NULL")) {
            t_.take();
            t_.take();
            column.notNull = true;
        } else {
            t_.acceptWord(u"NULL");
        }
        statement->columnDefs.push_back(std::move(column));
        return statement;
    }
    if (t_.acceptWord(u"WITH")) {
        if (!t_.acceptWord(u"NOCHECK")) {
            t_.expectWord(u"CHECK");
        }
    }
    if (t_.acceptWord(u"ADD")) {
        if (t_.peek().isWord(u"CONSTRAINT") || t_.peek().isWord(u"PRIMARY") || t_.peek().isWord(u"UNIQUE")) {
            auto statement = make(Kind::AddConstraint);
            statement->table = table;
            QString name;
            if (t_.acceptWord(u"CONSTRAINT")) {
                name = t_.takeName();
            }
            statement->keys.push_back(keyDefinition(name));
            return statement;
        }
        auto statement = make(Kind::AddColumns);
        statement->table = table;
        do {
            TsqlColumnDef column = columnDefinition();
            for (TsqlKeyDef& key : column.inlineKeys) {
                statement->keys.push_back(std::move(key));
            }
            column.inlineKeys.clear();
            statement->columnDefs.push_back(std::move(column));
        } while (t_.acceptSymbol(u","));
        return statement;
    }
    if (t_.acceptWord(u"DROP")) {
        t_.expectWord(u"CONSTRAINT");
        auto statement = make(Kind::DropConstraint);
        statement->table = table;
        statement->name = t_.takeName();
        return statement;
    }
    t_.fail();
}

} // namespace tarvand::sql
