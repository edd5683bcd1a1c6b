#include "PersianText.h"

namespace tarvand {

QChar PersianText::Digit(QChar ch) {
    const char16_t code = ch.unicode();
    if (code >= 0x06F0 && code <= 0x06F9)
        return QChar(u'0' + (code - 0x06F0));
    if (code >= 0x0660 && code <= 0x0669)
        return QChar(u'0' + (code - 0x0660));
    return ch;
}

QChar PersianText::Stored(QChar ch) {
    switch (ch.unicode()) {
    case 0x06CC:
        return QChar(0x064A); // yeh
    case 0x06A9:
        return QChar(0x0643); // kaf
    default:
        return Digit(ch);
    }
}

QString PersianText::Stored(const QString& text) {
    QString result = text;
    for (QChar& ch : result)
        ch = Stored(ch);
    return result;
}

} // namespace tarvand
