#pragma once

#include <QString>

namespace tarvand {

// The statements of a batch of new assets: one insert per whole number of a code range, all with
// the same depreciation method, rate or period and date put into use. Values typed by the user
// pass SqlEscape; for values without a quote the statements are the documented ones.
class BatchStatements {
public:
    // The three methods of the method list, in its order.
    static const QString Straight;  // "مستقيم"
    static const QString Declining; // "نزولي"
    static const QString NoMethod;  // "ندارد"

    // The code-column length query, answered in the column LenDaraCod.
    static QString CodeLengthQuery();
    // The number in its shortest decimal text: a whole number without decimals.
    static QString NumberText(double number);
    // The stored form of a code: the number's text right-aligned with blanks in length characters
    // (cut to length when longer), as codes are padded everywhere.
    static QString FormatCode(double number, int length);
    // The rows of D_Amval between the stored forms of the two bounds.
    static QString OverlapQuery(const QString& firstCode, const QString& lastCode);

    // What every record of the batch shares, as the form holds it.
    struct Shared {
        QString fixedName; // trimmed; empty names each asset by its stored code
        QString method;
        QString rate;  // as typed, written unquoted
        QString years; // as typed, written unquoted
        QString date;  // as typed
    };
    static QString InsertStatement(double number, int codeLength, const Shared& shared);
};

} // namespace tarvand
