#pragma once

#include <QString>

namespace tarvand::sql {

enum class TsqlTokenKind {
    End,
    Word,           // keyword or plain identifier, including #temp and ##temp names
    QuotedName,     // [bracketed] or "quoted" identifier; text holds the name without quotes
    String,         // 'text'; text holds the value with doubled quotes undone
    NString,        // N'text'
    Number,         // 12, 1.5, .5, 1e3
    Variable,       // @name or @@name; text holds the name with its at signs
    Placeholder,    // ?
    Symbol,         // operators and punctuation
    BatchSeparator, // a line holding only GO
};

// One token of T-SQL source; offset and length locate it in the source text.
struct TsqlToken {
    TsqlTokenKind kind = TsqlTokenKind::End;
    QString text;
    qsizetype offset = 0;
    qsizetype length = 0;

    bool isWord(QStringView keyword) const {
        return kind == TsqlTokenKind::Word && text.compare(keyword, Qt::CaseInsensitive) == 0;
    }
    bool isSymbol(QStringView symbol) const { return kind == TsqlTokenKind::Symbol && text == symbol; }
    bool isName() const { return kind == TsqlTokenKind::Word || kind == TsqlTokenKind::QuotedName; }
};

} // namespace tarvand::sql
