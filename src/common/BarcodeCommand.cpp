#include "BarcodeCommand.h"

#include "HostContext.h"
#include "SiblingEntries.h"
#include "SiblingModule.h"
#include "SqlEscape.h"
#include "TGlobal.h"
#include "TMyDatabase.h"
#include "TMyDate.h"

namespace tarvand {

namespace {

const QLatin1String barcodeModule("\\DLLs\\Tavesh\\BarCode.dll");
const QLatin1String developerBarcodeModule("E:\\Korvash\\Barcode\\BarCode.dll");

} // namespace

QString BarcodeCommand::LabelTableStatement(const QString& labelTable, const QString& workDate) {
    return QStringLiteral(
               "Select Identity(int,1,1) as idx,DaraCod As KalaCode, DaraNam As KalaName,BahreDate As "
               "KalaDate , Cast(0 As Float) As FeeSales, DaraNam As KalaName2,Cast('") +
           SqlEscape(workDate) +
           QStringLiteral("' as varchar(10)) As CurDate,Cast('1' As Varchar(1)) As Amval Into ") +
           labelTable + QStringLiteral(" From D_Amval");
}

QString BarcodeCommand::PriceTableStatement(const QString& priceTable) {
    return QStringLiteral(" Select DaraCod as xx,EndValue as Fee into ") + priceTable +
           QStringLiteral(" From D_Amval ");
}

void BarcodeCommand::Run() {
    SiblingModule module;
    if (!module.Load(Global->ModulePath(barcodeModule, developerBarcodeModule)))
        return;
    const auto designBarCode = module.Resolve<sibling::DesignBarCodeEntry>("DesignBarCode");
    if (designBarCode == nullptr)
        return;

    // Each name takes its own time stamp, as the suite's names do.
    const QString labelName = Global->SessionTag + MyDate->TimeStamp() + QStringLiteral("_Temp");
    const QString priceName = Global->SessionTag + MyDate->TimeStamp() + QStringLiteral("_Fee");
    const QString labelTable = QStringLiteral("##") + labelName;
    const QString priceTable = QStringLiteral("##") + priceName;
    MyDatabase->DropTempTable(labelName);
    MyDatabase->ExecSql(LabelTableStatement(labelTable, Global->WorkDate));
    MyDatabase->ExecSql(PriceTableStatement(priceTable));

    const QString codeColumn = QStringLiteral("KalaCode");
    const QString nameColumn = QStringLiteral("KalaName");
    const QString priceColumn = QStringLiteral("FeeSales");
    designBarCode(MyDatabase->Connection(), &labelTable, &codeColumn, &nameColumn, &priceColumn, true);
}

} // namespace tarvand
