#include "PictureFolder.h"

#include <QDir>

namespace tarvand::testsupport {

QString PictureFolder::Path(const QTemporaryDir& fallback) {
    const QString folder = qEnvironmentVariable("TARVAND_PICTURE_DIR");
    if (folder.isEmpty())
        return fallback.path();
    QDir().mkpath(folder);
    return folder;
}

} // namespace tarvand::testsupport
