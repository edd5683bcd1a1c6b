#include "DbfExport.h"

#include "Cp1256.h"
#include "Exception.h"
#include "IranSystem.h"
#include "TDataSet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <shapefil.h>

namespace tarvand {

namespace {

constexpr int NameLength = 10; // what the format holds
constexpr int OtherTextSize = 250;
constexpr int LongestText = 254;
// dBASE language driver of the Arabic Windows code page.
const char* const WindowsCodePage = "LDID/126";
const char* const NoCodePage = "LDID/0";

struct FieldDefinition {
    char type;
    int width;
    int decimals;
};

FieldDefinition definitionOf(const data::TField& field) {
    switch (field.DataType()) {
    case data::TFieldType::ftFloat:
        return {'F', 20, 4};
    case data::TFieldType::ftInteger:
        return {'N', 11, 0};
    case data::TFieldType::ftSmallint:
        return {'N', 6, 0};
    case data::TFieldType::ftString:
        return {'C', field.Size() > 0 ? qMin(field.Size(), LongestText) : OtherTextSize, 0};
    default:
        return {'C', OtherTextSize, 0};
    }
}

// ASCII, at most ten characters, and different from the names before it.
QByteArray fieldName(const QString& name, int index, QSet<QByteArray>& taken) {
    QByteArray base;
    for (QChar ch : name) {
        if (ch.unicode() < 0x80 && (ch.isLetterOrNumber() || ch == u'_'))
            base.append(char(ch.unicode()));
    }
    if (base.isEmpty())
        base = "FIELD" + QByteArray::number(index + 1);
    base.truncate(NameLength);
    QByteArray unique = base;
    for (int number = 1; taken.contains(unique.toUpper()); ++number) {
        const QByteArray suffix = QByteArray::number(number);
        unique = base.left(NameLength - suffix.size()) + suffix;
    }
    taken.insert(unique.toUpper());
    return unique;
}

QByteArray textBytes(const QString& text, DbfExport::TextCode textCode) {
    return textCode == DbfExport::TextCode::Dos ? IranSystem::Encode(text) : Cp1256::encode(text);
}

void writeValue(DBFHandle dbf, int record, int index, const data::TField& field, char type,
                DbfExport::TextCode textCode) {
    bool written = true;
    if (type != 'C' && field.IsNull())
        written = DBFWriteNULLAttribute(dbf, record, index) != 0;
    else if (type == 'F')
        written = DBFWriteDoubleAttribute(dbf, record, index, field.AsFloat()) != 0;
    else if (type == 'N')
        written = DBFWriteIntegerAttribute(dbf, record, index, field.AsInteger()) != 0;
    else
        // shapelib pads the text to the field's width and cuts what is longer.
        written = DBFWriteStringAttribute(dbf, record, index,
                                          textBytes(field.DisplayText(), textCode).constData()) != 0;
    if (!written)
        throw Exception(QStringLiteral("مقدار فيلد ") + field.FieldName() +
                        QStringLiteral(" در فايل dBASE نوشته نشد."));
}

} // namespace

void DbfExport::Write(data::TDataSet& dataset, const QString& path, TextCode textCode) {
    const QFileInfo target(path);
    // shapelib names the files it creates ".dbf" in lower case; the table is made in a folder of
    // its own beside the target and then moved to the exact name.
    QTemporaryDir work(QDir(target.absolutePath()).filePath(QStringLiteral("dbf-XXXXXX")));
    if (!work.isValid())
        throw Exception(QStringLiteral("فايل ") + QDir::toNativeSeparators(path) +
                        QStringLiteral(" ساخته نشد."));
    const QString workPath = work.filePath(QStringLiteral("table.dbf"));

    DBFHandle dbf = DBFCreateEx(QFile::encodeName(workPath).constData(),
                                textCode == TextCode::Windows ? WindowsCodePage : NoCodePage);
    if (dbf == nullptr)
        throw Exception(QStringLiteral("فايل ") + QDir::toNativeSeparators(path) +
                        QStringLiteral(" ساخته نشد."));
    auto closeTable = qScopeGuard([&dbf] {
        if (dbf != nullptr)
            DBFClose(dbf);
    });

    QList<FieldDefinition> definitions;
    QSet<QByteArray> taken;
    for (int index = 0; index < dataset.FieldCount(); ++index) {
        const data::TField& field = *dataset.FieldByIndex(index);
        const FieldDefinition definition = definitionOf(field);
        if (DBFAddNativeFieldType(dbf, fieldName(field.FieldName(), index, taken).constData(),
                                  definition.type, definition.width, definition.decimals) < 0)
            throw Exception(QStringLiteral("فيلد ") + field.FieldName() +
                            QStringLiteral(" در فايل dBASE ساخته نشد."));
        definitions << definition;
    }

    const int startRecord = dataset.RecNo();
    dataset.DisableControls();
    const auto restore = qScopeGuard([&dataset, startRecord] {
        if (startRecord > 0)
            dataset.SetRecNo(startRecord);
        dataset.EnableControls();
    });
    int record = 0;
    for (dataset.First(); !dataset.Eof(); dataset.Next()) {
        for (int index = 0; index < definitions.size(); ++index)
            writeValue(dbf, record, index, *dataset.FieldByIndex(index), definitions[index].type, textCode);
        ++record;
    }
    DBFClose(dbf);
    dbf = nullptr;

    QFile::remove(path);
    if (!QFile::rename(workPath, path))
        throw Exception(QStringLiteral("فايل ") + QDir::toNativeSeparators(path) +
                        QStringLiteral(" ساخته نشد."));
}

} // namespace tarvand
