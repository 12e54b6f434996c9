// In-process: a window covering the clock's monitor in front hides the clock until it leaves; with
// click-through the mouse reaches the window beneath.
#include "ClockPaintFixture.h"

using namespace testsupport;
using namespace wintest;

TEST_F(ClockPaintTest, AFullScreenWindowInFrontHidesTheClockUntilItLeaves) {
    TWobToke& clock = Open(false);
    const HWND hwnd = clock.Handle();
    clock.Settings.StayOnTop = clock.Settings.HideFullScreen = true;
    clock.LayoutLabels();
    clock.ApplyOptions();
    const RECT r{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)}; // its monitor
    ColourWindow cover(r, kBlue);
    ASSERT_TRUE(cover.TakeForeground());
    // The foreground event, or at the latest a look of the ticks (Wine 8 sends no such event).
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindowVisible(hwnd); }, 4500));
    // Still in front, it leaves the monitor's edge: the tick shows the clock again, still topmost.
    ::SetWindowPos(cover.Handle(), nullptr, 0, 0, r.right - r.left - 1, r.bottom - r.top,
                   SWP_NOMOVE | SWP_NOZORDER);
    clock.Timer1Timer();
    EXPECT_TRUE(::IsWindowVisible(hwnd));
    EXPECT_TRUE(::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

// Every path of screen mode; wallpaper mode paints a plain window as the capture path does.
TEST_P(ScreenModePaths, ClickThroughLetsTheMouseReachTheWindowBeneath) {
    TWobToke& clock = Open(false);
    const RECT c = ClockRect();
    ColourWindow under(RECT{c.left - 20, c.top - 20, c.right + 20, c.bottom + 20}, kGreen);
    ShowClockAgain();
    const TShadowLabel& time = clock.Face().TimeLbl;
    const POINT p{c.left + time.Left() + 2, c.top + time.Top() + time.Height() / 2};
    for (const bool on : {false, true, false}) {
        clock.Settings.ClickThrough = on;
        clock.ApplyOptions();
        Repaint();
        Settle();
        EXPECT_EQ(::WindowFromPoint(p), on ? under.Handle() : clock.Handle()) << on;
    }
}
