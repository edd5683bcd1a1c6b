#pragma once

#include <QString>
#include <vector>

namespace tarvand::sql {

// A LIKE / PATINDEX pattern in SQL Server's syntax: % any run, _ one character, [abc] and [a-z]
// sets, [^abc] excluded sets. Letters compare case-insensitively, as under SQL Server's default
// collation.
class TsqlPattern {
public:
    explicit TsqlPattern(const QString& pattern, QChar escape = QChar());

    bool matches(QStringView text) const;
    // 1-based position of the first match of the pattern in text, 0 when there is none
    // (PATINDEX: a leading % lets the match start anywhere).
    qsizetype indexIn(QStringView text) const;

private:
    struct Element {
        enum class Kind { AnyRun, One, Literal, Set } kind;
        QChar literal;
        QString members; // for Set: single characters, and ranges as three characters "a-z"
        bool negated = false;
    };

    bool matchesAt(std::size_t element, QStringView text) const;
    static bool elementMatches(const Element& element, QChar c);

    std::vector<Element> elements_;
};

} // namespace tarvand::sql
