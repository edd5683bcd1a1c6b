#pragma once

#include "GridDataListener.h"
#include "TColumn.h"
#include "TColumnTitle.h"
#include "TControl.h"
#include "TDBGridColumns.h"
#include "TDBGridOptions.h"
#include "UiTypes.h"

#include <QPointer>
#include <QTableView>
#include <functional>
#include <memory>

class QLineEdit;

namespace tarvand::data {
class TDataSet;
class TDataSource;
class TField;
} // namespace tarvand::data

namespace tarvand::ui {

class DBGridDelegate;
class DBGridKeyboard;
class DBGridModel;

// The data-aware grid. Its rows are the records of the data source's dataset, read on demand, and
// its current row is the dataset's cursor: moving in the grid moves the dataset (and posts the
// record left, which BeforePost may refuse: the grid then stays on the record with what was
// typed), and moving the dataset moves the grid.
//
// Keys go to OnKeyDown first (the handler may change the key, or set it to 0 to stop it there),
// then to the grid: arrows move, Down on the last record appends one, Insert inserts, Enter
// writes the cell being edited into its field, Esc undoes the cell and then the record. Ctrl+Del
// and other shortcuts of the grid's popup menu run their menu item; the grid itself never
// deletes. A typed character goes to OnKeyPress (which may replace it, or set it to 0 to drop
// it) and then into the cell: the first one starts the dataset's Edit (BeforeEdit may refuse, and
// nothing is typed) and opens the cell editor, with the field's edit mask and length.
class TDBGrid : public QTableView, public TControl, private GridDataListener {
    Q_OBJECT
    TARVAND_CONTROL_PROPERTIES

public:
    explicit TDBGrid(QWidget* parent = nullptr);
    ~TDBGrid() override;

    data::TDataSource* DataSource() const;
    void SetDataSource(data::TDataSource* source);
    // The open dataset behind the grid, else null.
    data::TDataSet* DataSet() const;
    TDBGridColumns* Columns() const;

    TDBGridOptions Options() const { return options_; }
    void SetOptions(TDBGridOptions options);
    // A read-only grid never edits, inserts or appends, whatever its options.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);

    // The selected column. Setting it first writes the cell being edited into its field (and
    // throws what the field throws), then moves and runs OnColEnter when the column changed.
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int index);
    data::TField* SelectedField() const;
    void SetSelectedField(data::TField* field);

    // Whether the cell editor is open. Closing it writes what was typed into the field.
    bool EditorMode() const;
    void SetEditorMode(bool open);
    // The text of the cell editor, or of the selected field when none is open.
    QString EditText() const;
    // Writes what was typed in the cell editor into its field; nothing when nothing was typed.
    // Throws what the field throws for an unacceptable text.
    void UpdateData();

    QColor FixedColor() const;
    void SetFixedColor(const QColor& color);
    QColor TitleFontColor() const;
    void SetTitleFontColor(const QColor& color);
    int DefaultRowHeight() const;
    void SetDefaultRowHeight(int height);
    // Rows that fit on screen.
    int VisibleRowCount() const;

    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnColEnter;
    TNotifyEvent OnColExit;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TNotifyEvent OnDblClick;
    std::function<void(TColumn* Column)> OnTitleClick;
    std::function<void(TColumn* Column)> OnCellClick;

protected:
    QPalette::ColorRole ColorRole() const override { return QPalette::Base; }
    QPalette::ColorRole FontColorRole() const override { return QPalette::Text; }
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    friend class DBGridDelegate;
    friend class DBGridKeyboard;

    void recordUpdateRequested() override;
    void currentRecordChanged() override;
    void dataSetStateChanged() override;

    bool startEditing();
    bool openEditor();
    void closeCellEditor();
    bool canModify() const;
    bool commitGuarded();
    void leftGrid();

    // From the delegate.
    void editorCreated(QLineEdit* editor, int row, int column);
    void editorDestroyed(QWidget* editor);
    void editorTextEdited();
    void editorLostFocus();
    bool editorKey(QKeyEvent* event);

    void applyColumns();
    void applyColumn(int index);
    int defaultWidth(int index) const;
    void syncCurrentIndex();
    void applyOptions();

    DBGridModel* model_;
    DBGridDelegate* delegate_;
    std::unique_ptr<DBGridKeyboard> keyboard_;
    TDBGridOptions options_;
    bool readOnly_ = false;
    int selectedIndex_ = 0;
    QPointer<QLineEdit> editor_;
    int editorRow_ = -1;
    int editorColumn_ = -1;
    bool editorModified_ = false;
    bool forwarding_ = false;
    bool applyingWidths_ = false;
    bool focusInside_ = false;
};

} // namespace tarvand::ui
