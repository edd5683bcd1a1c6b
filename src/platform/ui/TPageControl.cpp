#include "TPageControl.h"

#include "Guard.h"
#include "TImageList.h"
#include "TTabSheet.h"

namespace tarvand::ui {

TPageControl::TPageControl(QWidget* parent) : QTabWidget(parent), TControl(this) {
    setUsesScrollButtons(true);
    setElideMode(Qt::ElideNone);
    connect(this, &QTabWidget::currentChanged, this, [this] {
        if (OnChange && !changingInCode_) {
            Guard::run([this] { OnChange(this); });
        }
    });
}

TTabSheet* TPageControl::Pages(int index) const {
    return qobject_cast<TTabSheet*>(widget(index));
}

TTabSheet* TPageControl::ActivePage() const {
    return qobject_cast<TTabSheet*>(currentWidget());
}

void TPageControl::SetActivePage(TTabSheet* sheet) {
    if (sheet != nullptr && indexOf(sheet) >= 0) {
        changingInCode_ = true;
        setCurrentWidget(sheet);
        changingInCode_ = false;
    }
}

void TPageControl::SetActivePageIndex(int index) {
    changingInCode_ = true;
    setCurrentIndex(index);
    changingInCode_ = false;
}

TImageList* TPageControl::Images() const {
    return images_;
}

void TPageControl::SetImages(TImageList* images) {
    images_ = images;
    for (int i = 0; i < count(); ++i) {
        if (TTabSheet* sheet = Pages(i)) {
            updateTab(sheet);
        }
    }
}

void TPageControl::insertSheet(TTabSheet* sheet) {
    changingInCode_ = true;
    addTab(sheet, sheet->Caption());
    changingInCode_ = false;
    updateTab(sheet);
}

void TPageControl::removeSheet(TTabSheet* sheet) {
    const int index = indexOf(sheet);
    if (index >= 0) {
        changingInCode_ = true;
        removeTab(index);
        changingInCode_ = false;
    }
}

void TPageControl::updateTab(TTabSheet* sheet) {
    const int index = indexOf(sheet);
    if (index < 0) {
        return;
    }
    setTabText(index, sheet->Caption());
    setTabIcon(index, images_ != nullptr ? images_->Icon(sheet->ImageIndex()) : QIcon());
}

} // namespace tarvand::ui
