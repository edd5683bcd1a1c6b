#include "ModuleLibrary.h"

#include "Exception.h"
#include "LibraryFile.h"
#include "SuitePath.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace tarvand::host {

namespace {

const char* const ostavanName = "Ostavan";
const char* const releaseName = "Release_It";

} // namespace

ModuleLibrary::~ModuleLibrary() {
    // A destructor cannot pass the module's failure on; the library is unloaded all the same.
    try {
        Unload();
    } catch (const std::exception& error) {
        qWarning("Release_It of %s failed: %s", qUtf8Printable(path_), error.what());
        library_.unload();
    }
}

QString ModuleLibrary::DefaultPath(const QString& executableFolder) {
    const QDir folder(executableFolder);
    const QString beside = SuitePath::ToPlatform(folder.filePath(QStringLiteral("tarvand.dll")));
    if (QFileInfo::exists(beside))
        return beside;
    return SuitePath::ToPlatform(folder.filePath(QStringLiteral("../lib/tarvand.dll")));
}

void ModuleLibrary::Load(const QString& path) {
    if (IsLoaded())
        throw Exception(QStringLiteral("The module %1 is loaded already.").arg(path_));
    path_ = SuitePath::ToPlatform(path);
    if (!QFileInfo(path_).isFile())
        throw Exception(QStringLiteral("The module %1 does not exist.").arg(path_));
    if (const QString problem = LibraryFile::Problem(path_); !problem.isEmpty())
        throw Exception(QStringLiteral("Cannot load the module %1: %2").arg(path_, problem));
    library_.setFileName(path_);
    if (!library_.load())
        throw Exception(QStringLiteral("Cannot load the module %1: %2").arg(path_, library_.errorString()));

    const auto ostavan = reinterpret_cast<OstavanEntry>(library_.resolve(ostavanName));
    const auto release = reinterpret_cast<ReleaseEntry>(library_.resolve(releaseName));
    if (!ostavan || !release) {
        QStringList missing;
        if (!ostavan)
            missing << QString::fromLatin1(ostavanName);
        if (!release)
            missing << QString::fromLatin1(releaseName);
        library_.unload();
        throw Exception(QStringLiteral("The module %1 does not export %2.")
                            .arg(path_, missing.join(QStringLiteral(" and "))));
    }
    ostavan_ = ostavan;
    release_ = release;
}

void ModuleLibrary::Ostavan(QWidget* parent, TGlobal* global, TMyDate* myDate, TMyDatabase* myDatabase,
                            TTempGridForm* tempGridForm, TShowStateForm* showStateForm, TDlgMsg* dlgMsg) {
    if (!IsLoaded())
        throw Exception(QStringLiteral("The module %1 is not loaded.").arg(path_));
    ostavan_(parent, global, myDate, myDatabase, tempGridForm, showStateForm, dlgMsg);
}

void ModuleLibrary::ReleaseIt() {
    if (release_)
        release_();
}

void ModuleLibrary::Unload() {
    if (!IsLoaded())
        return;
    ReleaseIt();
    ostavan_ = nullptr;
    release_ = nullptr;
    library_.unload();
}

} // namespace tarvand::host
