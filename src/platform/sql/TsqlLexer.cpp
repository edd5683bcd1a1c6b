#include "TsqlLexer.h"

#include "EDatabaseError.h"

namespace tarvand::sql {

namespace {

bool isNameStart(QChar c) {
    return c.isLetter() || c == u'_' || c == u'#';
}

bool isNamePart(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'#' || c == u'$' || c == u'@';
}

[[noreturn]] void fail(const QString& what, qsizetype offset) {
    throw EDatabaseError(QStringLiteral("Incorrect syntax: %1 at position %2.").arg(what).arg(offset + 1));
}

class Scanner {
public:
    explicit Scanner(const QString& source) : s_(source) {}

    QList<TsqlToken> run() {
        QList<TsqlToken> tokens;
        while (true) {
            skipBlanksAndComments();
            if (pos_ >= s_.size()) {
                break;
            }
            const qsizetype start = pos_;
            TsqlToken token = scanOne();
            token.offset = start;
            token.length = pos_ - start;
            if (token.kind == TsqlTokenKind::Word && token.text.compare(u"GO", Qt::CaseInsensitive) == 0 &&
                startsLine(start) && endsLine(pos_)) {
                token.kind = TsqlTokenKind::BatchSeparator;
            }
            tokens.append(std::move(token));
        }
        TsqlToken end;
        end.offset = s_.size();
        tokens.append(end);
        return tokens;
    }

private:
    QChar at(qsizetype i) const { return i < s_.size() ? s_[i] : QChar(); }

    bool startsLine(qsizetype i) const {
        while (i > 0 && (s_[i - 1] == u' ' || s_[i - 1] == u'\t')) {
            --i;
        }
        return i == 0 || s_[i - 1] == u'\n' || s_[i - 1] == u'\r';
    }

    bool endsLine(qsizetype i) const {
        while (i < s_.size() && (s_[i] == u' ' || s_[i] == u'\t')) {
            ++i;
        }
        return i >= s_.size() || s_[i] == u'\n' || s_[i] == u'\r';
    }

    void skipBlanksAndComments() {
        while (pos_ < s_.size()) {
            const QChar c = s_[pos_];
            if (c.isSpace()) {
                ++pos_;
            } else if (c == u'-' && at(pos_ + 1) == u'-') {
                while (pos_ < s_.size() && s_[pos_] != u'\n') {
                    ++pos_;
                }
            } else if (c == u'/' && at(pos_ + 1) == u'*') {
                const qsizetype start = pos_;
                int depth = 0;
                // T-SQL block comments nest.
                do {
                    if (pos_ + 1 >= s_.size()) {
                        fail(QStringLiteral("unterminated comment"), start);
                    }
                    if (s_[pos_] == u'/' && s_[pos_ + 1] == u'*') {
                        ++depth;
                        pos_ += 2;
                    } else if (s_[pos_] == u'*' && s_[pos_ + 1] == u'/') {
                        --depth;
                        pos_ += 2;
                    } else {
                        ++pos_;
                    }
                } while (depth > 0);
            } else {
                return;
            }
        }
    }

    QString quoted(QChar close, const char* what) {
        const qsizetype start = pos_;
        ++pos_;
        QString value;
        while (true) {
            if (pos_ >= s_.size()) {
                fail(QStringLiteral("unterminated %1").arg(QLatin1String(what)), start);
            }
            const QChar c = s_[pos_++];
            if (c == close) {
                if (at(pos_) == close) {
                    value.append(c);
                    ++pos_;
                    continue;
                }
                return value;
            }
            value.append(c);
        }
    }

    TsqlToken make(TsqlTokenKind kind, QString text) {
        TsqlToken token;
        token.kind = kind;
        token.text = std::move(text);
        return token;
    }

    TsqlToken scanOne() {
        const QChar c = s_[pos_];
        if ((c == u'N' || c == u'n') && at(pos_ + 1) == u'\'') {
            ++pos_;
            return make(TsqlTokenKind::NString, quoted(u'\'', "string literal"));
        }
        if (c == u'\'') {
            return make(TsqlTokenKind::String, quoted(u'\'', "string literal"));
        }
        if (c == u'[') {
            return make(TsqlTokenKind::QuotedName, quoted(u']', "bracketed name"));
        }
        if (c == u'"') {
            return make(TsqlTokenKind::QuotedName, quoted(u'"', "quoted name"));
        }
        if (c.isDigit() || (c == u'.' && at(pos_ + 1).isDigit())) {
            return number();
        }
        if (c == u'@') {
            const qsizetype start = pos_;
            ++pos_;
            while (pos_ < s_.size() && isNamePart(s_[pos_])) {
                ++pos_;
            }
            if (pos_ - start == 1) {
                fail(QStringLiteral("'@' without a name"), start);
            }
            return make(TsqlTokenKind::Variable, s_.mid(start, pos_ - start));
        }
        if (isNameStart(c)) {
            const qsizetype start = pos_;
            while (pos_ < s_.size() && isNamePart(s_[pos_])) {
                ++pos_;
            }
            return make(TsqlTokenKind::Word, s_.mid(start, pos_ - start));
        }
        if (c == u'?') {
            ++pos_;
            return make(TsqlTokenKind::Placeholder, QStringLiteral("?"));
        }
        static const QStringList twoChar = {"<>", "!=", "<=", ">=", "!<", "!>", "||"};
        const QString pair = s_.mid(pos_, 2);
        if (twoChar.contains(pair)) {
            pos_ += 2;
            return make(TsqlTokenKind::Symbol, pair);
        }
        static const QString single = QStringLiteral("+-*/%=<>(),.;~&|^");
        if (single.contains(c)) {
            ++pos_;
            return make(TsqlTokenKind::Symbol, QString(c));
        }
        fail(QStringLiteral("unexpected character '%1'").arg(c), pos_);
    }

    TsqlToken number() {
        const qsizetype start = pos_;
        while (at(pos_).isDigit()) {
            ++pos_;
        }
        if (at(pos_) == u'.') {
            ++pos_;
            while (at(pos_).isDigit()) {
                ++pos_;
            }
        }
        if ((at(pos_) == u'e' || at(pos_) == u'E') &&
            (at(pos_ + 1).isDigit() ||
             ((at(pos_ + 1) == u'+' || at(pos_ + 1) == u'-') && at(pos_ + 2).isDigit()))) {
            pos_ += 2;
            while (at(pos_).isDigit()) {
                ++pos_;
            }
        }
        // The server ends a number where a letter starts ("-0From T" is 0 followed by From);
        // only its binary literals (0x…) are refused here, as the bridge has no binary values.
        if (pos_ - start == 1 && s_.at(start) == u'0' && (at(pos_) == u'x' || at(pos_) == u'X')) {
            fail(QStringLiteral("invalid number"), start);
        }
        return make(TsqlTokenKind::Number, s_.mid(start, pos_ - start));
    }

    const QString& s_;
    qsizetype pos_ = 0;
};

} // namespace

QList<TsqlToken> TsqlLexer::tokenize(const QString& source) {
    return Scanner(source).run();
}

} // namespace tarvand::sql
