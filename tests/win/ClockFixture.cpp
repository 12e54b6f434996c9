#include "ClockFixture.h"

namespace wintest {

void ClockFixture::SetUp() {
    RemoveTestSettingsFile();
}

void ClockFixture::TearDown() {
    clock_.reset();
    RemoveTestSettingsFile();
}

TWobToke& ClockFixture::MakeClock() {
    clock_ = std::make_unique<TWobToke>(TestApplication(), [this] { return now_; });
    TestApplication().EndsWithMainWindow = false;
    return *clock_;
}

void ClockFixture::Silence() {
    clock_->Settings.ChimeOn = false;
    clock_->Settings.AlarmOn = false;
}

void ClockFixture::ShowClock() {
    ::ShowWindow(clock_->Handle(), SW_SHOWNOACTIVATE);
    PumpMessages();
}

} // namespace wintest
