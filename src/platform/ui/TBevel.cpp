#include "TBevel.h"

#include <QPainter>
#include <qdrawutil.h>

namespace tarvand::ui {

TBevel::TBevel(QWidget* parent) : QWidget(parent), TControl(this) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBevel::SetShape(TBevelShape shape) {
    shape_ = shape;
    update();
}

void TBevel::SetStyle(TBevelStyle style) {
    style_ = style;
    update();
}

void TBevel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool sunken = style_ == bsLowered;
    const QRect area = rect();
    switch (shape_) {
    case bsBox:
        qDrawShadeRect(&painter, area, palette(), sunken, 1);
        break;
    case bsFrame:
        qDrawShadeRect(&painter, area, palette(), sunken, 1, 1);
        break;
    case bsTopLine:
        qDrawShadeLine(&painter, area.left(), area.top(), area.right(), area.top(), palette(), sunken, 1);
        break;
    case bsBottomLine:
        qDrawShadeLine(&painter, area.left(), area.bottom() - 1, area.right(), area.bottom() - 1, palette(),
                       sunken, 1);
        break;
    case bsLeftLine:
        qDrawShadeLine(&painter, area.left(), area.top(), area.left(), area.bottom(), palette(), sunken, 1);
        break;
    case bsRightLine:
        qDrawShadeLine(&painter, area.right() - 1, area.top(), area.right() - 1, area.bottom(), palette(),
                       sunken, 1);
        break;
    case bsSpacer:
        break;
    }
}

} // namespace tarvand::ui
