#ifndef TIDEWAVE_GUITESTSUPPORT_H
#define TIDEWAVE_GUITESTSUPPORT_H

#include <functional>

#include <gtest/gtest.h>

// Runs the wx event loop (pending events, timers, idle) until `done` returns
// true or `timeoutMs` passed.  Returns the last value of `done`.
bool RunEventLoopUntil(const std::function<bool()>& done, int timeoutMs = 5000);

// Runs the event loop for about `ms` milliseconds.
void RunEventLoopFor(int ms);

// Base fixture of window tests: a modal dialog that the test expected but
// never saw fails the test, and top-level windows left open are destroyed.
class GuiTest : public ::testing::Test {
protected:
    void TearDown() override;
};

#endif
