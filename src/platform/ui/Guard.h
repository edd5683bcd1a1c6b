#pragma once

#include <utility>

namespace tarvand::ui {

// The one wall between our code and Qt's frames. Qt's widget modules are built without exception
// support, so an exception that unwinds through them skips their destructors. Every place where
// Qt calls into our code (event overrides, slots, model and delegate methods, menu actions) runs
// its work through Guard: an exception is caught here and handed to Application->HandleException,
// which drops EAbort silently and shows or reports everything else.
class Guard {
public:
    // Runs work; returns false when it ended with an exception (already handled).
    template <typename Work> static bool run(Work&& work) noexcept {
        try {
            std::forward<Work>(work)();
            return true;
        } catch (...) {
            handleCurrentException();
            return false;
        }
    }

    // Runs work and returns its result, or fallback when it ended with an exception.
    template <typename Result, typename Work> static Result value(Result fallback, Work&& work) noexcept {
        try {
            return std::forward<Work>(work)();
        } catch (...) {
            handleCurrentException();
            return fallback;
        }
    }

    // Hands the exception being handled to the application object. Call only inside a catch block.
    static void handleCurrentException() noexcept;
};

} // namespace tarvand::ui
