#pragma once

#include "TControl.h"
#include "UiTypes.h"

#include <QPointer>
#include <QTabWidget>

namespace tarvand::ui {

class TImageList;
class TTabSheet;

// Pages with tabs; in a right-to-left form the first page's tab is the rightmost.
class TPageControl : public QTabWidget, public TControl {
    Q_OBJECT

public:
    explicit TPageControl(QWidget* parent = nullptr);

    int PageCount() const { return count(); }
    TTabSheet* Pages(int index) const;
    TTabSheet* ActivePage() const;
    // Makes the sheet the visible page; its OnShow runs when it was not visible already.
    void SetActivePage(TTabSheet* sheet);
    int ActivePageIndex() const { return currentIndex(); }
    void SetActivePageIndex(int index);
    TImageList* Images() const;
    void SetImages(TImageList* images);

    // After the user chose another page (not when the page is set in code).
    TNotifyEvent OnChange;

private:
    friend class TTabSheet;
    void insertSheet(TTabSheet* sheet);
    void removeSheet(TTabSheet* sheet);
    void updateTab(TTabSheet* sheet);

    QPointer<TImageList> images_;
    bool changingInCode_ = false;
};

} // namespace tarvand::ui
