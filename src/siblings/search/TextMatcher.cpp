#include "TextMatcher.h"

namespace tarvand::siblings {

namespace {

constexpr char16_t arabicYeh = u'\u064A';
constexpr char16_t alefMaksura = u'\u0649';
constexpr char16_t persianYeh = u'\u06CC';
constexpr char16_t arabicKaf = u'\u0643';
constexpr char16_t persianKaf = u'\u06A9';
constexpr char16_t kashida = u'\u0640';
constexpr char16_t zeroWidthNonJoiner = u'\u200C';

} // namespace

TextMatcher::TextMatcher(const QString& text, bool wholeValue) : text_(Fold(text)), wholeValue_(wholeValue) {}

bool TextMatcher::Matches(const QString& value) const {
    if (text_.isEmpty())
        return false;
    const QString folded = Fold(value);
    return wholeValue_ ? folded == text_ : folded.contains(text_);
}

QString TextMatcher::Fold(const QString& text) {
    QString folded;
    folded.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == kashida || u == zeroWidthNonJoiner)
            continue;
        if (u == arabicYeh || u == alefMaksura)
            folded.append(QChar(persianYeh));
        else if (u == arabicKaf)
            folded.append(QChar(persianKaf));
        else if (u >= u'\u06F0' && u <= u'\u06F9')
            folded.append(QChar(u'0' + (u - u'\u06F0')));
        else if (u >= u'\u0660' && u <= u'\u0669')
            folded.append(QChar(u'0' + (u - u'\u0660')));
        else
            folded.append(c.toCaseFolded());
    }
    return folded.trimmed();
}

} // namespace tarvand::siblings
