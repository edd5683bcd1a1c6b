#pragma once

#include "TPrintParams.h"

#include <QChar>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QRect;
class QWidget;

namespace tarvand {

class SiblingModule;
class TMyDatabase;

namespace data {
class TADOConnection;
class TADOQuery;
class TDataSet;
} // namespace data
namespace host {
class TDlgMsg;
}
namespace ui {
class TColumn;
class TDBGrid;
class TForm;
class TMenuItem;
class TShape;
class TSpeedButton;
} // namespace ui

// The host's toolkit object: who is working on which company and period, and the operations that
// every editor shares (settings texts, code padding, keyboard filtering, amount formatting, rights).
class TGlobal {
public:
    using ShowMsgHandler = std::function<int(const QString& msg, const QString& title, const QString& kind)>;

    TGlobal();

    QString CompanyCode;
    QString FiscalYear; // four digits
    QString WorkDate;   // yyyy/mm/dd
    int UserId = 0;
    QString SessionTag; // part of every temporary-table name of this session
    QString AppPath;    // the suite's folder
    QString PeriodFrom; // first and last date of the fiscal period, yyyy/mm/dd
    QString PeriodTo;
    QString PlatformName;   // "Windows NT" on NT-family systems
    QString KeyboardLayout; // "WIN" for the standard Windows Persian layout
    QString CopyAllowed;    // COPY and PRINT of the user's settings, upper case; "NO" refuses
    QString PrintAllowed;
    bool FilterActive = false;    // a filter dialog is open or a filter applied
    bool GridMenusAllowed = true; // off: no grid opens its popup menu (the host may lock them)
    // Theme colours kept for other users of the object, as 0x00BBGGRR.
    unsigned int GridCaptionFRColor = 0x00000000;
    unsigned int GridCaptionFSColor = 0x000000FF;

    // The host's database object and message dialog; the filter module gets them.
    TMyDatabase* MyDatabase = nullptr;
    host::TDlgMsg* DlgMsg = nullptr;
    // Where the operations show their messages (the owner of the message dialog sets it).
    ShowMsgHandler OnShowMsg;
    // Opens an exported file in the program the desktop has for it.
    std::function<void(const QString& path)> OpenDocument;
    // A plain message box, for the loader's messages about the print modules.
    std::function<void(const QString& text)> ShowMessage;

    // --- settings texts: runs of KEY=value; entries, keys matched upper-cased
    static QString GetSetting(const QString& text, const QString& key);
    static QString SetSetting(const QString& list, const QString& key, const QString& value);

    // --- column layouts, stored per user in Grid_State under four codes that name the grid
    void SaveColumnState(ui::TDBGrid* grid, const QString& sProg, const QString& sItem, const QString& sForm,
                         const QString& sPart);
    void ResetColumnState(ui::TDBGrid* grid, const QString& sProg, const QString& sItem, const QString& sForm,
                          const QString& sPart);
    void ApplyColumnState(data::TADOQuery* query, ui::TDBGrid* grid, const QString& sProg,
                          const QString& sItem, const QString& sForm, const QString& sPart);
    // Index of the first column showing the field (case-insensitive), -1 when none.
    static int FindGridColumn(ui::TDBGrid* grid, const QString& fieldName);

    // --- sorting, searching and filtering
    bool SortByTitle(ui::TDBGrid* grid, ui::TColumn* lastColumn, ui::TColumn* column, const QString& prefix);
    bool SortByColumn(data::TDataSet* dataset, ui::TDBGrid* grid, int columnIndex);
    void SearchGrid(ui::TDBGrid* grid, const QString& text1, const QString& text2, QString& searchMemory);
    void AdvancedSort(ui::TDBGrid* grid);
    QString ShowFilterDialog(ui::TDBGrid* grid, const QString& reportText);
    void ToggleFilter(ui::TMenuItem* item, ui::TDBGrid* grid, data::TDataSet* unfiltered,
                      const QString& reportText);

    // --- exports of the visible columns; each also leaves its text on the clipboard
    void CopyGridToClipboard(data::TDataSet* dataset, ui::TDBGrid* grid, QWidget* window, bool reversed);
    void ExportGridToFile(ui::TDBGrid* grid, bool reversed, const QString& extension);
    void ExportGridToHtml(ui::TDBGrid* grid, bool reversed, const QString& title);

    // --- record and cell memory
    QString CopyRecord(ui::TDBGrid* grid);
    void PasteRecord(data::TDataSet* dataset, ui::TDBGrid* grid, const QString& buffer);
    void CopyCell(ui::TDBGrid* grid);
    void PasteCell(ui::TDBGrid* grid);

    // --- sibling form modules
    // Where a sibling module is loaded from: AppPath + its suite path, or, while a debugger is
    // attached, the developer's own build of it when one is named.
    QString ModulePath(const QString& suitePath, const QString& developerPath = QString()) const;
    // Loads the module file into module; on failure tells the user which file is missing or
    // unusable and returns false.
    bool LoadModule(SiblingModule& module, const QString& path);
    // Print.dll (Print1.dll when advanced) gets the address of the copy, completed with the
    // session's part.
    void PrintGrid(TPrintParams params, bool advanced);
    void ShowReportProperties(const QString& title, data::TDataSet* dataset);

    // --- user rights
    void LoadCopyPrintRights(data::TADOConnection* connection);

    // --- text and keyboard helpers
    // The trimmed text right-aligned in width (cut to width when longer).
    static QString PadBlank(const QString& text, int width);
    static QString PadChar(const QString& text, QChar fill, int width);
    static bool KeyAllowed(const QString& mode, QChar key);
    static QString RemoveBlanks(const QString& text);
    // The character to insert for one typed: digits as 0-9 and yeh and kaf in their stored forms
    // (PersianText), then the layout's own mappings.
    QChar NormalizeKey(QChar key) const;
    static QString ReplaceFirst(const QString& text, const QString& oldText, const QString& newText,
                                const QString& mode);
    static QString ReplaceAll(const QString& text, const QString& oldText, const QString& newText);
    static QString FormatAmount(const QString& amount);
    QString FiscalPeriodSuffix() const;

    // --- theme colours and window shape (the colours come from AppPath\Data\Options.ini)
    // Colours the form and the controls it owns, matched by exact class name; embedded forms
    // keep their own theme.
    void ApplyTheme(ui::TForm* form);
    // The whole window treatment of a form with caption buttons: rounded region, theme, and the
    // buttons laid out from the right edge (of the screen when fullScreen) leftwards. The last
    // three shapes and buttons may be null.
    void ShapeForm(bool fullScreen, ui::TForm* form, ui::TShape* closeShape, ui::TShape* minShape,
                   ui::TShape* sysShape, ui::TShape* condShape, ui::TSpeedButton* closeButton,
                   ui::TSpeedButton* minButton, ui::TSpeedButton* sysButton, ui::TSpeedButton* condButton);
    // Rounds the corners of the window region (0, 0) to (right, bottom) of rect.
    void RoundWindow(const QRect& rect, ui::TForm* form);
    // Lets the mouse move the window of control while the left button stays down.
    void StartDragMove(QWidget* control);

private:
    int showMsg(const QString& msg, const QString& title, const QString& kind);

    // Queries of applied filters; they live as long as the session, undoing only detaches them.
    std::vector<std::shared_ptr<data::TADOQuery>> filterQueries_;
};

} // namespace tarvand
