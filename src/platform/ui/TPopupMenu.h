#pragma once

#include "TMenuItem.h"
#include "UiTypes.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>

class QKeyEvent;
class QMenu;
class QWidget;

namespace tarvand::ui {

class TImageList;

// The context menu of a control. Opening it runs OnPopup first, which may set the items' states
// or refuse to open the menu by throwing EAbort (Abort()). While a control owns the menu, the
// items' shortcuts work in that control.
class TPopupMenu : public QObject {
    Q_OBJECT

public:
    explicit TPopupMenu(QObject* owner = nullptr);
    ~TPopupMenu() override;

    TMenuItem* Items() const { return items_; }
    TImageList* Images() const;
    void SetImages(TImageList* images);
    QString Name() const { return objectName(); }
    void SetName(const QString& name) { setObjectName(name); }
    // The control the menu was last opened for.
    QWidget* PopupComponent() const;

    TNotifyEvent OnPopup;

    // Opens the menu at a screen position unless OnPopup refuses; returns whether it opened.
    bool Popup(int x, int y);
    // The menu while it is open, else null.
    QMenu* OpenMenu() const;
    // Runs the enabled item whose shortcut the key event is; returns whether there was one.
    bool IsShortCut(const QKeyEvent* event);

    // Called by the controls that own the menu.
    void Attach(QWidget* control);
    void Detach(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TMenuItem* items_;
    QPointer<TImageList> images_;
    QPointer<QWidget> popupComponent_;
    QPointer<QMenu> menu_;
    QList<QPointer<QWidget>> controls_;
};

} // namespace tarvand::ui
