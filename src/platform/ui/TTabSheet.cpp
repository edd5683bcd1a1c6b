#include "TTabSheet.h"

#include "Guard.h"
#include "TPageControl.h"

#include <QShowEvent>

namespace tarvand::ui {

TTabSheet::TTabSheet(QWidget* parent) : QWidget(parent), TControl(this) {}

void TTabSheet::SetPageControl(TPageControl* pageControl) {
    if (pageControl_ == pageControl) {
        return;
    }
    if (pageControl_ != nullptr) {
        pageControl_->removeSheet(this);
    }
    pageControl_ = pageControl;
    if (pageControl != nullptr) {
        pageControl->insertSheet(this);
    }
}

int TTabSheet::PageIndex() const {
    return pageControl_ != nullptr ? pageControl_->indexOf(this) : -1;
}

void TTabSheet::SetCaption(const QString& caption) {
    caption_ = caption;
    if (pageControl_ != nullptr) {
        pageControl_->updateTab(this);
    }
}

void TTabSheet::SetImageIndex(int index) {
    imageIndex_ = index;
    if (pageControl_ != nullptr) {
        pageControl_->updateTab(this);
    }
}

void TTabSheet::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous() && OnShow) {
        Guard::run([this] { OnShow(this); });
    }
}

void TTabSheet::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous() && OnHide) {
        Guard::run([this] { OnHide(this); });
    }
}

void TTabSheet::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && pageControl_ != nullptr) {
        pageControl_->updateTab(this);
    }
}

} // namespace tarvand::ui
