#pragma once

#include <QString>

namespace tarvand {

namespace data {
class TDataSet;
}

// Writes a dataset into a dBASE table (the FoxPro 2 / dBASE III layout without memo, version byte
// 03h, which every dBASE reader opens) through shapelib. One field per field of the dataset, under
// its name (cut to the format's ten characters and made unique): float fields as numbers 'F' 20.4,
// integer and small-integer fields as numbers 'N' 11.0 and 'N' 6.0, text fields as text of their
// size, anything else as text of 250 characters. Text is the field's display text, in code page
// 1256 (language driver 7Eh) or in the DOS Persian code page (IranSystem; no language driver, as
// none names it). Numbers are written as numbers: a display text may carry thousands separators
// that a dBASE number cannot hold; a NULL stays empty.
class DbfExport {
public:
    enum class TextCode { Windows, Dos };

    // Replaces the file at path with the dataset's records from the first; the dataset's cursor
    // comes back to the record it was on. Throws Exception when the file cannot be written.
    static void Write(data::TDataSet& dataset, const QString& path, TextCode textCode);
};

} // namespace tarvand
