#include "TsqlParser.h"

#include "TsqlLexer.h"

namespace tarvand::sql {

namespace {

using Kind = TsqlStatement::Kind;

TsqlStatementPtr make(Kind kind) {
    return std::make_unique<TsqlStatement>(kind);
}

} // namespace

std::vector<TsqlBatch> TsqlParser::parse(const QString& script) {
    TsqlTokenStream tokens(TsqlLexer::tokenize(script), script);
    TsqlParser parser(tokens);
    std::vector<TsqlBatch> batches;
    while (true) {
        TsqlBatch statements = parser.batch();
        if (!statements.empty()) {
            batches.push_back(std::move(statements));
        }
        if (tokens.peek().kind == TsqlTokenKind::End) {
            return batches;
        }
        tokens.take();
    }
}

TsqlBatch TsqlParser::batch() {
    TsqlBatch statements;
    while (true) {
        while (t_.acceptSymbol(u";")) {
        }
        if (t_.atBatchEnd()) {
            return statements;
        }
        statements.push_back(statement(statements.empty()));
    }
}

TsqlStatementPtr TsqlParser::statement(bool firstInBatch) {
    const TsqlTokenStream::Nesting nesting(t_);
    t_.startStatement();
    const TsqlToken& token = t_.peek();
    if (token.isWord(u"SELECT")) {
        auto statement = make(Kind::Select);
        statement->select = e_.select();
        return statement;
    }
    if (token.isWord(u"INSERT")) {
        return insert();
    }
    if (token.isWord(u"UPDATE")) {
        return update();
    }
    if (token.isWord(u"DELETE")) {
        return remove();
    }
    if (token.isWord(u"CREATE")) {
        return ddl_.create(token.offset);
    }
    if (token.isWord(u"DROP")) {
        return ddl_.drop();
    }
    if (token.isWord(u"ALTER")) {
        return ddl_.alter();
    }
    if (token.isWord(u"EXEC") || token.isWord(u"EXECUTE")) {
        return execute();
    }
    if (token.isWord(u"IF")) {
        return conditional();
    }
    if (token.isWord(u"WHILE")) {
        return loop();
    }
    if (token.isWord(u"BEGIN")) {
        if (t_.peek(1).isWord(u"TRAN") || t_.peek(1).isWord(u"TRANSACTION")) {
            return transaction();
        }
        return block();
    }
    if (token.isWord(u"COMMIT") || token.isWord(u"ROLLBACK")) {
        return transaction();
    }
    if (token.isWord(u"DECLARE")) {
        return declare();
    }
    if (token.isWord(u"SET")) {
        return set();
    }
    if (token.isWord(u"RETURN")) {
        t_.take();
        auto statement = make(Kind::Return);
        const TsqlToken& next = t_.peek();
        if (next.kind == TsqlTokenKind::Number || next.kind == TsqlTokenKind::Variable ||
            next.isSymbol(u"(") || next.isSymbol(u"-")) {
            statement->expr = e_.expression();
        }
        return statement;
    }
    if (token.isWord(u"PRINT")) {
        t_.take();
        e_.expression();
        return make(Kind::Nothing);
    }
    if (token.isWord(u"TRUNCATE")) {
        t_.take();
        t_.expectWord(u"TABLE");
        auto statement = make(Kind::Truncate);
        statement->table = e_.objectName();
        return statement;
    }
    if (firstInBatch && t_.peekName()) {
        return call();
    }
    t_.fail();
}

TsqlStatementPtr TsqlParser::insert() {
    t_.expectWord(u"INSERT");
    t_.acceptWord(u"INTO");
    auto statement = make(Kind::Insert);
    statement->table = e_.objectName();
    if (t_.peek().isSymbol(u"(") && !t_.peek(1).isWord(u"SELECT")) {
        statement->columns = e_.columnList();
    }
    if (t_.acceptWord(u"VALUES")) {
        do {
            t_.expectSymbol(u"(");
            std::vector<TsqlExprPtr> row;
            do {
                row.push_back(e_.expression());
            } while (t_.acceptSymbol(u","));
            t_.expectSymbol(u")");
            statement->rows.push_back(std::move(row));
        } while (t_.acceptSymbol(u","));
    } else if (t_.acceptWord(u"DEFAULT")) {
        t_.expectWord(u"VALUES");
    } else {
        const bool parenthesised = t_.acceptSymbol(u"(");
        statement->select = e_.select();
        if (parenthesised) {
            t_.expectSymbol(u")");
        }
        if (!statement->select->into.isEmpty()) {
            t_.fail(QStringLiteral("Insert … Select may not have an Into clause."));
        }
    }
    return statement;
}

TsqlStatementPtr TsqlParser::update() {
    t_.expectWord(u"UPDATE");
    auto statement = make(Kind::Update);
    statement->table = e_.objectName();
    t_.expectWord(u"SET");
    do {
        QString column = t_.takeName();
        while (t_.acceptSymbol(u".")) {
            column = t_.takeName();
        }
        t_.expectSymbol(u"=");
        statement->assignments.emplace_back(column, e_.expression());
    } while (t_.acceptSymbol(u","));
    if (t_.peek().isWord(u"FROM")) {
        t_.fail(QStringLiteral("Update … From is not supported by the embedded database; use a subquery."));
    }
    if (t_.acceptWord(u"WHERE")) {
        statement->where = e_.expression();
    }
    return statement;
}

TsqlStatementPtr TsqlParser::remove() {
    t_.expectWord(u"DELETE");
    t_.acceptWord(u"FROM");
    auto statement = make(Kind::Delete);
    statement->table = e_.objectName();
    if (t_.peek().isWord(u"FROM")) {
        t_.fail(QStringLiteral(
            "Delete … From … Join is not supported by the embedded database; use a subquery."));
    }
    if (t_.acceptWord(u"WHERE")) {
        statement->where = e_.expression();
    }
    return statement;
}

TsqlStatementPtr TsqlParser::execute() {
    t_.take();
    if (t_.peek().isSymbol(u"(")) {
        t_.take();
        auto statement = make(Kind::ExecString);
        statement->expr = e_.expression();
        t_.expectSymbol(u")");
        return statement;
    }
    if (t_.peek().kind == TsqlTokenKind::Variable && t_.peek(1).isSymbol(u"=")) {
        t_.fail(QStringLiteral("Procedure return values are not supported by the embedded database."));
    }
    return call();
}

TsqlStatementPtr TsqlParser::call() {
    auto statement = make(Kind::Call);
    statement->name = e_.objectName().name;
    const auto startsArgument = [this]() {
        const TsqlToken& token = t_.peek();
        return token.kind == TsqlTokenKind::String || token.kind == TsqlTokenKind::NString ||
               token.kind == TsqlTokenKind::Number || token.kind == TsqlTokenKind::Variable ||
               token.kind == TsqlTokenKind::Placeholder || token.isSymbol(u"-") || token.isWord(u"NULL") ||
               token.isWord(u"DEFAULT") || t_.peekName();
    };
    if (!startsArgument()) {
        return statement;
    }
    do {
        QString name;
        if (t_.peek().kind == TsqlTokenKind::Variable && t_.peek(1).isSymbol(u"=")) {
            name = t_.take().text;
            t_.take();
        }
        TsqlExprPtr value;
        if (t_.acceptWord(u"DEFAULT")) {
            value = nullptr;
        } else if (t_.peekName()) {
            // T-SQL takes a bare word argument as a character string.
            value = std::make_unique<TsqlExpr>(TsqlExpr::Kind::String);
            value->text = t_.take().text;
        } else {
            value = e_.expression();
            const TsqlExpr::Kind kind = value->kind;
            if (kind != TsqlExpr::Kind::String && kind != TsqlExpr::Kind::Number &&
                kind != TsqlExpr::Kind::Null && kind != TsqlExpr::Kind::Variable &&
                kind != TsqlExpr::Kind::Placeholder) {
                t_.fail(QStringLiteral("Procedure arguments must be constants or variables."));
            }
        }
        statement->argumentNames.append(name);
        statement->arguments.push_back(std::move(value));
    } while (t_.acceptSymbol(u","));
    return statement;
}

TsqlStatementPtr TsqlParser::conditional() {
    t_.expectWord(u"IF");
    auto statement = make(Kind::If);
    statement->expr = e_.expression();
    statement->body.push_back(this->statement(false));
    if (t_.peek().isSymbol(u";") && t_.peek(1).isWord(u"ELSE")) {
        t_.take();
    }
    if (t_.acceptWord(u"ELSE")) {
        statement->body.push_back(this->statement(false));
    }
    return statement;
}

TsqlStatementPtr TsqlParser::loop() {
    t_.expectWord(u"WHILE");
    auto statement = make(Kind::While);
    statement->expr = e_.expression();
    statement->body.push_back(this->statement(false));
    return statement;
}

TsqlStatementPtr TsqlParser::block() {
    t_.expectWord(u"BEGIN");
    auto statement = make(Kind::Block);
    while (true) {
        while (t_.acceptSymbol(u";")) {
        }
        if (t_.acceptWord(u"END")) {
            return statement;
        }
        if (t_.atBatchEnd()) {
            t_.fail();
        }
        statement->body.push_back(this->statement(false));
    }
}

TsqlStatementPtr TsqlParser::declare() {
    t_.expectWord(u"DECLARE");
    auto statement = make(Kind::Declare);
    do {
        if (t_.peek().kind != TsqlTokenKind::Variable) {
            t_.fail();
        }
        TsqlColumnDef variable;
        variable.name = t_.take().text;
        t_.acceptWord(u"AS");
        if (t_.peek().isWord(u"TABLE") || t_.peek().isWord(u"CURSOR")) {
            t_.fail(
                QStringLiteral("Table variables and cursors are not supported by the embedded database."));
        }
        variable.type = e_.dataType();
        if (t_.acceptSymbol(u"=")) {
            variable.defaultValue = e_.expression();
        }
        statement->parameters.push_back(std::move(variable));
    } while (t_.acceptSymbol(u","));
    return statement;
}

TsqlStatementPtr TsqlParser::set() {
    t_.expectWord(u"SET");
    if (t_.peek().kind == TsqlTokenKind::Variable) {
        auto statement = make(Kind::SetVariable);
        statement->name = t_.take().text;
        t_.expectSymbol(u"=");
        statement->expr = e_.expression();
        return statement;
    }
    // Session options (NoCount, Ansi_Nulls, DateFormat, Transaction Isolation Level …) change nothing here.
    if (!t_.peek().isName() && t_.peek().kind != TsqlTokenKind::Word) {
        t_.fail();
    }
    t_.take();
    while (t_.peek().kind == TsqlTokenKind::Word && !t_.peek().isWord(u"SELECT") &&
           !t_.peek().isWord(u"SET") && !t_.peek().isWord(u"INSERT") && !t_.peek().isWord(u"UPDATE") &&
           !t_.peek().isWord(u"DELETE") && !t_.peek().isWord(u"IF") && !t_.peek().isWord(u"EXEC") &&
           !t_.peek().isWord(u"DECLARE") && !t_.peek().isWord(u"END") && !t_.peek().isWord(u"RETURN") &&
           !t_.peek().isWord(u"BEGIN") && !t_.peek().isWord(u"CREATE") && !t_.peek().isWord(u"DROP") &&
           !t_.peek().isWord(u"ALTER")) {
        t_.take();
    }
    return make(Kind::Nothing);
}

TsqlStatementPtr TsqlParser::transaction() {
    auto statement = make(Kind::Transaction);
    statement->text = t_.take().text.toUpper();
    // Taken at once, the write lock makes a second writer wait instead of failing when it writes.
    if (statement->text == u"BEGIN") {
        statement->text = QStringLiteral("BEGIN IMMEDIATE");
    }
    if (!t_.acceptWord(u"TRAN")) {
        t_.acceptWord(u"TRANSACTION");
    }
    if (t_.peek().kind == TsqlTokenKind::Word && !TsqlTokenStream::isReserved(t_.peek().text) &&
        t_.peek(1).kind != TsqlTokenKind::Symbol) {
        t_.take();
    }
    return statement;
}

} // namespace tarvand::sql
