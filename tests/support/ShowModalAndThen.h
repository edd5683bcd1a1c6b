#pragma once

#include <functional>

namespace tarvand::ui {
class TForm;
}

namespace tarvand::testsupport {

// Runs a modal form and does `act` once its modal loop runs; a form that does not end within ten
// seconds fails the test and is ended with -1, a result no button gives.
int ShowModalAndThen(ui::TForm& form, const std::function<void()>& act);

} // namespace tarvand::testsupport
