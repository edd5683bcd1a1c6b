#pragma once

#include "EditorProfile.h"
#include "TForm.h"
#include "TKorvObject.h"

#include <QPointer>
#include <exception>
#include <memory>

namespace tarvand {

namespace data {
class TADOQuery;
class TCustomADODataSet;
class TDataSource;
class TField;
} // namespace data
namespace ui {
class TColumn;
class TDBGrid;
class TPopupMenu;
} // namespace ui

// The behaviour every base-table editor shares: a grid over one table in which the user types,
// with Enter walking the columns, a digits-only code column, a hint per column, padding and
// checks before a row is written, protection of codes that other records use, deletion only
// through the grid command object, and the table's duplicate-key error shown in Persian. An
// editor supplies its profile and its layout, and overrides the hooks for what only it does.
class TBaseEditorForm : public ui::TForm {
    Q_OBJECT

public:
    ~TBaseEditorForm() override;

    const EditorProfile& Profile() const { return profile_; }
    ui::TDBGrid* Grid() const { return grid_; }
    data::TCustomADODataSet* DataSet() const { return dataSet_.get(); }
    data::TDataSource* DataSource() const { return dataSource_.get(); }

    // The editor's work query: existence checks and the column-state read.
    data::TADOQuery* quTemp;
    ui::TPopupMenu* pmGrid; // the grid's popup menu, filled by the grid command object
    // The grid command object: popup menu, deletion, reports, column layouts.
    TKorvObject* GridCommands;
    // The code and name of the current row as it was when it became current.
    QString OldCode;
    QString OldName;
    // The column whose title was clicked last.
    QPointer<ui::TColumn> TitleColumn;

    void FormShow();
    void FormClose(ui::TCloseAction& Action);
    void FormDestroy();
    virtual void dbg_KeyDown(QObject* Sender, ui::WORD& Key, ui::TShiftState Shift);
    virtual void dbg_KeyPress(QObject* Sender, QChar& Key);
    virtual void dbg_ColEnter();
    void dbg_Enter();
    virtual void dbg_DblClick();
    void dbg_TitleClick(ui::TColumn* Column);
    void tbl_BeforePost();
    void tbl_AfterPost();
    void tbl_BeforeDelete();
    void tbl_AfterDelete();
    void tbl_AfterCancel();
    void tbl_AfterScroll();

    void AssignConnection();
    // The set-up steps of FormShow.
    virtual void PrepareEditor();
    virtual void AppException(QObject* Sender, const std::exception& E);
    // Validation of the current row; on a refusal the user has been told and the offending
    // column is selected.
    virtual bool CheckRecord();
    // Opens the lookup of a picker column and writes the choice back; returns the modal result
    // (1 when a row was chosen).
    virtual int PickCode(int Column);

protected:
    // The dataset is a table, or a query for editors over a statement.
    TBaseEditorForm(EditorProfile profile, std::unique_ptr<data::TCustomADODataSet> dataSet);

    // Called once the layout exists: the grid gets its data source, design columns, options,
    // popup menu and events.
    void BindGrid(ui::TDBGrid* grid);

    // Hooks for what an editor adds to the common steps.
    virtual void ShowCaptions() {}
    virtual void PrepareExtra() {}
    virtual void PadExtra() {}
    virtual bool CheckExtra() { return true; }
    virtual void ScrollExtra() {}
    // After a row was written (OldCode still names the code it had) and after one was deleted
    // (OldCode names the deleted code).
    virtual void PostExtra() {}
    virtual void DeleteExtra() {}
    // Once the grid command object has built the popup menu.
    virtual void MenuExtra() {}
    virtual QString HintLine(const QString& field) const { return profile_.Hint(field); }
    // Writes a column's hint where the user reads it: the window's hint panel.
    virtual void ShowHint(const QString& hint);
    // What the grid command object is told; the column layout is stored under the same codes.
    virtual TKorvObject::Settings CommandSettings() const;

    // Columns are found by their field: a saved layout may have moved them.
    // The grid column showing the field, -1 when none does.
    int ColumnOf(const QString& field) const;
    // The field of a grid column, whether the dataset is open or not.
    QString ColumnFieldName(int column) const;
    QString SelectedFieldName() const;
    bool IsSelected(const QString& field) const;
    // The display text of a field of the current row; empty when the dataset is closed.
    QString FieldText(const QString& field) const;
    data::TField* ColumnField(int column) const;
    void SelectColumn(int column);
    void SelectField(const QString& field);
    static void ShowError(const QString& message);
    // The start of a key handler that walks an account chain: typing is allowed again, and false
    // for Esc, Home, End, Down, Left and Right, which only move and end the handler there.
    bool ChainKeyDown(ui::WORD key);
    // Tells the user, selects the offending field's column and gives the grid the focus; false.
    bool Refuse(const QString& message, const QString& field);
    // Whether another row already has the name (blanks and kashidas not counting); a name that
    // differs from the row's own only in those is not looked up.
    bool NameTaken(const QString& name, const QString& nameExpression, const QString& value);

private:
    void widenNarrowColumns();

    EditorProfile profile_;
    std::unique_ptr<data::TCustomADODataSet> dataSet_;
    std::unique_ptr<data::TDataSource> dataSource_;
    std::unique_ptr<data::TADOQuery> workQuery_;
    ui::TDBGrid* grid_ = nullptr;
    bool destroyed_ = false;
};

} // namespace tarvand
