#pragma once

#include "TControl.h"

#include <QWidget>

namespace tarvand::ui {

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

// A drawn bevel: a box, a frame or a single line, lowered or raised.
class TBevel : public QWidget, public TControl {
    Q_OBJECT
    TARVAND_CONTROL_PROPERTIES
    Q_PROPERTY(tarvand::ui::TBevelShape shape READ Shape WRITE SetShape)
    Q_PROPERTY(tarvand::ui::TBevelStyle style READ Style WRITE SetStyle)

public:
    explicit TBevel(QWidget* parent = nullptr);

    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape shape);
    TBevelStyle Style() const { return style_; }
    void SetStyle(TBevelStyle style);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TBevelShape shape_ = bsBox;
    TBevelStyle style_ = bsLowered;
};

} // namespace tarvand::ui
