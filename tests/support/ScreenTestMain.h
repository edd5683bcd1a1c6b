#pragma once

namespace tarvand::testsupport {

// How many exceptions escaped an event handler without passing Guard and were caught by the
// application object's notify() (the main() of the screen suites counts them).
int EscapedExceptions();

} // namespace tarvand::testsupport
