#pragma once

#include "TForm.h"

#include <memory>

class Ui_ShowStateForm;

namespace tarvand::ui {
class TLabel;
class TPanel;
} // namespace tarvand::ui

namespace tarvand::host {

// The host's status form: a small borderless window saying what the program is busy with, shown
// without a modal loop while a long operation runs on the user-interface thread.
class TShowStateForm : public ui::TForm {
    Q_OBJECT

public:
    explicit TShowStateForm(QWidget* parent = nullptr);
    ~TShowStateForm() override;

    ui::TPanel* Caption_Panel;
    ui::TPanel* plState;
    ui::TLabel* lbState;

    // Shows the text centred on the screen and paints it at once, before the caller's work starts.
    void ShowState(const QString& text);
    // Hides the form once the work is done.
    void HideState();

private:
    std::unique_ptr<Ui_ShowStateForm> ui_;
};

} // namespace tarvand::host
