#include "LabelLayout.h"

#include <QStringList>

namespace tarvand::siblings {

namespace {

const char* symbologyName(Symbology symbology) {
    switch (symbology) {
    case Symbology::QrCode:
        return "QR";
    case Symbology::Ean13:
        return "EAN13";
    case Symbology::Code128:
        break;
    }
    return "CODE128";
}

void readNumber(const QString& text, double& field) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (ok && value >= 0)
        field = value;
}

void readCount(const QString& text, int& field) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok && value > 0)
        field = value;
}

} // namespace

LabelLayout LabelLayout::FromSettings(const QString& settings, LabelLayout layout) {
    for (const QString& entry : settings.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype equals = entry.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        const QString key = entry.left(equals).trimmed().toUpper();
        const QString value = entry.mid(equals + 1).trimmed();
        if (key == QLatin1String("SYMBOLOGY")) {
            for (Symbology symbology : {Symbology::Code128, Symbology::QrCode, Symbology::Ean13})
                if (value.toUpper() == QLatin1String(symbologyName(symbology)))
                    layout.symbology = symbology;
        } else if (key == QLatin1String("PAGEWIDTH")) {
            readNumber(value, layout.pageWidth);
        } else if (key == QLatin1String("PAGEHEIGHT")) {
            readNumber(value, layout.pageHeight);
        } else if (key == QLatin1String("LABELWIDTH")) {
            readNumber(value, layout.labelWidth);
        } else if (key == QLatin1String("LABELHEIGHT")) {
            readNumber(value, layout.labelHeight);
        } else if (key == QLatin1String("COLUMNS")) {
            readCount(value, layout.columns);
        } else if (key == QLatin1String("ROWS")) {
            readCount(value, layout.rows);
        } else if (key == QLatin1String("MARGINTOP")) {
            readNumber(value, layout.marginTop);
        } else if (key == QLatin1String("MARGINSIDE")) {
            readNumber(value, layout.marginSide);
        } else if (key == QLatin1String("GAPX")) {
            readNumber(value, layout.gapX);
        } else if (key == QLatin1String("GAPY")) {
            readNumber(value, layout.gapY);
        } else if (key == QLatin1String("SHOW")) {
            const QStringList shown = value.toUpper().split(QLatin1Char(','), Qt::SkipEmptyParts);
            layout.showCode = shown.contains(QLatin1String("CODE"));
            layout.showName = shown.contains(QLatin1String("NAME"));
            layout.showPrice = shown.contains(QLatin1String("PRICE"));
            layout.showDate = shown.contains(QLatin1String("DATE"));
        }
    }
    return layout;
}

} // namespace tarvand::siblings
