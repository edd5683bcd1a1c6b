#include "TsqlPattern.h"

namespace tarvand::sql {

namespace {

QChar fold(QChar c) {
    return c.toCaseFolded();
}

} // namespace

TsqlPattern::TsqlPattern(const QString& pattern, QChar escape) {
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        Element element{Element::Kind::Literal, c, {}, false};
        if (!escape.isNull() && c == escape && i + 1 < pattern.size()) {
            element.literal = pattern[++i];
        } else if (c == u'%') {
            if (!elements_.empty() && elements_.back().kind == Element::Kind::AnyRun) {
                continue;
            }
            element.kind = Element::Kind::AnyRun;
        } else if (c == u'_') {
            element.kind = Element::Kind::One;
        } else if (c == u'[') {
            const qsizetype close = pattern.indexOf(u']', i + 2);
            if (close > i) {
                element.kind = Element::Kind::Set;
                QString body = pattern.mid(i + 1, close - i - 1);
                if (body.startsWith(u'^') && body.size() > 1) {
                    element.negated = true;
                    body.remove(0, 1);
                }
                for (qsizetype k = 0; k < body.size(); ++k) {
                    if (k + 2 < body.size() && body[k + 1] == u'-') {
                        element.members += QString(fold(body[k])) + u'-' + fold(body[k + 2]);
                        k += 2;
                    } else {
                        element.members += QString(fold(body[k])) + u'\0' + fold(body[k]);
                    }
                }
                i = close;
            }
        }
        elements_.push_back(std::move(element));
    }
}

bool TsqlPattern::elementMatches(const Element& element, QChar c) {
    switch (element.kind) {
    case Element::Kind::One:
        return true;
    case Element::Kind::Literal:
        return fold(element.literal) == fold(c);
    case Element::Kind::Set: {
        const QChar f = fold(c);
        bool inSet = false;
        for (qsizetype k = 0; k + 2 < element.members.size() && !inSet; k += 3) {
            inSet = f >= element.members[k] && f <= element.members[k + 2];
        }
        return inSet != element.negated;
    }
    case Element::Kind::AnyRun:
        break;
    }
    return false;
}

bool TsqlPattern::matchesAt(std::size_t first, QStringView text) const {
    // Greedy matching with one backtrack point per run: each other element takes one character.
    std::size_t e = first;
    qsizetype t = 0;
    std::size_t starElement = std::size_t(-1);
    qsizetype starText = 0;
    while (t < text.size()) {
        if (e < elements_.size() && elements_[e].kind == Element::Kind::AnyRun) {
            starElement = e++;
            starText = t;
        } else if (e < elements_.size() && elementMatches(elements_[e], text[t])) {
            ++e;
            ++t;
        } else if (starElement != std::size_t(-1)) {
            e = starElement + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (e < elements_.size() && elements_[e].kind == Element::Kind::AnyRun) {
        ++e;
    }
    return e == elements_.size();
}

bool TsqlPattern::matches(QStringView text) const {
    return matchesAt(0, text);
}

qsizetype TsqlPattern::indexIn(QStringView text) const {
    if (elements_.empty()) {
        return 0;
    }
    if (elements_.front().kind != Element::Kind::AnyRun) {
        return matchesAt(0, text) ? 1 : 0;
    }
    for (qsizetype start = 0; start < text.size(); ++start) {
        if (matchesAt(1, text.mid(start))) {
            return start + 1;
        }
    }
    return elements_.size() == 1 && !text.isEmpty() ? 1 : 0;
}

} // namespace tarvand::sql
