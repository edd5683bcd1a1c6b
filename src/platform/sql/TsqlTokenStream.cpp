#include "TsqlTokenStream.h"

#include "EDatabaseError.h"

#include <QSet>

namespace tarvand::sql {

TsqlTokenStream::TsqlTokenStream(QList<TsqlToken> tokens, const QString& source)
    : tokens_(std::move(tokens)), source_(source) {}

const TsqlToken& TsqlTokenStream::peek(int ahead) const {
    const qsizetype index = std::min(pos_ + ahead, tokens_.size() - 1);
    return tokens_[index];
}

TsqlToken TsqlTokenStream::take() {
    TsqlToken token = peek();
    if (pos_ < tokens_.size() - 1) {
        ++pos_;
    }
    return token;
}

bool TsqlTokenStream::atBatchEnd() const {
    const TsqlTokenKind kind = peek().kind;
    return kind == TsqlTokenKind::End || kind == TsqlTokenKind::BatchSeparator;
}

bool TsqlTokenStream::acceptWord(QStringView keyword) {
    if (peek().isWord(keyword)) {
        take();
        return true;
    }
    return false;
}

bool TsqlTokenStream::acceptSymbol(QStringView symbol) {
    if (peek().isSymbol(symbol)) {
        take();
        return true;
    }
    return false;
}

void TsqlTokenStream::expectWord(QStringView keyword) {
    if (!acceptWord(keyword)) {
        fail();
    }
}

void TsqlTokenStream::expectSymbol(QStringView symbol) {
    if (!acceptSymbol(symbol)) {
        fail();
    }
}

bool TsqlTokenStream::isReserved(const QString& word) {
    static const QSet<QString> reserved = {
        "ADD",     "ALL",     "ALTER",  "AND",       "AS",       "ASC",        "BEGIN",    "BETWEEN",
        "BY",      "CASE",    "CHECK",  "COLLATE",   "COMMIT",   "CONSTRAINT", "CREATE",   "CROSS",
        "DECLARE", "DEFAULT", "DELETE", "DESC",      "DISTINCT", "DROP",       "ELSE",     "END",
        "EXEC",    "EXECUTE", "EXISTS", "FROM",      "FULL",     "GO",         "GROUP",    "HAVING",
        "IF",      "IN",      "INDEX",  "INNER",     "INSERT",   "INTO",       "IS",       "JOIN",
        "LEFT",    "LIKE",    "NOT",    "NULL",      "ON",       "OR",         "ORDER",    "OUTER",
        "PRIMARY", "PRINT",   "PROC",   "PROCEDURE", "RETURN",   "RIGHT",      "ROLLBACK", "SELECT",
        "SET",     "TABLE",   "THEN",   "TOP",       "TRUNCATE", "UNION",      "UNIQUE",   "UPDATE",
        "VALUES",  "WHEN",    "WHERE",  "WHILE",     "WITH",
    };
    return reserved.contains(word.toUpper());
}

bool TsqlTokenStream::peekName(int ahead) const {
    const TsqlToken& token = peek(ahead);
    return token.kind == TsqlTokenKind::QuotedName ||
           (token.kind == TsqlTokenKind::Word && !isReserved(token.text));
}

QString TsqlTokenStream::takeName() {
    if (!peekName()) {
        fail();
    }
    return take().text;
}

TsqlTokenStream::Nesting::Nesting(TsqlTokenStream& tokens) : tokens_(tokens) {
    // SQL Server's own limit on nested expressions and blocks is of the same order.
    constexpr int limit = 200;
    if (++tokens_.depth_ > limit) {
        --tokens_.depth_;
        tokens_.fail(QStringLiteral("The statement is nested too deeply."));
    }
}

void TsqlTokenStream::countOperator() {
    constexpr int limit = 1000;
    if (++operators_ > limit) {
        fail(QStringLiteral("The statement is too complex: more than %1 operators.").arg(limit));
    }
}

void TsqlTokenStream::fail() const {
    const TsqlToken& token = peek();
    if (token.kind == TsqlTokenKind::End || token.kind == TsqlTokenKind::BatchSeparator) {
        fail(QStringLiteral("Incorrect syntax near the end of the statement."));
    }
    fail(QStringLiteral("Incorrect syntax near '%1'.").arg(source_.mid(token.offset, token.length)));
}

void TsqlTokenStream::fail(const QString& message) const {
    throw EDatabaseError(message);
}

} // namespace tarvand::sql
