#pragma once

#include "TControl.h"
#include "UiTypes.h"

#include <QPixmap>
#include <QToolButton>

namespace tarvand::ui {

// A small button without focus, typically drawn over a TShape in a caption strip: a glyph or a
// caption, flat when asked.
class TSpeedButton : public QToolButton, public TControl {
    Q_OBJECT
    TARVAND_CONTROL_PROPERTIES

public:
    explicit TSpeedButton(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);
    bool Flat() const { return autoRaise(); }
    void SetFlat(bool flat) { setAutoRaise(flat); }
    QPixmap Glyph() const { return glyph_; }
    void SetGlyph(const QPixmap& glyph);

    TNotifyEvent OnClick;

private:
    QPixmap glyph_;
};

} // namespace tarvand::ui
