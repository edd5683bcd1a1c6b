#pragma once

#include "TForm.h"
#include "UiTypes.h"

#include <QString>

class QHBoxLayout;
class QLabel;

namespace tarvand::ui {
class TBitBtn;
class TPanel;
class TSpeedButton;
} // namespace tarvand::ui

namespace tarvand::siblings {

// The frame of every sibling dialog, in the look of the host's own windows: a borderless,
// right-to-left form with a caption strip that drags it and closes it, a body for the dialog's
// controls and a row of buttons at the bottom. Enter presses the default button and Esc the
// cancel button wherever the focus is, unless the focused control uses the key itself.
class SiblingDialog : public ui::TForm {
public:
    explicit SiblingDialog(const QString& title, QWidget* parent = nullptr);
    ~SiblingDialog() override;

    // The area between the caption strip and the buttons; the dialog gives it a layout.
    QWidget* Body() const { return body_; }
    ui::TPanel* CaptionPanel() const { return caption_; }

    // A button at the end of the row (the row runs from the right). A button with a modal result
    // ends the dialog with it when pressed.
    ui::TBitBtn* AddButton(const QString& caption, ui::TModalResult result);
    // A message line above the buttons, for what the dialog wants the user to know (nothing found,
    // a value that is not a number); error lines are red.
    void ShowNote(const QString& text, bool error = false);
    QString Note() const;

    // Shows the dialog modally over the active window (or the screen's centre) and returns its
    // modal result.
    int Run();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void placeOverActiveWindow();

    ui::TPanel* caption_;
    ui::TSpeedButton* close_;
    QWidget* body_;
    QLabel* note_;
    QHBoxLayout* buttons_;
};

} // namespace tarvand::siblings
