#pragma once

#include "TControl.h"
#include "UiTypes.h"

#include <QWidget>

namespace tarvand::ui {

class TPageControl;

// One page of a TPageControl. A disabled sheet can still be chosen and shown, but everything on
// it is disabled: no control on it takes the focus, a click or a key. OnShow runs every time the
// sheet becomes visible: when it becomes the active page, and when its window is shown with it.
class TTabSheet : public QWidget, public TControl {
    Q_OBJECT
    TARVAND_CONTROL_PROPERTIES
    Q_PROPERTY(QString caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int imageIndex READ ImageIndex WRITE SetImageIndex)

public:
    explicit TTabSheet(QWidget* parent = nullptr);

    TPageControl* PageControl() const { return pageControl_; }
    // Adds the sheet to a page control as its last page (or takes it out with null).
    void SetPageControl(TPageControl* pageControl);
    int PageIndex() const;

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    QString caption_;
    int imageIndex_ = -1;
};

} // namespace tarvand::ui
