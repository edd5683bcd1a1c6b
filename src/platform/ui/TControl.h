#pragma once

#include "UiTypes.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPointer>
#include <QString>

class QWidget;

// The properties every control offers its layout file under src/forms. Qt Designer keeps the
// properties of a promoted widget as dynamic ones (stdset="0"); the generated code sets them with
// setProperty, which reaches the setters named here.
#define TARVAND_CONTROL_PROPERTIES                                                                           \
    Q_PROPERTY(tarvand::ui::TAlign align READ Align WRITE SetAlign)                                          \
    Q_PROPERTY(QColor color READ Color WRITE SetColor)                                                       \
    Q_PROPERTY(QColor fontColor READ FontColor WRITE SetFontColor)                                           \
    Q_PROPERTY(int tag MEMBER Tag)

namespace tarvand::ui {

class TPopupMenu;

// What every control of the form library has, mixed into each widget class: its component Name
// (the object name), its class name as the theme code matches it, Tag, Align, bounds, colours
// and the popup menu. Not a QObject itself: the widget class it is mixed into is.
class TControl {
public:
    virtual ~TControl() = default;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    QWidget* Widget() const { return self_; }

    QString Name() const;
    void SetName(const QString& name);
    // The class name without namespace ("TPanel", "TInfoForm"): the nearest class with Q_OBJECT,
    // so a subclass that declares Q_OBJECT is told apart from its base.
    QString ClassName() const;

    int Tag = 0;

    // Aligned controls are placed by their parent on every resize, in creation order: top and
    // bottom strips first, then left and right, and a client control fills what is left.
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    // Moves the control into another parent (null: a window of its own) keeping its alignment.
    virtual void SetParentControl(QWidget* parent);
    QWidget* Parent() const;

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);
    void SetBounds(int left, int top, int width, int height);

    bool Visible() const;
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    QString Hint() const;
    void SetHint(const QString& hint);

    QColor Color() const;
    void SetColor(const QColor& color);
    QColor FontColor() const;
    void SetFontColor(const QColor& color);
    QFont Font() const;
    void SetFont(const QFont& font);

    TPopupMenu* PopupMenu() const;
    void SetPopupMenu(TPopupMenu* menu);

protected:
    explicit TControl(QWidget* self);
    // Palette roles of the control's background and text.
    virtual QPalette::ColorRole ColorRole() const { return QPalette::Window; }
    virtual QPalette::ColorRole FontColorRole() const { return QPalette::WindowText; }

private:
    QWidget* self_;
    TAlign align_ = alNone;
    QPointer<TPopupMenu> popupMenu_;
};

// The class name of any object as the theme code compares it, without namespace.
QString ClassNameOf(const QObject* object);

} // namespace tarvand::ui
