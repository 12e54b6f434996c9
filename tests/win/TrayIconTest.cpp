// The clock's tray icon against the platform's shell: registered once, never asked for on an
// ordinary tick, back after it was deleted or the shell restarted.
#include "ClockFixture.h"
#include "TestSupport.h"
#include "clockwindow/ClockWindow_win.h"

#include <gtest/gtest.h>

using namespace wintest;

namespace {

class TrayIconTest : public ClockFixture {
protected:
    void SetUp() override {
        ClockFixture::SetUp();
        MakeClock();
        Silence();
        PumpMessages();
    }
    // Whether the shell holds an icon for the clock's record (a change is accepted only then).
    bool IconPresent() const {
        NOTIFYICONDATAW probe = clock_->Tray().Data();
        probe.uFlags = NIF_TIP;
        return ::Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
    }
    void Tick(int second) {
        now_ = MakeTime(2026, 1, 5, 1, 13, second / 60 % 60, second % 60);
        clock_->Timer1Timer();
    }
};

TEST_F(TrayIconTest, RegisteredAtCreationAndNeverAskedForOnATick) {
    ASSERT_TRUE(IconPresent()) << "no icon after the window was made";
    const long calls = clock_->Tray().ShellCalls();
    for (int second = 0; second < 120; ++second)
        Tick(second);
    EXPECT_EQ(clock_->Tray().ShellCalls(), calls) << "a tick called into the shell";
    EXPECT_TRUE(IconPresent());
}

TEST_F(TrayIconTest, DeletedIconComesBackOnceAtTheNextLayout) {
    clock_->DeleteTrayIcon(); // as applying the Properties dialog does before it lays out again
    ASSERT_FALSE(IconPresent());
    const long calls = clock_->Tray().ShellCalls();
    clock_->LayoutLabels();
    EXPECT_TRUE(IconPresent());
    EXPECT_EQ(clock_->Tray().ShellCalls(), calls + 1) << "one add, nothing else";
    Tick(1);
    Tick(2);
    EXPECT_EQ(clock_->Tray().ShellCalls(), calls + 1);
    // Exactly one icon: deleting it once leaves none behind.
    clock_->DeleteTrayIcon();
    EXPECT_FALSE(IconPresent());
}

TEST_F(TrayIconTest, IconComesBackWhenTheRestartedShellAsksForIt) {
    // The shell restarts: it has lost every icon and broadcasts its registered message.
    NOTIFYICONDATAW lost = clock_->Tray().Data();
    ASSERT_TRUE(::Shell_NotifyIconW(NIM_DELETE, &lost));
    ASSERT_FALSE(IconPresent());
    ::SendMessageA(clock_->Handle(), ::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(IconPresent()) << "the icon did not come back after the shell restarted";
    EXPECT_TRUE(clock_->Tray().Registered());
}

} // namespace
