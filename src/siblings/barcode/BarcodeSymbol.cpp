#include "BarcodeSymbol.h"

#include <QPainter>
#include <QPainterPath>
#include <memory>
#include <zint.h>

namespace tarvand::siblings {

namespace {

constexpr int eanDigits = 12;

int zintSymbology(Symbology symbology) {
    switch (symbology) {
    case Symbology::QrCode:
        return BARCODE_QRCODE;
    case Symbology::Ean13:
        return BARCODE_EANX;
    case Symbology::Code128:
        break;
    }
    return BARCODE_CODE128;
}

bool printableAscii(const QString& code) {
    for (const QChar c : code)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    return !code.isEmpty();
}

struct ZintDeleter {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};

} // namespace

bool BarcodeSymbol::Allows(Symbology symbology, const QString& code) {
    if (symbology != Symbology::Ean13)
        return printableAscii(code);
    if (code.isEmpty() || code.size() > eanDigits)
        return false;
    for (const QChar c : code)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

QString BarcodeSymbol::Payload(Symbology symbology, const QString& code) {
    // Zint reads fewer than eight digits as EAN-8 or an add-on; leading zeros keep it EAN-13.
    return symbology == Symbology::Ean13 ? code.rightJustified(eanDigits, QLatin1Char('0')) : code;
}

BarcodeSymbol::BarcodeSymbol(Symbology symbology, const QString& code) {
    if (!Allows(symbology, code))
        return;
    const std::unique_ptr<zint_symbol, ZintDeleter> symbol(ZBarcode_Create());
    if (!symbol)
        return;
    symbol->symbology = zintSymbology(symbology);
    symbol->output_options |= BARCODE_QUIET_ZONES;
    symbol->show_hrt = 0;
    const QByteArray data = Payload(symbology, code).toLatin1();
    const int result = ZBarcode_Encode_and_Buffer_Vector(
        symbol.get(), reinterpret_cast<const unsigned char*>(data.constData()), int(data.size()), 0);
    if (result >= ZINT_ERROR || symbol->vector == nullptr)
        return;
    width_ = symbol->vector->width;
    height_ = symbol->vector->height;
    square_ = symbology == Symbology::QrCode;
    for (const zint_vector_rect* rect = symbol->vector->rectangles; rect != nullptr; rect = rect->next)
        bars_.append(QRectF(rect->x, rect->y, rect->width, rect->height));
}

void BarcodeSymbol::Paint(QPainter& painter, const QRectF& area) const {
    if (IsEmpty() || width_ <= 0 || height_ <= 0 || area.isEmpty())
        return;
    QRectF target = area;
    if (square_) {
        const double side = std::min(area.width(), area.height());
        target = QRectF(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    }
    const double sx = target.width() / width_;
    const double sy = target.height() / height_;
    // One path for all modules: rectangles filled one by one leave hairline seams between
    // neighbours when the page is rasterised, which a reader may take for light modules.
    QPainterPath modules;
    modules.setFillRule(Qt::WindingFill);
    for (const QRectF& bar : bars_)
        modules.addRect(QRectF(target.left() + bar.left() * sx, target.top() + bar.top() * sy,
                               bar.width() * sx, bar.height() * sy));
    painter.fillPath(modules, Qt::black);
}

} // namespace tarvand::siblings
