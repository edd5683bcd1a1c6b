#pragma once

#include <QKeyCombination>
#include <QList>
#include <QPointer>
#include <QString>

class QObject;

namespace tarvand {

class TSelForm;
namespace data {
class TDataSet;
}
namespace ui {
class TDBGrid;
class TMenuItem;
class TPopupMenu;
} // namespace ui

// The grid command object every editor grid owns: it fills the grid's popup menu with the common
// commands, decides on each opening which of them the user may run, and runs them, mostly through
// the toolkit objects Global and MyDatabase. Two commands are its own: the protected delete (a
// row that other records still use is kept) and the dBASE export.
class TKorvObject {
public:
    // What the editor tells the object, in the order it tells it.
    struct Settings {
        ui::TDBGrid* Grid = nullptr;
        QString Prog; // program, item, form and part: the four codes of the column layout
        QString Item; // "REPORT" marks a report grid
        QString Form;
        QString Part;
        QString PropertyCaption; // caption of the report properties
        QString ReportTitle;
        QString TitleText1; // the two texts that follow the report title
        QString TitleText2;
        QString DependProcedure; // tells whether a key is used elsewhere; empty: none
        QString KeyExpression;   // field names joined by "+"; the part "'_'" stands for "_"
        QString KeyField;
        QString TableName;
        QString ExtraText1; // the four further texts
        QString ExtraText2;
        QString ExtraText3;
        QString ExtraText4;
    };

    // The commands, one per item; an item's Tag is its command.
    enum Command {
        cmHelp = 1,
        cmSearch,
        cmSaveColumns,
        cmResetColumns,
        cmSendTo,
        cmCopyRecord,
        cmPasteRecord,
        cmCopyCell,
        cmPasteCell,
        cmDelete,
        cmFilter,
        cmReportProperties,
        cmPrint,
        cmAdvancedPrint,
        cmAdvancedSort,
        cmBestFit,
        cmDbfDos,
        cmDbfWin,
        cmSendToClipboard = 21,
        cmSendToExcel,
        cmSendToWord,
        cmSendToHtml,
    };

    TKorvObject();
    // Takes its items out of the popup menu.
    ~TKorvObject();
    TKorvObject(const TKorvObject&) = delete;
    TKorvObject& operator=(const TKorvObject&) = delete;

    void Configure(const Settings& settings);
    const Settings& Configuration() const { return settings_; }

    // Adds the commands to the grid's popup menu (making one when the grid has none), replacing
    // the ones added before, and becomes the menu's OnPopup handler. The dataset is taken from the
    // grid's data source now.
    void CreatePopupMenu();
    // The item of a command, or null before the menu is built.
    ui::TMenuItem* MenuItem(Command command) const;

    // OnPopup: the user's copy and print rights are read again; a closed dataset keeps the menu
    // closed (silent abort); the items are enabled for what the dataset holds.
    void PopupMenuPopup(QObject* Sender);
    // Every item's OnClick: runs the command of the item's Tag.
    void MenuClick(QObject* Sender);
    // Deletes the grid's current row after the dependency check and the user's Yes.
    void DeleteRow();
    // Writes the dataset into AppPath as a dBASE file named after the dataset and offers to copy
    // it elsewhere; mode "DOS" converts text to the DOS Persian code page, "WIN" keeps code page
    // 1256.
    void ExportDbf(const QString& mode);
    // The key of the current row for the dependency check, built from the key expression.
    QString KeyValue(data::TDataSet& dataset) const;

    QString SearchMemory; // the texts searched for in this grid, per column
    QString RowMemory;    // the row kept by the record copy

private:
    data::TDataSet* gridDataSet() const;
    data::TDataSet* openDataSet() const;
    ui::TMenuItem* addItem(ui::TMenuItem* parent, Command command, const char* caption,
                           QKeyCombination shortCut);
    void removeItems();
    void sendTo(Command command);
    void print(bool advanced);
    void copyExport(const QString& fileName);

    Settings settings_;
    data::TDataSet* dataSet_ = nullptr; // the dataset when the menu was built: the unfiltered one
    QPointer<ui::TPopupMenu> popupMenu_;
    QList<QPointer<ui::TMenuItem>> items_;
    QPointer<TSelForm> createdSelForm_;
};

} // namespace tarvand
