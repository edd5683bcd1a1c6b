#pragma once

namespace tarvand {

namespace ui {
class TImageList;
}

// The pictures of the grid menu's "send to" entries: clipboard, spreadsheet, word processor and
// web page, drawn rather than shipped as files.
class KorvPictures {
public:
    // The index of the first of the four pictures in the image list, adding them the first time a
    // list is asked; -1 without a list. Every grid of a window shares its window's list, so the
    // pictures are added to it once.
    static int SendToPictures(ui::TImageList* images);
};

} // namespace tarvand
