#include "Guard.h"

#include "Exception.h"
#include "TApplication.h"

#include <QDebug>
#include <exception>

namespace tarvand::ui {
namespace {

void report(const std::exception& error) noexcept {
    if (Application == nullptr) {
        qCritical("Unhandled exception without an application object: %s", error.what());
        return;
    }
    try {
        Application->HandleException(error);
    } catch (const std::exception& nested) {
        // The handler itself failed: nothing is left that could show it.
        qCritical("Exception in the application's exception handler: %s", nested.what());
    } catch (...) {
        qCritical("Unknown exception in the application's exception handler");
    }
}

} // namespace

void Guard::handleCurrentException() noexcept {
    try {
        throw;
    } catch (const std::exception& error) {
        report(error);
    } catch (...) {
        report(Exception(QStringLiteral("Unknown error")));
    }
}

} // namespace tarvand::ui
