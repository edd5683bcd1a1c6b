#pragma once

#include <QPixmap>

namespace tarvand {

// The pictures of the base-information window, drawn rather than shipped as files: the access
// signs of the caption strip and the tab images.
class ShellPictures {
public:
    static constexpr int TabImageCount = 12;

    // 32 x 22: the current tab may be edited (a green open padlock) or not (a red closed one).
    static QPixmap Access(bool allowed);
    // 16 x 16, by the image index of a tab.
    static QPixmap TabImage(int index);
};

} // namespace tarvand
