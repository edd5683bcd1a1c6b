#pragma once

#include <QIcon>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QSize>

namespace tarvand::ui {

// Pictures of one size, reached by index from tabs, menu items and buttons.
class TImageList : public QObject {
    Q_OBJECT

public:
    explicit TImageList(QObject* parent = nullptr, int width = 16, int height = 16);

    int Width() const { return size_.width(); }
    int Height() const { return size_.height(); }
    int Count() const { return int(images_.size()); }
    // Returns the index of the new picture, scaled to the list's size.
    int Add(const QPixmap& picture);
    void Clear() { images_.clear(); }
    // A null icon for an index outside the list.
    QIcon Icon(int index) const;
    QPixmap Picture(int index) const;

private:
    QSize size_;
    QList<QPixmap> images_;
};

} // namespace tarvand::ui
