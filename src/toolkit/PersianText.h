#pragma once

#include <QChar>
#include <QString>

namespace tarvand {

// Text as the company data holds it, whatever keyboard it was typed on: a Persian layout sends
// Persian (or Arabic-Indic) digits and the Persian yeh and keheh, while codes and amounts are
// written with the digits 0-9 and names with the Arabic yeh and kaf of the suite's code page.
class PersianText {
public:
    // The digit 0-9 of a Persian or Arabic-Indic digit; any other character unchanged.
    static QChar Digit(QChar ch);
    // Digits as above, and the Persian yeh and keheh as the Arabic yeh and kaf.
    static QChar Stored(QChar ch);
    static QString Stored(const QString& text);
};

} // namespace tarvand
