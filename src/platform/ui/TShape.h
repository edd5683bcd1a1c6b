#pragma once

#include "TControl.h"
#include "UiTypes.h"

#include <QColor>
#include <QWidget>

namespace tarvand::ui {

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
enum TBrushStyle { bsSolid, bsClear };

// A drawn figure: frames and the backgrounds of caption buttons. Its Color is the brush colour.
class TShape : public QWidget, public TControl {
    Q_OBJECT
    TARVAND_CONTROL_PROPERTIES
    Q_PROPERTY(tarvand::ui::TShapeType shape READ Shape WRITE SetShape)
    Q_PROPERTY(QColor brushColor READ BrushColor WRITE SetBrushColor)
    Q_PROPERTY(tarvand::ui::TBrushStyle brushStyle READ BrushStyle WRITE SetBrushStyle)
    Q_PROPERTY(QColor penColor READ PenColor WRITE SetPenColor)
    Q_PROPERTY(int penWidth READ PenWidth WRITE SetPenWidth)

public:
    explicit TShape(QWidget* parent = nullptr);

    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType shape);
    QColor BrushColor() const { return brushColor_; }
    void SetBrushColor(const QColor& color);
    TBrushStyle BrushStyle() const { return brushStyle_; }
    void SetBrushStyle(TBrushStyle style);
    QColor PenColor() const { return penColor_; }
    void SetPenColor(const QColor& color);
    int PenWidth() const { return penWidth_; }
    void SetPenWidth(int width);

    TMouseEvent OnMouseDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    TShapeType shape_ = stRectangle;
    QColor brushColor_ = Qt::white;
    TBrushStyle brushStyle_ = bsSolid;
    QColor penColor_ = Qt::black;
    int penWidth_ = 1;
};

} // namespace tarvand::ui
