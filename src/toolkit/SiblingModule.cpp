#include "SiblingModule.h"

#include "LibraryFile.h"
#include "SiblingEntries.h"
#include "SuitePath.h"

#include <QFileInfo>

namespace tarvand {

SiblingModule::~SiblingModule() {
    Unload();
}

bool SiblingModule::Load(const QString& suitePath) {
    Unload();
    filePath_ = SuitePath::ToPlatform(suitePath);
    error_ = LibraryFile::Problem(filePath_);
    if (!error_.isEmpty())
        return false;
    library_.setFileName(filePath_);
    if (!library_.load()) {
        error_ = library_.errorString();
        return false;
    }
    const auto abi = reinterpret_cast<sibling::AbiEntry>(library_.resolve("TarvandSiblingAbi"));
    if (abi == nullptr) {
        error_ = QStringLiteral("%1 is no sibling module: it lacks TarvandSiblingAbi").arg(filePath_);
        library_.unload();
        return false;
    }
    const int version = abi();
    if (version != SiblingAbiVersion) {
        error_ = QStringLiteral("%1 speaks version %2 of the sibling entries, this program version %3")
                     .arg(filePath_)
                     .arg(version)
                     .arg(SiblingAbiVersion);
        library_.unload();
        return false;
    }
    return true;
}

void SiblingModule::Unload() {
    if (library_.isLoaded())
        library_.unload();
}

bool SiblingModule::FileExists() const {
    return !filePath_.isEmpty() && QFileInfo(filePath_).isFile();
}

QFunctionPointer SiblingModule::resolve(const char* name) {
    if (!library_.isLoaded()) {
        error_ = QStringLiteral("No module is loaded");
        return nullptr;
    }
    const QFunctionPointer entry = library_.resolve(name);
    if (entry == nullptr)
        error_ = QStringLiteral("%1 has no entry %2").arg(filePath_, QLatin1String(name));
    return entry;
}

} // namespace tarvand
