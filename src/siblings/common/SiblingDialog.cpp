#include "SiblingDialog.h"

#include "CaptionStrip.h"
#include "TBitBtn.h"
#include "TPanel.h"
#include "TSpeedButton.h"
#include "WindowDrag.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace tarvand::siblings {

namespace {

constexpr int captionHeight = 26;
constexpr int buttonWidth = 96;

} // namespace

SiblingDialog::SiblingDialog(const QString& title, QWidget* parent)
    : ui::TForm(parent), caption_(new ui::TPanel(this)), close_(new ui::TSpeedButton(caption_)),
      body_(new QWidget(this)), note_(new QLabel(this)), buttons_(new QHBoxLayout) {
    SetBorderStyle(ui::bsNone);
    SetCaption(title);

    caption_->SetCaption(QStringLiteral("  ") + title);
    caption_->setFixedHeight(captionHeight);
    host::CaptionStrip::Style(caption_, nullptr, close_);
    auto* captionLayout = new QHBoxLayout(caption_);
    captionLayout->setContentsMargins(3, 2, 3, 2);
    captionLayout->addStretch();
    captionLayout->addWidget(close_);
    close_->setFixedSize(captionHeight - 6, captionHeight - 6);
    close_->OnClick = [this](QObject*) { Close(); };
    caption_->OnMouseDown = [this](QObject*, ui::TMouseButton button, ui::TShiftState, int, int) {
        if (button == ui::mbLeft)
            ui::WindowDrag::start(caption_);
    };

    note_->setWordWrap(true);
    note_->setVisible(false);

    buttons_->setSpacing(6);
    buttons_->addStretch();

    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(1, 1, 1, 1);
    frame->setSpacing(0);
    frame->addWidget(caption_);
    auto* inner = new QVBoxLayout;
    inner->setContentsMargins(10, 10, 10, 10);
    inner->setSpacing(8);
    inner->addWidget(body_, 1);
    inner->addWidget(note_);
    inner->addLayout(buttons_);
    frame->addLayout(inner, 1);
}

SiblingDialog::~SiblingDialog() = default;

ui::TBitBtn* SiblingDialog::AddButton(const QString& caption, ui::TModalResult result) {
    auto* button = new ui::TBitBtn(this);
    button->SetCaption(caption);
    button->SetModalResult(result);
    button->setMinimumWidth(buttonWidth);
    // The stretch stays last, so the buttons gather at the right, in the order they were added.
    buttons_->insertWidget(buttons_->count() - 1, button);
    return button;
}

void SiblingDialog::ShowNote(const QString& text, bool error) {
    note_->setText(text);
    QPalette palette = this->palette();
    if (error)
        palette.setColor(QPalette::WindowText, Qt::red);
    note_->setPalette(palette);
    note_->setVisible(!text.isEmpty());
}

QString SiblingDialog::Note() const {
    return note_->text();
}

int SiblingDialog::Run() {
    adjustSize();
    placeOverActiveWindow();
    return ShowModal();
}

void SiblingDialog::paintEvent(QPaintEvent* event) {
    ui::TForm::paintEvent(event);
    // A borderless window needs an edge of its own to stand out from what lies behind it.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Highlight));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SiblingDialog::placeOverActiveWindow() {
    QWidget* owner = QApplication::activeWindow();
    QRect area;
    if (owner != nullptr && owner != this)
        area = owner->frameGeometry();
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid())
        move(area.center() - rect().center());
}

} // namespace tarvand::siblings
