#include "TGlobal.h"

#include "Cp1256.h"
#include "PersianText.h"
#include "SqlEscape.h"
#include "TADOQuery.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace tarvand {

TGlobal::TGlobal()
    : OpenDocument([](const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }),
      ShowMessage([](const QString& text) { QMessageBox::information(nullptr, QString(), text); }) {}

QString TGlobal::GetSetting(const QString& text, const QString& key) {
    const QString upperText = text.toUpper();
    const QString entry = key.toUpper() + QLatin1Char('=');
    const qsizetype at = upperText.indexOf(entry);
    if (at < 0)
        return {};
    const qsizetype start = at + entry.size();
    const qsizetype end = upperText.indexOf(QLatin1Char(';'), start);
    return upperText.mid(start, end < 0 ? -1 : end - start);
}

QString TGlobal::SetSetting(const QString& list, const QString& key, const QString& value) {
    const QString upperList = list.toUpper();
    const QString entry = key.toUpper() + QLatin1Char('=');
    const QString newEntry = entry + value.toUpper() + QLatin1Char(';');
    const qsizetype at = upperList.indexOf(entry);
    if (at < 0)
        return upperList + newEntry;
    const qsizetype end = upperList.indexOf(QLatin1Char(';'), at + entry.size());
    const QString after = end < 0 ? QString() : upperList.mid(end + 1);
    return upperList.left(at) + newEntry + after;
}

void TGlobal::LoadCopyPrintRights(data::TADOConnection* connection) {
    data::TADOQuery query;
    query.SetConnection(connection);
    query.SetSQL(QStringLiteral("Select KORVASH From UserSdc Where UserId = '") +
                 SqlEscape(QString::number(UserId)) + QLatin1Char('\''));
    query.Open();
    const QString settings =
        query.IsEmpty() ? QString() : query.FieldByName(QStringLiteral("KORVASH"))->AsString();
    CopyAllowed = GetSetting(settings, QStringLiteral("COPY"));
    PrintAllowed = GetSetting(settings, QStringLiteral("PRINT"));
}

QString TGlobal::PadBlank(const QString& text, int width) {
    return PadChar(text, QLatin1Char(' '), width);
}

QString TGlobal::PadChar(const QString& text, QChar fill, int width) {
    if (width <= 0)
        return {};
    // A code pasted or typed with blanks around it is aligned by its characters alone.
    const QString code = text.trimmed();
    if (code.size() >= width)
        return code.left(width);
    return QString(width - code.size(), fill) + code;
}

bool TGlobal::KeyAllowed(const QString& mode, QChar key) {
    if (mode != QLatin1String("NUM"))
        return true;
    return (key >= QLatin1Char('0') && key <= QLatin1Char('9')) || key.unicode() == 8;
}

QString TGlobal::RemoveBlanks(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (QChar ch : text)
        if (ch != QLatin1Char(' ') && ch.unicode() != 0x0640)
            result.append(ch);
    return result;
}

QChar TGlobal::NormalizeKey(QChar key) const {
    // Whatever the layout: digits as 0-9, yeh and kaf as the company data writes them.
    key = PersianText::Stored(key);
    if (KeyboardLayout == QLatin1String("WIN"))
        return key;
    // The rules are the suite's, stated in code-page bytes; its keheh -> kaf is the mapping above.
    int byte = Cp1256::toByte(key);
    if (byte < 0)
        return key;
    if (byte == 236)
        byte = 237; // alef maksura -> yeh
    if (PlatformName == QLatin1String("Windows NT")) {
        if (byte == 247)
            return Cp1256::toUnicode(129); // division sign -> peh
        if (byte == 129)
            return Cp1256::toUnicode(142); // peh -> jeh
    }
    return Cp1256::toUnicode(static_cast<unsigned char>(byte));
}

QString TGlobal::ReplaceFirst(const QString& text, const QString& oldText, const QString& newText,
                              const QString& mode) {
    const qsizetype at = oldText.isEmpty() ? -1 : text.indexOf(oldText);
    if (at < 0)
        return text;
    const QString replacement =
        mode == QLatin1String("BLANK") ? QLatin1Char(' ') + newText + QLatin1Char(' ') : newText;
    return text.left(at) + replacement + text.mid(at + oldText.size());
}

QString TGlobal::ReplaceAll(const QString& text, const QString& oldText, const QString& newText) {
    // A new text containing the old one would never finish; such a call is refused by doing nothing.
    if (oldText.isEmpty() || newText.contains(oldText))
        return text;
    QString result = text;
    while (result.contains(oldText))
        result = ReplaceFirst(result, oldText, newText, QString());
    return result;
}

QString TGlobal::FormatAmount(const QString& amount) {
    QString text = amount.trimmed();
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative)
        text.remove(0, 1);
    if (text.isEmpty() || text == QLatin1String("0"))
        return QStringLiteral("0");
    qsizetype end = text.indexOf(QLatin1Char('.'));
    if (end < 0)
        end = text.indexOf(QLatin1Char('/'));
    if (end < 0)
        end = text.size();
    const QString integerPart = text.left(end);
    QString grouped;
    grouped.reserve(integerPart.size() + integerPart.size() / 3);
    for (qsizetype i = 0; i < integerPart.size(); ++i) {
        const qsizetype fromRight = integerPart.size() - i;
        if (i > 0 && fromRight % 3 == 0)
            grouped.append(QLatin1Char(','));
        grouped.append(integerPart.at(i));
    }
    return (negative ? QStringLiteral("-") : QString()) + grouped + text.mid(end);
}

QString TGlobal::FiscalPeriodSuffix() const {
    const QString fromYear = PeriodFrom.left(4);
    const QString toYear = PeriodTo.left(4);
    const QString years = fromYear == toYear ? fromYear : toYear + QLatin1Char('-') + fromYear;
    return QStringLiteral(" دوره مالي") + QLatin1Char('[') + years + QLatin1Char(']');
}

} // namespace tarvand
