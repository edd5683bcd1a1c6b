#pragma once

#include <QString>
#include <array>

namespace tarvand {

// What a caller tells the host's list picker about the list it is to show: the columns, the
// title, the row to start on and the table it reads. The account pickers of the database object
// fill it; the host's picker form is one.
struct ListPickerSetup {
    static constexpr int MaxColumns = 30;
    static constexpr int KeyCount = 4;

    std::array<QString, KeyCount> KeyFields; // unused ones empty
    std::array<QString, KeyCount> KeyValues;
    std::array<QString, MaxColumns> ColumnTitles;
    QString TableName;  // the table the statement reads; dropped on close when it is "##…"
    QString OrderField; // the order the rows are shown in when the result has that field
    std::array<int, MaxColumns> ColumnWidths{};
    int ColumnCount = 0; // 0 shows every field under its own name
    QString Title;

    // Forgets the columns, keys and table of the previous list.
    void ClearSetup() { *this = ListPickerSetup(); }
};

} // namespace tarvand
