#include "BatchStatements.h"

#include "SqlEscape.h"
#include "TGlobal.h"
#include "WholeNumber.h"

namespace tarvand {

const QString BatchStatements::Straight = QStringLiteral("مستقيم");
const QString BatchStatements::Declining = QStringLiteral("نزولي");
const QString BatchStatements::NoMethod = QStringLiteral("ندارد");

QString BatchStatements::CodeLengthQuery() {
    return QStringLiteral(" Select COL_LENGTH('D_Amval', 'DaraCod') As LenDaraCod ");
}

QString BatchStatements::NumberText(double number) {
    // Whole numbers up to fifteen digits print exactly; beyond that the shortest round trip.
    if (IsWholeNumber(number, 1e15))
        return QString::number(qint64(number));
    return QString::number(number, 'g', 15);
}

QString BatchStatements::FormatCode(double number, int length) {
    return TGlobal::PadBlank(NumberText(number), length);
}

QString BatchStatements::OverlapQuery(const QString& firstCode, const QString& lastCode) {
    return QStringLiteral(" Select * From D_Amval Where DaraCod>='") + SqlEscape(firstCode) +
           QStringLiteral("' And DaraCod<='") + SqlEscape(lastCode) + QLatin1Char('\'');
}

QString BatchStatements::InsertStatement(double number, int codeLength, const Shared& shared) {
    const QString code = FormatCode(number, codeLength);
    const QString name = shared.fixedName.isEmpty() ? code : shared.fixedName + NumberText(number);
    QString method;
    if (shared.method == Straight)
        method = QStringLiteral(",'مستقيم',0,") + SqlEscape(shared.years);
    else if (shared.method == Declining)
        method = QStringLiteral(",'نزولي',") + SqlEscape(shared.rate) + QStringLiteral(",0");
    else
        method = QStringLiteral(",'ندارد',0,0");
    return QStringLiteral(
               " Insert Into d_amval (daracod,daranam,raveshest,nozooli,salianeh,bahredate) Select ") +
           QLatin1Char('\'') + SqlEscape(code) + QLatin1Char('\'') + QStringLiteral(",'") + SqlEscape(name) +
           QLatin1Char('\'') + method + QStringLiteral(",'") + SqlEscape(shared.date) + QLatin1Char('\'');
}

} // namespace tarvand
