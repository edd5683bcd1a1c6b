#pragma once

#include "TControl.h"
#include "UiTypes.h"

#include <QFrame>

namespace tarvand::ui {

// A container with a caption drawn on it and bevels around it. In a right-to-left panel the
// caption's alignment is mirrored, as the form library does: left-justified text sits at the
// right edge, and the blanks that lead it keep it away from that edge.
class TPanel : public QFrame, public TControl {
    Q_OBJECT
    TARVAND_CONTROL_PROPERTIES
    Q_PROPERTY(QString caption READ Caption WRITE SetCaption)
    Q_PROPERTY(tarvand::ui::TAlignment alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(tarvand::ui::TBevelCut bevelOuter READ BevelOuter WRITE SetBevelOuter)
    Q_PROPERTY(tarvand::ui::TBevelCut bevelInner READ BevelInner WRITE SetBevelInner)
    Q_PROPERTY(int bevelWidth READ BevelWidth WRITE SetBevelWidth)

public:
    explicit TPanel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut bevel);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut bevel);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TNotifyEvent OnResize;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateMargins();

    QString caption_;
    TAlignment alignment_ = taCenter;
    TBevelCut bevelOuter_ = bvRaised;
    TBevelCut bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    bool pressed_ = false;
};

// The mouse button of a Qt mouse event in the form library's terms.
TMouseButton MouseButtonOf(Qt::MouseButton button);

} // namespace tarvand::ui
