// The clock's options in-process: a window covering the clock's monitor in the foreground hides
// the clock and its leaving brings it back at its level; click-through lets the mouse reach the
// window beneath on every painting path.
#include "ClockPaintFixture.h"

using namespace testsupport;
using namespace wintest;

namespace {

bool Visible(HWND hwnd) {
    return ::IsWindowVisible(hwnd) != FALSE;
}

LONG ExStyle(HWND hwnd) {
    return ::GetWindowLongA(hwnd, GWL_EXSTYLE);
}

TEST_F(ClockPaintTest, AFullScreenWindowInFrontHidesTheClockUntilItLeaves) {
    TWobToke& clock = Open(false);
    clock.Settings.StayOnTop = clock.Settings.HideFullScreen = true;
    clock.LayoutLabels();
    clock.ApplyOptions();
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoA(::MonitorFromWindow(clock.Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT whole = monitor.rcMonitor;
    const RECT small{whole.left, whole.top, whole.left + 300, whole.top + 200};
    const HWND hwnd = clock.Handle();

    // Another program's window comes to the front: the foreground event hides the clock, or at the
    // latest the next tick (Wine 8 sends no foreground event).
    ColourWindow cover(whole, kBlue);
    ASSERT_TRUE(cover.TakeForeground());
    EXPECT_TRUE(PumpUntil([&] { return !Visible(hwnd); }, 2500));
    // It leaves the monitor's edges while it stays in front: the next tick shows the clock.
    ::SetWindowPos(cover.Handle(), nullptr, small.left, small.top, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    clock.Timer1Timer();
    EXPECT_TRUE(Visible(hwnd));
    ::SetWindowPos(cover.Handle(), nullptr, whole.left, whole.top, whole.right - whole.left,
                   whole.bottom - whole.top, SWP_NOZORDER | SWP_NOACTIVATE);
    clock.Timer1Timer();
    EXPECT_FALSE(Visible(hwnd)) << "a window that went full screen in front";

    // The option turned off shows the clock at once; on again hides it.
    clock.Settings.HideFullScreen = false;
    clock.ApplyOptions();
    EXPECT_TRUE(Visible(hwnd));
    clock.Settings.HideFullScreen = true;
    clock.ApplyOptions();
    EXPECT_FALSE(Visible(hwnd));

    // Another window takes the foreground: the clock is back, still above other windows.
    ColourWindow other(small, kGreen);
    ASSERT_TRUE(other.TakeForeground());
    EXPECT_TRUE(PumpUntil([&] { return Visible(hwnd); }, 2500));
    EXPECT_TRUE(ExStyle(hwnd) & WS_EX_TOPMOST);
    EXPECT_FALSE(clock.FullScreen().SteppedAside());
}

TEST_F(ClockPaintTest, ClickThroughLetsTheMouseReachTheWindowBeneathOnEveryPath) {
    const struct {
        const char* name;
        bool wallpaper, allowLayered, keyed;
    } paths[] = {{"keyed", false, true, true},
                 {"alpha", false, true, false},
                 {"capture", false, false, false},
                 {"wallpaper", true, true, false}};
    for (const auto& path : paths) {
        SCOPED_TRACE(path.name);
        allowLayered_ = path.allowLayered;
        keyed_ = path.keyed;
        TWobToke& clock = Open(path.wallpaper);
        const HWND hwnd = clock.Handle();
        const RECT c = ClockRect();
        ColourWindow under(RECT{c.left - 20, c.top - 20, c.right + 20, c.bottom + 20}, kGreen);
        ShowClockAgain();
        Settle();
        const TShadowLabel& time = clock.Face().TimeLbl;
        POINT p{time.Left() + 2, time.Top() + time.Height() / 2};
        ::ClientToScreen(hwnd, &p);
        ASSERT_EQ(::WindowFromPoint(p), hwnd) << "the point is not the clock's";

        for (const bool on : {true, false}) {
            clock.Settings.ClickThrough = on;
            clock.ApplyOptions();
            Repaint();
            Settle();
            EXPECT_EQ(::WindowFromPoint(p), on ? under.Handle() : hwnd) << on;
            EXPECT_EQ((ExStyle(hwnd) & WS_EX_TRANSPARENT) != 0, on);
            EXPECT_TRUE(!on || (ExStyle(hwnd) & WS_EX_LAYERED)) << "WS_EX_TRANSPARENT alone keeps the mouse";
        }
    }
}

} // namespace
