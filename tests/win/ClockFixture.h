#pragma once
// A clock window in-process on a clock the test sets, made afresh by each test and closed with
// the settings file it may have written.
#include "TestSupport.h"
#include "clockwindow/ClockWindow_win.h"

#include <gtest/gtest.h>

#include <memory>

namespace wintest {

class ClockFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // A new clock that reads `now_` and does not end the application when it closes (it replaces
    // the clock the test had only once it stands); not shown yet.
    TWobToke& MakeClock();
    // Turns the time signal and the alarm off, for tests of the face rather than of the sound.
    void Silence();
    // Shows the clock without activation and dispatches what that brings.
    void ShowClock();

    SYSTEMTIME now_ = MakeTime(2026, 1, 5, 1, 13, 29, 58); // a Monday
    std::unique_ptr<TWobToke> clock_;
};

} // namespace wintest
