#include "IranSystem.h"

#include <array>
#include <optional>

namespace tarvand {

namespace {

// How a letter connects: dual-joining letters connect on both sides, right-joining ones only to
// the letter before them (which stands to their right), hamza to neither.
enum class Joining { None, Right, Dual };

struct Letter {
    char16_t ch;
    Joining joining;
    unsigned char isolated;
    unsigned char final;
    unsigned char initial;
    unsigned char medial;
};

constexpr auto Dual = Joining::Dual;
constexpr auto Right = Joining::Right;

constexpr std::array<Letter, 50> Letters = {{
    {u'\u0621', Joining::None, 0x8F, 0x8F, 0x8F, 0x8F}, // ء
    {u'\u0622', Right, 0x8D, 0x8D, 0x8D, 0x8D},         // آ
    {u'\u0623', Right, 0x90, 0x91, 0x90, 0x91},         // أ
    {u'\u0624', Right, 0xF8, 0xF8, 0xF8, 0xF8},         // ؤ
    {u'\u0625', Right, 0x90, 0x91, 0x90, 0x91},         // إ
    {u'\u0626', Dual, 0x8E, 0x8E, 0x8E, 0x8E},          // ئ
    {u'\u0627', Right, 0x90, 0x91, 0x90, 0x91},         // ا
    {u'\u0628', Dual, 0x92, 0x92, 0x93, 0x93},          // ب
    {u'\u0629', Right, 0xF9, 0xF9, 0xF9, 0xF9},         // ة
    {u'\u062A', Dual, 0x96, 0x96, 0x97, 0x97},          // ت
    {u'\u062B', Dual, 0x98, 0x98, 0x99, 0x99},          // ث
    {u'\u062C', Dual, 0x9A, 0x9A, 0x9B, 0x9B},          // ج
    {u'\u062D', Dual, 0x9E, 0x9E, 0x9F, 0x9F},          // ح
    {u'\u062E', Dual, 0xA0, 0xA0, 0xA1, 0xA1},          // خ
    {u'\u062F', Right, 0xA2, 0xA2, 0xA2, 0xA2},         // د
    {u'\u0630', Right, 0xA3, 0xA3, 0xA3, 0xA3},         // ذ
    {u'\u0631', Right, 0xA4, 0xA4, 0xA4, 0xA4},         // ر
    {u'\u0632', Right, 0xA5, 0xA5, 0xA5, 0xA5},         // ز
    {u'\u0633', Dual, 0xA7, 0xA7, 0xA8, 0xA8},          // س
    {u'\u0634', Dual, 0xA9, 0xA9, 0xAA, 0xAA},          // ش
    {u'\u0635', Dual, 0xAB, 0xAB, 0xAC, 0xAC},          // ص
    {u'\u0636', Dual, 0xAD, 0xAD, 0xAE, 0xAE},          // ض
    {u'\u0637', Dual, 0xAF, 0xAF, 0xAF, 0xAF},          // ط
    {u'\u0638', Dual, 0xE0, 0xE0, 0xE0, 0xE0},          // ظ
    {u'\u0639', Dual, 0xE1, 0xE2, 0xE4, 0xE3},          // ع
    {u'\u063A', Dual, 0xE5, 0xE6, 0xE8, 0xE7},          // غ
    {u'\u0640', Dual, 0x8B, 0x8B, 0x8B, 0x8B},          // ـ
    {u'\u0641', Dual, 0xE9, 0xE9, 0xEA, 0xEA},          // ف
    {u'\u0642', Dual, 0xEB, 0xEB, 0xEC, 0xEC},          // ق
    {u'\u0643', Dual, 0xED, 0xED, 0xEE, 0xEE},          // ك
    {u'\u0644', Dual, 0xF1, 0xF1, 0xF3, 0xF3},          // ل
    {u'\u0645', Dual, 0xF4, 0xF4, 0xF5, 0xF5},          // م
    {u'\u0646', Dual, 0xF6, 0xF6, 0xF7, 0xF7},          // ن
    {u'\u0647', Dual, 0xF9, 0xF9, 0xFB, 0xFA},          // ه
    {u'\u0648', Right, 0xF8, 0xF8, 0xF8, 0xF8},         // و
    {u'\u0649', Dual, 0xFD, 0xFC, 0xFE, 0xFE},          // ى
    {u'\u064A', Dual, 0xFD, 0xFC, 0xFE, 0xFE},          // ي
    {u'\u0679', Dual, 0x96, 0x96, 0x97, 0x97},          // ٹ
    {u'\u067E', Dual, 0x94, 0x94, 0x95, 0x95},          // پ
    {u'\u0686', Dual, 0x9C, 0x9C, 0x9D, 0x9D},          // چ
    {u'\u0688', Right, 0xA2, 0xA2, 0xA2, 0xA2},         // ڈ
    {u'\u0691', Right, 0xA4, 0xA4, 0xA4, 0xA4},         // ڑ
    {u'\u0698', Right, 0xA6, 0xA6, 0xA6, 0xA6},         // ژ
    {u'\u06A9', Dual, 0xED, 0xED, 0xEE, 0xEE},          // ک
    {u'\u06AF', Dual, 0xEF, 0xEF, 0xF0, 0xF0},          // گ
    {u'\u06BA', Dual, 0xF6, 0xF6, 0xF7, 0xF7},          // ں
    {u'\u06BE', Dual, 0xF9, 0xF9, 0xFB, 0xFA},          // ھ
    {u'\u06C1', Dual, 0xF9, 0xF9, 0xFB, 0xFA},          // ہ
    {u'\u06CC', Dual, 0xFD, 0xFC, 0xFE, 0xFE},          // ی
    {u'\u06D2', Right, 0xFD, 0xFC, 0xFD, 0xFC},         // ے
}};

std::optional<Letter> letterOf(QChar ch) {
    const char16_t code = ch.unicode();
    for (const Letter& letter : Letters) {
        if (letter.ch == code)
            return letter;
    }
    return std::nullopt;
}

// Vowel marks sit on a letter without breaking its joins.
bool isMark(QChar ch) {
    const char16_t code = ch.unicode();
    return (code >= 0x064B && code <= 0x0652) || code == 0x0670;
}

// Whether the character before (or after) the one at index reaches out to it. Anything that is
// not a joining letter (the text's ends, blanks, brackets, "?", digits, the non-joiner) does not.
bool previousJoinsThis(const QString& text, int index) {
    for (int i = index - 1; i >= 0; --i) {
        if (isMark(text[i]))
            continue;
        const std::optional<Letter> letter = letterOf(text[i]);
        return letter && letter->joining == Joining::Dual;
    }
    return false;
}

bool nextJoinsThis(const QString& text, int index) {
    for (int i = index + 1; i < text.size(); ++i) {
        if (isMark(text[i]))
            continue;
        const std::optional<Letter> letter = letterOf(text[i]);
        return letter && letter->joining != Joining::None;
    }
    return false;
}

std::optional<unsigned char> digitByte(QChar ch) {
    const char16_t code = ch.unicode();
    if (code >= u'0' && code <= u'9')
        return static_cast<unsigned char>(code);
    if (code >= 0x06F0 && code <= 0x06F9)
        return static_cast<unsigned char>(0x80 + (code - 0x06F0));
    if (code >= 0x0660 && code <= 0x0669)
        return static_cast<unsigned char>(0x80 + (code - 0x0660));
    return std::nullopt;
}

bool inNumberRun(QChar ch) {
    return digitByte(ch).has_value() || ch == u'-' || ch == u'/';
}

QByteArray numberRun(const QString& text, int from, int to) {
    QByteArray bytes;
    for (int i = from; i < to; ++i)
        bytes.append(
            static_cast<char>(digitByte(text[i]).value_or(static_cast<unsigned char>(text[i].unicode()))));
    return bytes;
}

QByteArray letterBytes(const QString& text, int index, const Letter& letter) {
    const bool joinsPrevious = letter.joining != Joining::None && previousJoinsThis(text, index);
    const bool joinsNext = letter.joining == Joining::Dual && nextJoinsThis(text, index);
    unsigned char byte = letter.isolated;
    if (joinsPrevious && joinsNext)
        byte = letter.medial;
    else if (joinsPrevious)
        byte = letter.final;
    else if (joinsNext)
        byte = letter.initial;
    return QByteArray(1, static_cast<char>(byte));
}

QByteArray otherBytes(QChar ch) {
    const char16_t code = ch.unicode();
    switch (code) {
    case u'(':
        return QByteArrayLiteral(")");
    case u')':
        return QByteArrayLiteral("(");
    case u'[':
        return QByteArrayLiteral("]");
    case u']':
        return QByteArrayLiteral("[");
    case u'{':
        return QByteArrayLiteral("}");
    case u'}':
        return QByteArrayLiteral("{");
    case u'<':
        return QByteArrayLiteral(">");
    case u'>':
        return QByteArrayLiteral("<");
    case 0x060C: // ،
        return QByteArray(1, char(0x8A));
    case 0x061F: // ؟
        return QByteArray(1, char(0x8C));
    case 0x061B: // ؛
        return QByteArrayLiteral(";");
    case 0x00AB: // «
    case 0x00BB: // »
        return QByteArrayLiteral("\"");
    case 0x00A0:
        return QByteArray(1, char(0xFF));
    case 0x200C: // the joiners and direction marks only steer the forms
    case 0x200D:
    case 0x200E:
    case 0x200F:
        return QByteArray();
    default:
        break;
    }
    if (code < 0x80)
        return QByteArray(1, static_cast<char>(code));
    if (isMark(ch))
        return QByteArray();
    return QByteArrayLiteral("?");
}

} // namespace

QByteArray IranSystem::Encode(const QString& text) {
    QByteArray result;
    result.reserve(text.size());
    int index = 0;
    while (index < text.size()) {
        if (inNumberRun(text[index])) {
            const int start = index;
            while (index < text.size() && inNumberRun(text[index]))
                ++index;
            result.prepend(numberRun(text, start, index));
            continue;
        }
        const std::optional<Letter> letter = letterOf(text[index]);
        result.prepend(letter ? letterBytes(text, index, *letter) : otherBytes(text[index]));
        ++index;
    }
    return result;
}

} // namespace tarvand
