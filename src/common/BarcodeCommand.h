#pragma once

#include <QString>

namespace tarvand {

// The asset register's "چاپ باركد ...": hands the whole register to the barcode-label designer of
// the suite (BarCode.dll beside the host). Two global temporary tables of the session are made
// for it, the label table (one row per asset: code, name, dates, a zero price) and the price
// table (code and cost price); the designer reads the label table through the host's connection.
// The tables stay until the connection that made them closes.
class BarcodeCommand {
public:
    // Does nothing when the module cannot be loaded or lacks DesignBarCode.
    static void Run();

    // The statements that fill the two tables (names with their "##").
    static QString LabelTableStatement(const QString& labelTable, const QString& workDate);
    static QString PriceTableStatement(const QString& priceTable);
};

} // namespace tarvand
