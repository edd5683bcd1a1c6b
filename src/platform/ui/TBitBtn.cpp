#include "TBitBtn.h"

#include "Guard.h"
#include "TForm.h"

#include <QApplication>
#include <QStyle>

namespace tarvand::ui {
namespace {

TForm* parentForm(QWidget* widget) {
    for (QWidget* parent = widget->parentWidget(); parent != nullptr; parent = parent->parentWidget()) {
        if (auto* form = qobject_cast<TForm*>(parent)) {
            return form;
        }
    }
    return nullptr;
}

} // namespace

TBitBtn::TBitBtn(QWidget* parent) : QPushButton(parent), TControl(this) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { clicked(); });
}

void TBitBtn::SetKind(TBitBtnKind kind) {
    kind_ = kind;
    QStyle::StandardPixmap icon = QStyle::SP_CustomBase;
    switch (kind) {
    case bkOK:
        modalResult_ = mrOk;
        SetDefault(true);
        icon = QStyle::SP_DialogOkButton;
        break;
    case bkCancel:
        modalResult_ = mrCancel;
        cancel_ = true;
        icon = QStyle::SP_DialogCancelButton;
        break;
    case bkYes:
        modalResult_ = mrYes;
        SetDefault(true);
        icon = QStyle::SP_DialogYesButton;
        break;
    case bkNo:
        modalResult_ = mrNo;
        cancel_ = true;
        icon = QStyle::SP_DialogNoButton;
        break;
    case bkClose:
        icon = QStyle::SP_DialogCloseButton;
        break;
    case bkAbort:
        modalResult_ = mrAbort;
        break;
    case bkRetry:
        modalResult_ = mrRetry;
        break;
    case bkIgnore:
        modalResult_ = mrIgnore;
        break;
    case bkHelp:
        icon = QStyle::SP_DialogHelpButton;
        break;
    case bkCustom:
    case bkAll:
        break;
    }
    if (icon != QStyle::SP_CustomBase && glyph_.isNull()) {
        setIcon(style()->standardIcon(icon, nullptr, this));
    }
}

void TBitBtn::SetGlyph(const QPixmap& glyph) {
    glyph_ = glyph;
    setIcon(QIcon(glyph));
}

void TBitBtn::clicked() {
    Guard::run([this] {
        if (kind_ == bkClose) {
            if (TForm* form = parentForm(this)) {
                form->Close();
            }
        } else if (modalResult_ != mrNone) {
            if (TForm* form = parentForm(this)) {
                form->SetModalResult(modalResult_);
            }
        }
        if (OnClick) {
            OnClick(this);
        }
    });
}

} // namespace tarvand::ui
