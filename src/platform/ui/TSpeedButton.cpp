#include "TSpeedButton.h"

#include "Guard.h"

namespace tarvand::ui {

TSpeedButton::TSpeedButton(QWidget* parent) : QToolButton(parent), TControl(this) {
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(this, &QToolButton::clicked, this, [this] {
        if (OnClick) {
            Guard::run([this] { OnClick(this); });
        }
    });
}

void TSpeedButton::SetCaption(const QString& caption) {
    setText(caption);
    setToolButtonStyle(glyph_.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonTextBesideIcon);
}

void TSpeedButton::SetGlyph(const QPixmap& glyph) {
    glyph_ = glyph;
    setIcon(QIcon(glyph));
    setIconSize(glyph.size());
    setToolButtonStyle(text().isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
}

} // namespace tarvand::ui
