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

    // Numbers the '?' placeholders of a statement in order of appearance.
    int nextPlaceholder() { return ++placeholders_; }
    void resetPlaceholders() { placeholders_ = 0; }

    const QString& source() const { return source_; }

    [[noreturn]] void fail() const;
    [[noreturn]] void fail(const QString& message) const;

private:
    QList<TsqlToken> tokens_;
    const QString& source_;
    qsizetype pos_ = 0;
    int placeholders_ = 0;
};

} // namespace tarvand::sql
