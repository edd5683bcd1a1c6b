#pragma once

#include "TControl.h"
#include "UiTypes.h"

#include <QPixmap>
#include <QWidget>

namespace tarvand::ui {

// A picture on a form: drawn at its size from the top-left corner, centred, or stretched to fill.
class TImage : public QWidget, public TControl {
    Q_OBJECT
    TARVAND_CONTROL_PROPERTIES
    Q_PROPERTY(bool stretch READ Stretch WRITE SetStretch)
    Q_PROPERTY(bool center READ Center WRITE SetCenter)

public:
    explicit TImage(QWidget* parent = nullptr);

    QPixmap Picture() const { return picture_; }
    void SetPicture(const QPixmap& picture);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    bool Center() const { return center_; }
    void SetCenter(bool value);

    TNotifyEvent OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    bool stretch_ = false;
    bool center_ = false;
};

} // namespace tarvand::ui
