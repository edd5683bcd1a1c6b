#pragma once

#include "TControl.h"
#include "UiTypes.h"

#include <QPointer>
#include <QWidget>

class QStackedWidget;

namespace tarvand::ui {

class MultiRowTabBar;
class TImageList;
class TTabSheet;

// Pages with tabs; in a right-to-left form the first page's tab is the rightmost. Tabs that do not
// fit on one row wrap onto more rows. Ctrl+Tab and Ctrl+Shift+Tab walk the pages.
class TPageControl : public QWidget, public TControl {
    Q_OBJECT
    TARVAND_CONTROL_PROPERTIES

public:
    explicit TPageControl(QWidget* parent = nullptr);

    int PageCount() const;
    TTabSheet* Pages(int index) const;
    TTabSheet* ActivePage() const;
    // Makes the sheet the visible page; its OnShow runs when it was not visible already.
    void SetActivePage(TTabSheet* sheet);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    TImageList* Images() const;
    void SetImages(TImageList* images);
    QString TabCaption(int index) const;
    MultiRowTabBar* TabBar() const { return bar_; }

    // After the user chose another page (not when the page is set in code).
    TNotifyEvent OnChange;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class TTabSheet;
    void insertSheet(TTabSheet* sheet);
    void removeSheet(TTabSheet* sheet);
    void updateTab(TTabSheet* sheet);
    int indexOf(const TTabSheet* sheet) const;
    void showPage(int index);

    MultiRowTabBar* bar_;
    QStackedWidget* stack_;
    QPointer<TImageList> images_;
};

} // namespace tarvand::ui
