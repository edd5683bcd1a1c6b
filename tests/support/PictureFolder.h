#pragma once

#include <QString>
#include <QTemporaryDir>

namespace tarvand::testsupport {

// Where tests put the pictures of the windows they drive: the folder TARVAND_PICTURE_DIR names,
// so that people can look at them, or else the test's own temporary folder.
class PictureFolder {
public:
    static QString Path(const QTemporaryDir& fallback);
};

} // namespace tarvand::testsupport
