#pragma once

#include "TControl.h"
#include "UiTypes.h"

#include <QLabel>

namespace tarvand::ui {

// A line of text on a form; transparent, its alignment mirrored in a right-to-left form.
class TLabel : public QLabel, public TControl {
    Q_OBJECT
    TARVAND_CONTROL_PROPERTIES
    Q_PROPERTY(tarvand::ui::TAlignment alignment READ Alignment WRITE SetAlignment)

public:
    explicit TLabel(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

    TNotifyEvent OnClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TAlignment alignment_ = taLeftJustify;
};

} // namespace tarvand::ui
