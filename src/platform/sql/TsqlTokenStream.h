#pragma once

#include "TsqlToken.h"

#include <QList>

namespace tarvand::sql {

// Cursor over the tokens of one script, with the look-ahead and error reporting the parsers share.
class TsqlTokenStream {
public:
    TsqlTokenStream(QList<TsqlToken> tokens, const QString& source);

    const TsqlToken& peek(int ahead = 0) const;
    TsqlToken take();
    // True at the end of the script or of the current batch (a GO line).
    bool atBatchEnd() const;

    bool acceptWord(QStringView keyword);
    bool acceptSymbol(QStringView symbol);
    void expectWord(QStringView keyword);
    void expectSymbol(QStringView symbol);
    // A plain or quoted identifier that is not a reserved word.
    QString takeName();
    bool peekName(int ahead = 0) const;
    static bool isReserved(const QString& word);

    // Called at the start of each statement: operators are counted per statement.
    void startStatement() { operators_ = 0; }
    // Numbers the '?' placeholders of the whole script in order of appearance, as ADO numbers the
    // parameters of a command text.
    int nextPlaceholder() { return ++placeholders_; }
    // Operator chains nest to the left; their length is bounded like the nesting of parentheses.
    void countOperator();

    const QString& source() const { return source_; }

    // Held while parsing a nested construct, so that absurd nesting fails with a message instead of
    // exhausting the stack.
    class Nesting {
    public:
        explicit Nesting(TsqlTokenStream& tokens);
        ~Nesting() { --tokens_.depth_; }
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;

    private:
        TsqlTokenStream& tokens_;
    };

    [[noreturn]] void fail() const;
    [[noreturn]] void fail(const QString& message) const;

private:
    QList<TsqlToken> tokens_;
    const QString& source_;
    qsizetype pos_ = 0;
    int placeholders_ = 0;
    int depth_ = 0;
    int operators_ = 0;
};

} // namespace tarvand::sql
