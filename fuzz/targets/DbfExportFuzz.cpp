// The dBASE export on arbitrary rows. The first line of an input chooses the columns of a table
// of every kind the export meets (letters a-h, repeats allowed, so that names are cut and made
// unique; an odd first byte writes the DOS code page); every further line is a row, its values
// separated by tabs. Each file written is read back: as many records and fields as the dataset.
// SQLite keeps any value in any column, so rows may hold what a company database never would.
#include "DbfExport.h"
#include "EDatabaseError.h"
#include "Exception.h"
#include "SqliteBackend.h"
#include "TADOConnection.h"
#include "TADOQuery.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <shapefil.h>

using namespace tarvand;

namespace {

const QStringList columnNames = {
    QStringLiteral("Code"),
    QStringLiteral("Amount"),
    QStringLiteral("Rate"),
    QStringLiteral("ShortText"),
    QStringLiteral("WideText"),
    QStringLiteral("DescriptionOfAsset"),
    QStringLiteral("DescriptionOfAssetCount"),
    QStringLiteral("Stamp"),
};

std::unique_ptr<data::TADOConnection> rowsTable() {
    auto connection = std::make_unique<data::TADOConnection>(
        std::make_unique<sql::SqliteBackend>(QStringLiteral(":memory:")));
    connection->Execute(QStringLiteral(
        "Create Table FuzzRows (Code Int, Amount SmallInt, Rate Float, ShortText VarChar(10), WideText "
        "NVarChar(3), DescriptionOfAsset VarChar(250), DescriptionOfAssetCount Int, Stamp DateTime)"));
    return connection;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::unique_ptr<data::TADOConnection> connection = rowsTable();
    static const QTemporaryDir folder;
    const QStringList lines =
        QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)).split(QLatin1Char('\n'));
    QStringList selected;
    for (QChar c : lines.first()) {
        if (c >= u'a' && c <= u'h' && selected.size() < 12)
            selected.append(columnNames.at(c.unicode() - u'a'));
    }
    if (selected.isEmpty())
        return 0;
    const auto textCode = size > 0 && (data[0] & 1) ? DbfExport::TextCode::Dos : DbfExport::TextCode::Windows;

    connection->BeginTrans();
    for (qsizetype i = 1; i < lines.size() && i <= 20; ++i) {
        QVariantList values;
        for (const QString& value : lines.at(i).split(QLatin1Char('\t')).mid(0, columnNames.size()))
            values.append(value);
        while (values.size() < columnNames.size())
            values.append(QVariant());
        try {
            connection->Backend().execute(
                QStringLiteral("Insert Into FuzzRows Values (?, ?, ?, ?, ?, ?, ?, ?)"), values);
        } catch (const EDatabaseError&) {
            // A value the column refuses leaves its row out.
        }
    }
    data::TADOQuery query;
    query.SetConnection(connection.get());
    query.SetSQL(QStringLiteral("Select ") + selected.join(QStringLiteral(", ")) +
                 QStringLiteral(" From FuzzRows"));
    query.Open();
    const QString path = folder.filePath(QStringLiteral("rows.dbf"));
    QFile::remove(path);
    try {
        DbfExport::Write(query, path, textCode);
    } catch (const Exception&) {
        // A value the export cannot write (text in a number column, a number too wide) refuses
        // the whole file: none may be left behind.
        if (QFile::exists(path))
            std::abort();
        connection->RollbackTrans();
        return 0;
    }
    const DBFHandle dbf = DBFOpen(path.toLocal8Bit().constData(), "rb");
    if (dbf == nullptr || DBFGetRecordCount(dbf) != query.RecordCount() ||
        DBFGetFieldCount(dbf) != query.FieldCount())
        std::abort();
    DBFClose(dbf);
    query.Close();
    connection->RollbackTrans();
    return 0;
}
