#include "EditMask.h"

#include <QStringList>

namespace tarvand::ui {
namespace {

// Characters that are literals in the form library's masks but mean something in Qt's.
bool specialInQt(QChar c) {
    return QStringLiteral("AaNnXx90DdHhBb#><!\\[]{}").contains(c);
}

} // namespace

QString EditMask::toInputMask(const QString& editMask) {
    if (editMask.isEmpty()) {
        return {};
    }
    const QStringList parts = editMask.split(QLatin1Char(';'));
    const QString& mask = parts.at(0);
    QString result;
    for (qsizetype i = 0; i < mask.size(); ++i) {
        const QChar c = mask.at(i);
        switch (c.unicode()) {
        case '\\':
            if (i + 1 < mask.size()) {
                const QChar literal = mask.at(++i);
                if (specialInQt(literal)) {
                    result += QLatin1Char('\\');
                }
                result += literal;
            }
            break;
        case '!': // trims leading blanks there; Qt has no counterpart and needs none
            break;
        case '<':
            if (i + 1 < mask.size() && mask.at(i + 1) == QLatin1Char('>')) {
                result += QLatin1Char('!');
                ++i;
            } else {
                result += QLatin1Char('<');
            }
            break;
        case '>':
            result += QLatin1Char('>');
            break;
        case 'L':
            result += QLatin1Char('A');
            break;
        case 'l':
            result += QLatin1Char('a');
            break;
        case 'A':
            result += QLatin1Char('N');
            break;
        case 'a':
            result += QLatin1Char('n');
            break;
        case 'C':
            result += QLatin1Char('X');
            break;
        case 'c':
            result += QLatin1Char('x');
            break;
        case '0':
            result += QLatin1Char('9');
            break;
        case '9':
            result += QLatin1Char('0');
            break;
        case '#':
            result += QLatin1Char('#');
            break;
        case '_':
            result += QLatin1Char(' ');
            break;
        default:
            if (specialInQt(c)) {
                result += QLatin1Char('\\');
            }
            result += c;
            break;
        }
    }
    if (parts.size() > 2 && !parts.at(2).isEmpty()) {
        result += QLatin1Char(';') + parts.at(2).at(0);
    }
    return result;
}

} // namespace tarvand::ui
