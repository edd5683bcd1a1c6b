#pragma once

#include "TsqlToken.h"

#include <QList>
#include <QString>

namespace tarvand::sql {

// Splits T-SQL source into tokens. Literals, quoted names and comments are taken whole, so that
// nothing inside them (';', '+', quotes, Persian text) is ever mistaken for syntax.
class TsqlLexer {
public:
    // Throws EDatabaseError for an unterminated literal, name or comment, or a stray character.
    static QList<TsqlToken> tokenize(const QString& source);
};

} // namespace tarvand::sql
