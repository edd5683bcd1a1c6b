#pragma once

#include "LabelLayout.h"

#include <QList>
#include <QRectF>
#include <QString>

class QPainter;

namespace tarvand::siblings {

// One code drawn as a symbol by libzint: its dark modules as rectangles in the symbol's own
// units, quiet zones included, so that it can be painted at any size on any device.
class BarcodeSymbol {
public:
    // Encodes the code; an empty symbol when the symbology cannot carry it (see Allows).
    BarcodeSymbol(Symbology symbology, const QString& code);

    // Whether the symbology can carry the code: Code 128 and QR any printable ASCII text, EAN-13
    // a number of one to twelve digits (written with leading zeros and its check digit).
    static bool Allows(Symbology symbology, const QString& code);
    // The text the symbol carries for the code (EAN-13 pads it to twelve digits).
    static QString Payload(Symbology symbology, const QString& code);

    bool IsEmpty() const { return bars_.isEmpty(); }
    // Whether the symbol must keep its proportions (two-dimensional symbols).
    bool IsSquare() const { return square_; }
    // Paints the symbol into the area: stretched for linear symbols, the largest centred square
    // for two-dimensional ones.
    void Paint(QPainter& painter, const QRectF& area) const;

private:
    QList<QRectF> bars_;
    double width_ = 0;
    double height_ = 0;
    bool square_ = false;
};

} // namespace tarvand::siblings
