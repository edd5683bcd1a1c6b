#pragma once

#include "ListPickerSetup.h"
#include "TForm.h"
#include "ui_TTempGridForm.h"

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

// The host's list picker. A caller fills the set-up it inherits, gives quTemp the host's
// connection and its statement, opens it (or leaves that to the picker) and calls ShowModal. The
// picker shows the first ColumnCount fields of quTemp with the given titles and widths under
// Title, starts on the row whose KeyFields hold KeyValues, and ends with modal result 1 when the
// user chooses a row (Enter, double click, the OK button; the row stays current in quTemp) or 2
// when the user leaves (Esc, the close button). A global temporary table named in TableName
// ("##…") is dropped when the picker closes; quTemp keeps the rows it read, so the caller reads
// the choice after that.
class TTempGridForm : public ui::TForm, public Ui_TempGridForm, public ListPickerSetup {
    Q_OBJECT

public:
    // myDatabase drops the temporary tables; quTemp starts on its connection.
    explicit TTempGridForm(TMyDatabase* myDatabase, QWidget* parent = nullptr);
    ~TTempGridForm() override;

    data::TADOQuery* quTemp;
    data::TDataSource* dsTemp;

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
