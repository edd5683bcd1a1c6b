#pragma once

#include "TForm.h"
#include "ui_TShowStateForm.h"

namespace tarvand::host {

// The host's status form: a small borderless window saying what the program is busy with, shown
// without a modal loop while a long operation runs on the user-interface thread.
class TShowStateForm : public ui::TForm, public Ui_ShowStateForm {
    Q_OBJECT

public:
    explicit TShowStateForm(QWidget* parent = nullptr);

    // Shows the text centred on the screen and paints it at once, before the caller's work starts.
    void ShowState(const QString& text);
    // Hides the form once the work is done.
    void HideState();
};

} // namespace tarvand::host
