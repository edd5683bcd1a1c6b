#pragma once

#include "UiTypes.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QMenu;

namespace tarvand::ui {

class TImageList;

// One command of a popup menu, or a sub-menu when it has items of its own; the caption "-" makes
// a separator. Its shortcut (for example "Ctrl+Del") is shown beside the caption and runs the
// command when pressed in the control that owns the popup, even while the item is hidden, as
// long as it is enabled.
class TMenuItem : public QObject {
    Q_OBJECT

public:
    explicit TMenuItem(QObject* owner = nullptr);
    ~TMenuItem() override;

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    QKeySequence ShortCut() const { return shortCut_; }
    void SetShortCut(const QKeySequence& shortCut);
    // The shortcut as text, such as "Ctrl+Del", "Shift+Ins", "F1".
    QString ShortCutText() const;
    int Tag = 0;
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index) { imageIndex_ = index; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { visible_ = value; }
    bool Checked() const { return checked_; }
    void SetChecked(bool value) { checked_ = value; }
    QString Name() const { return objectName(); }
    void SetName(const QString& name) { setObjectName(name); }
    bool IsLine() const { return caption_ == QLatin1String("-"); }

    // Sub-items. The item takes ownership of added items.
    int Count() const { return int(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(index); }
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    // Takes the item out without destroying it.
    void Remove(TMenuItem* item);
    void Delete(int index);
    void Clear();
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* Parent() const { return parent_; }
    // Position among the parent's items; -1 without a parent.
    int MenuIndex() const;

    // Runs the command as a click would (inside the exception guard).
    void Click();
    // Finds the enabled item, here or below, whose shortcut is key with modifiers, and clicks it.
    bool DispatchShortCut(const QKeyCombination& key);

    TNotifyEvent OnClick;

    // Adds this item's entry to menu, with the pictures of images.
    void AppendTo(QMenu* menu, const TImageList* images);

private:
    QString caption_;
    QKeySequence shortCut_;
    int imageIndex_ = -1;
    bool enabled_ = true;
    bool visible_ = true;
    bool checked_ = false;
    QList<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
};

} // namespace tarvand::ui
