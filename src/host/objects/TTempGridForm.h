#pragma once

#include "TForm.h"
#include "ui_TTempGridForm.h"

#include <QString>
#include <array>
#include <memory>

namespace tarvand {
class TMyDatabase;
namespace data {
class TADOQuery;
class TDataSource;
} // namespace data
namespace ui {
class TColumn;
} // namespace ui
} // namespace tarvand

namespace tarvand::host {

// The host's list picker. A caller fills the members below, gives quTemp the host's connection
// and its statement, opens it (or leaves that to the picker) and calls ShowModal. The picker shows
// the first ColumnCount fields of quTemp with the given titles and widths, starts on the row
// whose KeyFields hold KeyValues, and ends with modal result 1 when the user chooses a row (Enter,
// double click, the OK button; the row stays current in quTemp) or 2 when the user leaves (Esc,
// the close button). A global temporary table named in TableName ("##…") is dropped when the
// picker closes; quTemp keeps the rows it read, so the caller reads the choice after that.
class TTempGridForm : public ui::TForm, public Ui_TempGridForm {
    Q_OBJECT

public:
    static constexpr int MaxColumns = 30;
    static constexpr int KeyCount = 4;

    // myDatabase drops the temporary tables; quTemp starts on its connection.
    explicit TTempGridForm(TMyDatabase* myDatabase, QWidget* parent = nullptr);
    ~TTempGridForm() override;

    std::array<QString, KeyCount> KeyFields; // unused ones empty
    std::array<QString, KeyCount> KeyValues;
    std::array<QString, MaxColumns> ColumnTitles;
    QString TableName;  // the table the statement reads; dropped on close when it is "##…"
    QString OrderField; // the order the rows are shown in when the result has that field
    std::array<int, MaxColumns> ColumnWidths{};
    int ColumnCount = 0; // 0 shows every field under its own name

    data::TADOQuery* quTemp;
    data::TDataSource* dsTemp;

    // Forgets the columns, keys and table of the previous list.
    void ClearSetup();

private:
    void FormShow(QObject* Sender);
    void FormClose(QObject* Sender, ui::TCloseAction& Action);
    void FormShortCut(ui::WORD Key, ui::TShiftState Shift, bool& Handled);
    void dbgTempDblClick(QObject* Sender);
    void dbgTempTitleClick(ui::TColumn* Column);
    void Caption_PanelMouseDown(QObject* Sender, ui::TMouseButton Button, ui::TShiftState Shift, int X,
                                int Y);
    void choose();
    void setUpColumns();
    void locateKeys();
    void fitToColumns();
    void dropTemporaryTable();

    std::unique_ptr<data::TADOQuery> query_;
    std::unique_ptr<data::TDataSource> source_;
    TMyDatabase* myDatabase_;
};

} // namespace tarvand::host
