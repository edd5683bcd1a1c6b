#pragma once

#include <QLibrary>
#include <QString>

namespace tarvand {

// One sibling form module, loaded by path for one command and unloaded when this object goes.
// The path is the suite's (AppPath + "\DLLs\GlobalForms\Search.dll") and is mapped to the file of
// this platform. A library that loads but does not answer TarvandSiblingAbi with our version is
// unloaded again and counts as not loadable.
class SiblingModule {
public:
    SiblingModule() = default;
    ~SiblingModule();
    SiblingModule(const SiblingModule&) = delete;
    SiblingModule& operator=(const SiblingModule&) = delete;

    bool Load(const QString& suitePath);
    bool IsLoaded() const { return library_.isLoaded(); }
    void Unload();

    // The entry of that name, null (with ErrorString set) when the module lacks it.
    template <typename Entry> Entry Resolve(const char* name) {
        return reinterpret_cast<Entry>(resolve(name));
    }

    // A text a module returned, in memory of our own: a module's literals live in its image,
    // which goes when the module is unloaded.
    static QString OwnCopy(const QString& text) { return QString(text.constData(), text.size()); }

    // The platform path that was tried.
    QString FilePath() const { return filePath_; }
    // Whether that file exists (a module that exists but cannot be loaded is reported differently).
    bool FileExists() const;
    // What went wrong in the last Load or Resolve.
    QString ErrorString() const { return error_; }

private:
    QFunctionPointer resolve(const char* name);

    QLibrary library_;
    QString filePath_;
    QString error_;
};

} // namespace tarvand
