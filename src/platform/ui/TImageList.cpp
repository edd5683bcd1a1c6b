#include "TImageList.h"

namespace tarvand::ui {

TImageList::TImageList(QObject* parent, int width, int height) : QObject(parent), size_(width, height) {}

int TImageList::Add(const QPixmap& picture) {
    images_.append(picture.size() == size_ || picture.isNull()
                       ? picture
                       : picture.scaled(size_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return int(images_.size()) - 1;
}

QIcon TImageList::Icon(int index) const {
    return index >= 0 && index < images_.size() ? QIcon(images_.at(index)) : QIcon();
}

QPixmap TImageList::Picture(int index) const {
    return index >= 0 && index < images_.size() ? images_.at(index) : QPixmap();
}

} // namespace tarvand::ui
