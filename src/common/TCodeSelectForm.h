#pragma once

#include "TForm.h"
#include "ui_TCodeSelectForm.h"

#include <QString>
#include <memory>

namespace tarvand {

namespace data {
class TADOQuery;
class TDataSource;
} // namespace data
namespace ui {
class TColumn;
class TMenuItem;
class TPopupMenu;
} // namespace ui

// Lets the user tick any number of rows of a table of people (Code, Name, Family) and hands the
// ticked codes back as one text, "12,15". The rows are copied with a mark into a global
// temporary table of this session, shown read-only; Space or a double click on the mark column
// ticks and unticks a row, the popup menu ticks all, none or the others. The caller sets
// SourceTable and Selection, shows the form modally and, on 1, reads Selection.
class TCodeSelectForm : public ui::TForm, public Ui_CodeSelectForm {
    Q_OBJECT

public:
    explicit TCodeSelectForm(QWidget* parent = nullptr);
    ~TCodeSelectForm() override;

    QString SourceTable;
    // In: the codes shown ticked (a row is ticked when its code occurs in the text). Out after
    // OK: the ticked codes in code order, joined by ",".
    QString Selection;
    QString TempTable;
    QString SearchMemory;

    data::TADOQuery* quTemp;
    data::TADOQuery* quAnbarSelect;
    data::TDataSource* dsAnbarSelect;
    ui::TPopupMenu* pmAnbar;
    ui::TMenuItem* SearchItem;
    ui::TMenuItem* SaveGridItem;
    ui::TMenuItem* ClipboardItem;
    ui::TMenuItem* SelectAllItem;
    ui::TMenuItem* NotSelectAllItem;
    ui::TMenuItem* SelectRevertItem;
    ui::TMenuItem* PrintItem;

private:
    void FormShow(QObject* Sender);
    void FormShortCut(ui::WORD Key, ui::TShiftState Shift, bool& Handled);
    void Ok_BitBtnClick(QObject* Sender);
    void Cancel_BitBtnClick(QObject* Sender);
    void Caption_MouseDown(QObject* Sender, ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y);
    void dbg_DblClick(QObject* Sender);
    void dbg_KeyDown(QObject* Sender, ui::WORD& Key, ui::TShiftState Shift);
    void dbg_TitleClick(ui::TColumn* Column);
    void pmAnbarPopup(QObject* Sender);
    void SearchItemClick(QObject* Sender);
    void SaveGridItemClick(QObject* Sender);
    void ClipboardItemClick(QObject* Sender);
    void PrintItemClick(QObject* Sender);

    void buildMenu();
    void toggleMark();
    // Runs an update of every mark and comes back to the row the user was on.
    void markAll(const QString& statement);

    std::unique_ptr<data::TADOQuery> workQuery_;
    std::unique_ptr<data::TADOQuery> listQuery_;
    std::unique_ptr<data::TDataSource> listSource_;
};

} // namespace tarvand
