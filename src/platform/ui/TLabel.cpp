#include "TLabel.h"

#include "Guard.h"

#include <QMouseEvent>

namespace tarvand::ui {

TLabel::TLabel(QWidget* parent) : QLabel(parent), TControl(this) {
    SetAlignment(taLeftJustify);
}

void TLabel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    // QLabel mirrors left and right in a right-to-left widget by itself.
    setAlignment((alignment == taLeftJustify    ? Qt::AlignLeft
                  : alignment == taRightJustify ? Qt::AlignRight
                                                : Qt::AlignHCenter) |
                 Qt::AlignVCenter);
}

void TLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick) {
        Guard::run([this] { OnClick(this); });
    }
}

} // namespace tarvand::ui
