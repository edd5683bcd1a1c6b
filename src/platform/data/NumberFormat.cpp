#include "NumberFormat.h"

#include <QStringList>
#include <cmath>

namespace tarvand::data {

namespace {

// Splits at ';' outside quoted literals.
QStringList splitSections(const QString& format) {
    QStringList sections;
    QString current;
    QChar quote;
    for (const QChar ch : format) {
        if (!quote.isNull()) {
            if (ch == quote) {
                quote = QChar();
            }
            current += ch;
        } else if (ch == u'\'' || ch == u'"') {
            quote = ch;
            current += ch;
        } else if (ch == u';') {
            sections.append(current);
            current.clear();
        } else {
            current += ch;
        }
    }
    sections.append(current);
    return sections;
}

QString groupThousands(const QString& digits) {
    QString grouped;
    const qsizetype count = digits.size();
    for (qsizetype i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0) {
            grouped += u',';
        }
        grouped += digits.at(i);
    }
    return grouped;
}

// Whether the value shows as zero with that many decimals, so that it takes no minus sign.
bool roundsToZero(double magnitude, int decimals) {
    const QString fixed = QString::number(magnitude, 'f', decimals);
    for (const QChar ch : fixed) {
        if (ch != u'0' && ch != u'.') {
            return false;
        }
    }
    return true;
}

} // namespace

NumberFormat::NumberFormat(const QString& format) {
    const QStringList parts = splitSections(format);
    sectionCount_ = int(qMin<qsizetype>(parts.size(), 3));
    for (int i = 0; i < sectionCount_; ++i) {
        sections_[i] = parseSection(parts.at(i));
    }
}

NumberFormat::Section NumberFormat::parseSection(const QString& text) {
    Section section;
    bool seenPlaceholder = false;
    bool inDecimals = false;
    QString pendingLiteral;
    QChar quote;
    for (const QChar ch : text) {
        if (!quote.isNull()) {
            if (ch == quote) {
                quote = QChar();
            } else {
                pendingLiteral += ch;
            }
            continue;
        }
        if (ch == u'\'' || ch == u'"') {
            quote = ch;
        } else if (ch == u'0' || ch == u'#') {
            if (!seenPlaceholder) {
                section.prefix = pendingLiteral;
            }
            // Literals between placeholders are not positioned among the digits; they are dropped.
            pendingLiteral.clear();
            seenPlaceholder = true;
            if (inDecimals) {
                ++section.maxDecimals;
                if (ch == u'0') {
                    section.minDecimals = section.maxDecimals;
                }
            } else if (ch == u'0') {
                ++section.minIntegerDigits;
            }
        } else if (ch == u'.' && !inDecimals && (seenPlaceholder || pendingLiteral.isEmpty())) {
            if (!seenPlaceholder) {
                section.prefix = pendingLiteral;
                pendingLiteral.clear();
                seenPlaceholder = true;
            }
            inDecimals = true;
        } else if (ch == u',' && seenPlaceholder && !inDecimals) {
            section.grouping = true;
        } else {
            pendingLiteral += ch;
        }
    }
    if (seenPlaceholder) {
        section.suffix = pendingLiteral;
    } else {
        section.prefix = pendingLiteral;
    }
    section.hasPlaceholder = seenPlaceholder;
    return section;
}

QString NumberFormat::render(const Section& section, double magnitude) {
    if (!section.hasPlaceholder) {
        return section.prefix;
    }
    QString fixed = QString::number(magnitude, 'f', section.maxDecimals);
    QString integerPart = fixed;
    QString decimals;
    const qsizetype point = fixed.indexOf(u'.');
    if (point >= 0) {
        integerPart = fixed.left(point);
        decimals = fixed.mid(point + 1);
    }
    while (decimals.size() > section.minDecimals && decimals.endsWith(u'0')) {
        decimals.chop(1);
    }
    if (integerPart == u"0" && section.minIntegerDigits == 0) {
        integerPart.clear();
    }
    while (integerPart.size() < section.minIntegerDigits) {
        integerPart.prepend(u'0');
    }
    if (section.grouping) {
        integerPart = groupThousands(integerPart);
    }
    QString result = section.prefix + integerPart;
    if (!decimals.isEmpty()) {
        result += u'.' + decimals;
    }
    return result + section.suffix;
}

QString NumberFormat::format(double value) const {
    if (sectionCount_ == 0 || std::isnan(value) || std::isinf(value)) {
        return QString::number(value, 'g', 15);
    }
    const Section& positive = sections_[0];
    const double magnitude = std::fabs(value);
    const bool zero = roundsToZero(magnitude, positive.maxDecimals);
    if (zero && sectionCount_ >= 3) {
        return render(sections_[2], 0);
    }
    if (value < 0 && !zero) {
        if (sectionCount_ >= 2) {
            return render(sections_[1], magnitude);
        }
        return u'-' + render(positive, magnitude);
    }
    return render(positive, magnitude);
}

} // namespace tarvand::data
