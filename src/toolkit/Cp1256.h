#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

namespace tarvand {

// Arabic Windows code page 1256, the suite's byte encoding. The system keeps text as Unicode and
// meets these bytes only where a rule is defined by byte values (keyboard normalisation) or where
// bytes are written for other programs (dBASE files).
class Cp1256 {
public:
    static QChar toUnicode(unsigned char byte);
    // The byte of a character, or -1 when the code page has none for it.
    static int toByte(QChar ch);
    static QString decode(const QByteArray& bytes);
    // Characters the code page lacks become '?'.
    static QByteArray encode(const QString& text);
};

} // namespace tarvand
