#include "TPageControl.h"

#include "Guard.h"
#include "MultiRowTabBar.h"
#include "TImageList.h"
#include "TTabSheet.h"

#include <QKeyEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace tarvand::ui {

TPageControl::TPageControl(QWidget* parent)
    : QWidget(parent), TControl(this), bar_(new MultiRowTabBar(this)), stack_(new QStackedWidget(this)) {
    stack_->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar_);
    layout->addWidget(stack_, 1);
    setFocusProxy(bar_);
    connect(bar_, &MultiRowTabBar::currentChanged, this, [this](int index) { showPage(index); });
    connect(bar_, &MultiRowTabBar::tabActivated, this, [this] {
        if (OnChange) {
            Guard::run([this] { OnChange(this); });
        }
    });
}

int TPageControl::PageCount() const {
    return stack_->count();
}

TTabSheet* TPageControl::Pages(int index) const {
    return qobject_cast<TTabSheet*>(stack_->widget(index));
}

TTabSheet* TPageControl::ActivePage() const {
    return qobject_cast<TTabSheet*>(stack_->currentWidget());
}

void TPageControl::SetActivePage(TTabSheet* sheet) {
    const int index = indexOf(sheet);
    if (index >= 0) {
        SetActivePageIndex(index);
    }
}

int TPageControl::ActivePageIndex() const {
    return stack_->currentIndex();
}

void TPageControl::SetActivePageIndex(int index) {
    bar_->setCurrentIndex(index);
}

TImageList* TPageControl::Images() const {
    return images_;
}

void TPageControl::SetImages(TImageList* images) {
    images_ = images;
    for (int i = 0; i < PageCount(); ++i) {
        if (TTabSheet* sheet = Pages(i)) {
            updateTab(sheet);
        }
    }
}

QString TPageControl::TabCaption(int index) const {
    return bar_->tabText(index);
}

void TPageControl::keyPressEvent(QKeyEvent* event) {
    const bool forward = event->key() == Qt::Key_Tab && event->modifiers() == Qt::ControlModifier;
    const bool backward = event->key() == Qt::Key_Backtab ||
                          (event->key() == Qt::Key_Tab && event->modifiers() & Qt::ShiftModifier);
    if (PageCount() > 1 && (event->modifiers() & Qt::ControlModifier) && (forward || backward)) {
        const int step = forward ? 1 : PageCount() - 1;
        SetActivePageIndex((ActivePageIndex() + step) % PageCount());
        if (OnChange) {
            Guard::run([this] { OnChange(this); });
        }
        return;
    }
    QWidget::keyPressEvent(event);
}

void TPageControl::insertSheet(TTabSheet* sheet) {
    stack_->addWidget(sheet);
    // The first page added becomes current in the bar, which shows it.
    bar_->insertTab(bar_->count(), sheet->Caption(), QIcon());
    updateTab(sheet);
}

void TPageControl::removeSheet(TTabSheet* sheet) {
    const int index = indexOf(sheet);
    if (index >= 0) {
        stack_->removeWidget(sheet);
        bar_->removeTab(index);
    }
}

void TPageControl::updateTab(TTabSheet* sheet) {
    const int index = indexOf(sheet);
    if (index < 0) {
        return;
    }
    bar_->setTabText(index, sheet->Caption());
    bar_->setTabIcon(index, images_ != nullptr ? images_->Icon(sheet->ImageIndex()) : QIcon());
}

int TPageControl::indexOf(const TTabSheet* sheet) const {
    return sheet != nullptr ? stack_->indexOf(const_cast<TTabSheet*>(sheet)) : -1;
}

void TPageControl::showPage(int index) {
    if (index >= 0 && index < stack_->count()) {
        stack_->setCurrentIndex(index);
    }
}

} // namespace tarvand::ui
