#pragma once

#include <QLibrary>
#include <QString>

class QWidget;

// The entries follow the standard calling convention of exported functions, which only 32-bit
// Windows tells apart.
#if defined(_WIN32) && !defined(_WIN64)
#define TARVAND_ENTRY_CALL __stdcall
#else
#define TARVAND_ENTRY_CALL
#endif

namespace tarvand {
class TGlobal;
class TMyDate;
class TMyDatabase;
namespace host {
class TDlgMsg;
class TShowStateForm;
class TTempGridForm;
} // namespace host
} // namespace tarvand

namespace tarvand::host {

// The module as the host sees it: a library loaded by path with two entries. Ostavan shows the
// module's window inside a widget of the host and hands it the host objects; Release_It destroys
// that window. The host calls Release_It before it unloads the library.
class ModuleLibrary {
public:
    using OstavanEntry = void(TARVAND_ENTRY_CALL*)(QWidget* parent, TGlobal* global, TMyDate* myDate,
                                                   TMyDatabase* myDatabase, TTempGridForm* tempGridForm,
                                                   TShowStateForm* showStateForm, TDlgMsg* dlgMsg);
    using ReleaseEntry = void(TARVAND_ENTRY_CALL*)();

    ModuleLibrary() = default;
    // Releases the window and unloads the library when still loaded.
    ~ModuleLibrary();
    ModuleLibrary(const ModuleLibrary&) = delete;
    ModuleLibrary& operator=(const ModuleLibrary&) = delete;

    const QString& Path() const { return path_; }
    bool IsLoaded() const { return ostavan_ != nullptr; }

    // Loads the library and finds both entries; throws Exception naming the file and what is
    // missing. The path is mapped to the platform as a suite path is (separators, library suffix,
    // case). Throws as well when another module is loaded already.
    void Load(const QString& path);
    // Throws Exception when the module is not loaded; exceptions of the module pass through.
    void Ostavan(QWidget* parent, TGlobal* global, TMyDate* myDate, TMyDatabase* myDatabase,
                 TTempGridForm* tempGridForm, TShowStateForm* showStateForm, TDlgMsg* dlgMsg);
    void ReleaseIt();
    // Release_It, then unload. Does nothing when the module is not loaded.
    void Unload();

    // The module built with the host: beside the executable (Windows) or in the lib folder next
    // to the executable's folder (the build tree of Unix systems).
    static QString DefaultPath(const QString& executableFolder);

private:
    QString path_;
    QLibrary library_;
    OstavanEntry ostavan_ = nullptr;
    ReleaseEntry release_ = nullptr;
};

} // namespace tarvand::host
