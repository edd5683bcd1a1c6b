#pragma once

#include <QChar>
#include <QString>

class QRect;
class QWidget;

namespace tarvand {

namespace data {
class TADOConnection;
}
namespace ui {
class TForm;
class TShape;
class TSpeedButton;
} // namespace ui

// The host's toolkit object: who is working on which company and period, and the operations that
// every editor shares (settings texts, code padding, keyboard filtering, amount formatting, rights).
class TGlobal {
public:
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
    bool FilterActive = false; // a filter dialog is open or a filter applied
    // Theme colours kept for other users of the object, as 0x00BBGGRR.
    unsigned int GridCaptionFRColor = 0x00000000;
    unsigned int GridCaptionFSColor = 0x000000FF;

    // --- settings texts: runs of KEY=value; entries, keys matched upper-cased
    static QString GetSetting(const QString& text, const QString& key);
    static QString SetSetting(const QString& list, const QString& key, const QString& value);

    // --- user rights
    void LoadCopyPrintRights(data::TADOConnection* connection);

    // --- text and keyboard helpers
    static QString PadBlank(const QString& text, int width);
    static QString PadChar(const QString& text, QChar fill, int width);
    static bool KeyAllowed(const QString& mode, QChar key);
    static QString RemoveBlanks(const QString& text);
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
};

} // namespace tarvand
