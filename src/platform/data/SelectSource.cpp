#include "SelectSource.h"

#include <QList>
#include <QStringList>

namespace tarvand::data {

namespace {

struct Token {
    enum class Type { Word, QuotedName, Literal, Symbol, End };
    Type type;
    QString text;

    bool isWord(const char* word) const {
        return type == Type::Word && text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }
    bool isSymbol(char16_t symbol) const {
        return type == Type::Symbol && text.size() == 1 && text[0] == symbol;
    }
};

bool isWordChar(QChar ch) {
    return ch.isLetterOrNumber() || ch == u'_' || ch == u'#' || ch == u'@' || ch == u'$';
}

// Splits T-SQL text into the tokens that matter for finding the FROM table; comments vanish and
// literals stay whole, so that keywords inside them are not taken for clauses.
QList<Token> tokenize(const QString& text) {
    QList<Token> tokens;
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        const QChar ch = text.at(i);
        if (ch.isSpace()) {
            ++i;
        } else if (ch == u'-' && i + 1 < size && text.at(i + 1) == u'-') {
            while (i < size && text.at(i) != u'\n') {
                ++i;
            }
        } else if (ch == u'/' && i + 1 < size && text.at(i + 1) == u'*') {
            const qsizetype end = text.indexOf(QStringLiteral("*/"), i + 2);
            i = end < 0 ? size : end + 2;
        } else if (ch == u'[' || ch == u'"') {
            const QChar close = ch == u'[' ? QChar(u']') : QChar(u'"');
            qsizetype j = i + 1;
            while (j < size && !(text.at(j) == close && !(j + 1 < size && text.at(j + 1) == close))) {
                j += text.at(j) == close ? 2 : 1;
            }
            tokens.append({Token::Type::QuotedName, text.mid(i, j + 1 - i)});
            i = j + 1;
        } else if (ch == u'\'' || ((ch == u'N' || ch == u'n') && i + 1 < size && text.at(i + 1) == u'\'')) {
            qsizetype j = text.indexOf(u'\'', i) + 1;
            while (j < size && !(text.at(j) == u'\'' && !(j + 1 < size && text.at(j + 1) == u'\''))) {
                j += text.at(j) == u'\'' ? 2 : 1;
            }
            tokens.append({Token::Type::Literal, text.mid(i, j + 1 - i)});
            i = j + 1;
        } else if (isWordChar(ch)) {
            qsizetype j = i;
            while (j < size && isWordChar(text.at(j))) {
                ++j;
            }
            tokens.append({Token::Type::Word, text.mid(i, j - i)});
            i = j;
        } else {
            tokens.append({Token::Type::Symbol, QString(ch)});
            ++i;
        }
    }
    tokens.append({Token::Type::End, {}});
    return tokens;
}

bool isClauseWord(const Token& token) {
    static const char* const words[] = {"where",  "order", "group",  "having", "union", "intersect",
                                        "except", "join",  "inner",  "left",   "right", "full",
                                        "cross",  "outer", "option", "for",    "into",  "with"};
    for (const char* word : words) {
        if (token.isWord(word)) {
            return true;
        }
    }
    return false;
}

} // namespace

QString SelectSource::updatableTable(const QString& statement) {
    const QList<Token> tokens = tokenize(statement);
    if (!tokens.first().isWord("select")) {
        return {};
    }
    qsizetype i = 1;
    int depth = 0;
    for (; tokens.at(i).type != Token::Type::End; ++i) {
        const Token& token = tokens.at(i);
        if (token.isSymbol(u'(')) {
            ++depth;
        } else if (token.isSymbol(u')')) {
            --depth;
        } else if (depth == 0 && (token.isWord("distinct") || token.isWord("into"))) {
            return {};
        } else if (depth == 0 && token.isWord("from")) {
            break;
        }
    }
    if (!tokens.at(i).isWord("from")) {
        return {};
    }
    ++i;
    // The table: name parts joined by dots, "db..table" leaving one out.
    QString table;
    while (tokens.at(i).type == Token::Type::Word || tokens.at(i).type == Token::Type::QuotedName) {
        table += tokens.at(i).text;
        ++i;
        if (!tokens.at(i).isSymbol(u'.')) {
            break;
        }
        while (tokens.at(i).isSymbol(u'.')) {
            table += u'.';
            ++i;
        }
    }
    if (table.isEmpty() || table.endsWith(u'.')) {
        return {};
    }
    if (tokens.at(i).isWord("as")) {
        ++i;
    }
    if ((tokens.at(i).type == Token::Type::Word && !isClauseWord(tokens.at(i))) ||
        tokens.at(i).type == Token::Type::QuotedName) {
        ++i; // the alias
    }
    if (tokens.at(i).type != Token::Type::End && !tokens.at(i).isWord("where") &&
        !tokens.at(i).isWord("order")) {
        return {};
    }
    depth = 0;
    for (; tokens.at(i).type != Token::Type::End; ++i) {
        const Token& token = tokens.at(i);
        if (token.isSymbol(u'(')) {
            ++depth;
        } else if (token.isSymbol(u')')) {
            --depth;
        } else if (depth == 0 && !token.isWord("where") && !token.isWord("order") && isClauseWord(token)) {
            return {};
        }
    }
    return table;
}

QString SelectSource::bareName(const QString& name) {
    QString last = name.section(u'.', -1).trimmed();
    if ((last.startsWith(u'[') && last.endsWith(u']')) || (last.startsWith(u'"') && last.endsWith(u'"'))) {
        last = last.mid(1, last.size() - 2);
    }
    return last;
}

} // namespace tarvand::data
