#pragma once

#include <QString>

namespace tarvand::siblings {

// Whether a cell's text matches what the user searches for. Persian text reaches the database
// from different keyboards, so the comparison folds what readers take for the same letter: the
// Arabic and Persian forms of yeh and kaf, Persian and Arabic-Indic digits, the kashida and the
// zero-width non-joiner; Latin letters compare without case; blanks at either end do not count.
class TextMatcher {
public:
    TextMatcher(const QString& text, bool wholeValue);

    bool Matches(const QString& value) const;
    bool IsEmpty() const { return text_.isEmpty(); }

    static QString Fold(const QString& text);

private:
    QString text_;
    bool wholeValue_;
};

} // namespace tarvand::siblings
