#pragma once

#include <QChar>
#include <QString>

namespace tarvand {

namespace data {
class TADOConnection;
}

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
};

} // namespace tarvand
