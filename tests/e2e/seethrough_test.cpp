// The see-through clock as the user sees it on the screen: what shows between its letters in
// screen and wallpaper mode, while the windows beneath change, while it moves and after the
// About box that covered it has closed.
#include "support/ClockProcess.h"
#include "support/Drag.h"
#include "support/Screen.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace testsupport;

namespace {

constexpr COLORREF kGreen = RGB(0, 200, 0);
constexpr COLORREF kBlue = RGB(30, 60, 220);

// A settings file that places the clock, chooses the mode and keeps the sound off. Without
// seconds the clock repaints only once a minute, so what repaints it is the test's doing.
std::string Settings(int left, int top, bool wallpaper, bool seconds) {
    return "[Form]\r\nLeft=" + std::to_string(left) + "\r\nTop=" + std::to_string(top) +
           "\r\n[Prop]\r\nBack=" + (wallpaper ? "1" : "0") + "\r\nSecond=" + (seconds ? "1" : "0") +
           "\r\nJihou=0\r\n[Timer]\r\nON/OFF=0\r\n";
}

// Starts the clock and waits until it stands at its place in its own size.
HWND StartClock(ClockProcess& clock, int left) {
    HWND hwnd = clock.StartAndWaitForLayout();
    if (hwnd)
        WaitUntil([&] { return ::IsWindowVisible(hwnd) && WindowRectOf(hwnd).left == left; }, 5000);
    return hwnd;
}

int Area(const RECT& r) {
    return (r.right - r.left) * (r.bottom - r.top);
}

RECT Columns(const RECT& r, LONG from, LONG to) {
    return RECT{std::max(r.left, from), r.top, std::min(r.right, to), r.bottom};
}

TEST(SeeThrough, ScreenModeShowsTheWindowBeneathBetweenTheLettersAndItsChangesAtTheNextRepaint) {
    // A window under the left part of the clock; the clock's right part lies over the desktop.
    ColourWindow under(RECT{40, 160, 260, 280}, kGreen);
    ClockFolder folder;
    folder.WriteIni(Settings(100, 200, false, true));
    ClockProcess clock(folder);
    HWND hwnd = StartClock(clock, 100);
    ASSERT_NE(hwnd, nullptr);
    const RECT c = WindowRectOf(hwnd);
    ASSERT_GT(c.right, 300);
    const RECT overWindow = Columns(c, c.left, 260), overDesktop = Columns(c, 260, c.right);

    EXPECT_TRUE(
        WaitUntil([&] { return ScreenShot(overWindow).CountNear(kGreen) > Area(overWindow) / 3; }, 3000))
        << "the window beneath does not show between the letters";
    EXPECT_LT(ScreenShot(overWindow).CountNear(kGreen), Area(overWindow)) << "no letters over it";
    EXPECT_EQ(ScreenShot(overDesktop).CountNear(kGreen), 0);
    EXPECT_GT(ScreenShot(overDesktop).CountNear(RGB(255, 255, 255), 30), 20) << "the time's letters";

    // The window beneath changes; with seconds shown the clock repaints within a second or two.
    under.SetColour(kBlue);
    EXPECT_TRUE(WaitUntil(
        [&] {
            const ScreenShot shot(c);
            return shot.CountNear(kGreen) == 0 && shot.CountNear(kBlue) > Area(overWindow) / 3;
        },
        3000))
        << "the clock still shows what lay beneath it before";
    EXPECT_TRUE(clock.Quit());
}

TEST(SeeThrough, TheShownSecondsChangeOnTheScreenInBothModes) {
    for (const bool wallpaper : {false, true}) {
        ClockFolder folder;
        folder.WriteIni(Settings(40, 300, wallpaper, true));
        ClockProcess clock(folder);
        HWND hwnd = StartClock(clock, 40);
        ASSERT_NE(hwnd, nullptr) << "waited for the clock window";
        const RECT area = WindowRectOf(hwnd);
        const ScreenShot first(area);
        const bool changed = WaitUntil([&] { return ScreenShot(area).CountDiffering(first) > 0; }, 4000);
        EXPECT_TRUE(changed) << "waited for the seconds to change on the screen, wallpaper=" << wallpaper;
        EXPECT_TRUE(clock.Quit()) << "waited for the clock to end";
    }
}

TEST(SeeThrough, WallpaperModeShowsTheDesktopAndNoWindowInBetween) {
    ColourWindow between(RECT{60, 160, 700, 280}, kGreen);
    ClockFolder folder;
    folder.WriteIni(Settings(100, 200, true, true));
    ClockProcess clock(folder);
    HWND hwnd = StartClock(clock, 100);
    ASSERT_NE(hwnd, nullptr);
    const RECT c = WindowRectOf(hwnd);
    ASSERT_LT(c.right, 700);

    // Wine paints neither its wallpaper nor its desktop colour into another window: what shows
    // is the clock's own fill with the desktop colour, under the letters.
    const COLORREF desktop = ::GetSysColor(COLOR_DESKTOP);
    EXPECT_TRUE(WaitUntil([&] { return ScreenShot(c).CountNear(desktop, 8) > Area(c) / 3; }, 3000));
    EXPECT_EQ(ScreenShot(c).CountNear(kGreen), 0) << "the window in between shows through";
    const RECT aboveClock{c.left, 170, c.right, c.top};
    EXPECT_EQ(ScreenShot(aboveClock).CountNear(kGreen), Area(aboveClock))
        << "the window in between is not there";
    EXPECT_TRUE(clock.Quit());
}

TEST(SeeThrough, RevealsKeepTheForegroundWindowAndTheZOrderAndTheClockOnTop) {
    ColourWindow under(RECT{40, 160, 260, 280}, kGreen);
    ColourWindow front(RECT{600, 500, 760, 600}, kBlue);
    ClockFolder folder;
    folder.WriteIni(Settings(100, 200, false, true));
    ClockProcess clock(folder);
    HWND hwnd = StartClock(clock, 100);
    ASSERT_NE(hwnd, nullptr);
    ASSERT_TRUE(front.TakeForeground());
    ::SetWindowPos(under.Handle(), front.Handle(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_TRUE(Above(front.Handle(), under.Handle()));

    // A few ticks with seconds shown, and a move, each with a reveal.
    for (int i = 0; i < 3; ++i) {
        ::SetWindowPos(hwnd, nullptr, 100 + 10 * (i + 1), 200, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ::Sleep(700);
        EXPECT_EQ(::GetForegroundWindow(), front.Handle());
    }
    EXPECT_TRUE(::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(Above(hwnd, front.Handle()));
    EXPECT_TRUE(Above(hwnd, under.Handle()));
    EXPECT_TRUE(Above(front.Handle(), under.Handle()));
    EXPECT_TRUE(clock.Quit());
}

TEST(SeeThrough, ScreenModeKeepsTheBackgroundCurrentAtEveryPlaceOfADrag) {
    ColourWindow green(RECT{0, 160, 400, 300}, kGreen);
    ColourWindow blue(RECT{400, 160, 1024, 300}, kBlue);
    ClockFolder folder;
    folder.WriteIni(Settings(60, 200, false, false));
    ClockProcess clock(folder);
    HWND hwnd = StartClock(clock, 60);
    ASSERT_NE(hwnd, nullptr);

    for (int left = 60; left <= 460; left += 40) {
        SCOPED_TRACE(left);
        ::SetWindowPos(hwnd, nullptr, left, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        const RECT r = WindowRectOf(hwnd);
        ASSERT_EQ(r.left, left);
        const RECT overGreen = Columns(r, r.left, 400), overBlue = Columns(r, 400, r.right);
        // Nothing of what lay beneath the clock's last place may stay in the picture.
        const bool current = WaitUntil(
            [&] {
                return (overGreen.right <= overGreen.left || ScreenShot(overGreen).CountNear(kBlue) == 0) &&
                       (overBlue.right <= overBlue.left || ScreenShot(overBlue).CountNear(kGreen) == 0);
            },
            1000);
        EXPECT_TRUE(current);
        if (overGreen.right - overGreen.left > 40) {
            EXPECT_GT(ScreenShot(overGreen).CountNear(kGreen), Area(overGreen) / 3);
        }
        if (overBlue.right - overBlue.left > 40) {
            EXPECT_GT(ScreenShot(overBlue).CountNear(kBlue), Area(overBlue) / 3);
        }
    }
    EXPECT_TRUE(clock.Quit());
}

TEST(SeeThrough, AfterARealDragTheClockShowsWhatLiesBeneathItsNewPlace) {
    ColourWindow green(RECT{0, 120, 300, 360}, kGreen);
    ColourWindow blue(RECT{300, 120, 1024, 360}, kBlue);
    ClockFolder folder;
    folder.WriteIni(Settings(100, 200, false, false));
    ClockProcess clock(folder);
    HWND hwnd = StartClock(clock, 100);
    ASSERT_NE(hwnd, nullptr);
    const RECT start = WindowRectOf(hwnd);

    const POINT moved = DragWithLeftButton(POINT{start.left + 10, (start.top + start.bottom) / 2}, 160, 40);
    ASSERT_GT(moved.x, 100);
    ASSERT_TRUE(WaitUntil([&] { return WindowRectOf(hwnd).left == start.left + moved.x; }, 3000));
    const RECT r = WindowRectOf(hwnd);
    EXPECT_EQ(r.top, start.top + moved.y);
    // The picture taken at the old place would put green over the blue window.
    const RECT overGreen = Columns(r, r.left, 300), overBlue = Columns(r, 300, r.right);
    EXPECT_TRUE(WaitUntil(
        [&] {
            return ScreenShot(overGreen).CountNear(kBlue) == 0 &&
                   ScreenShot(overBlue).CountNear(kGreen) == 0 &&
                   ScreenShot(overBlue).CountNear(kBlue) > Area(overBlue) / 3;
        },
        1000))
        << "the clock shows what lay beneath its old place";
    EXPECT_TRUE(clock.Quit());
}

TEST(SeeThrough, AfterTheAboutBoxClosesTheClockShowsWhatIsBeneathItAtOnce) {
    // The About box stands in the middle of the screen; the clock lies under it, in screen mode,
    // without seconds, so no tick repaints it.
    const int left = ::GetSystemMetrics(SM_CXSCREEN) / 2 - 120,
              top = ::GetSystemMetrics(SM_CYSCREEN) / 2 - 10;
    ColourWindow under(RECT{left - 40, top - 40, left + 400, top + 80}, kGreen);
    ClockFolder folder;
    folder.WriteIni(Settings(left, top, false, false));
    ClockProcess clock(folder);
    HWND hwnd = StartClock(clock, left);
    ASSERT_NE(hwnd, nullptr);
    const RECT c = WindowRectOf(hwnd);
    ASSERT_TRUE(WaitUntil([&] { return ScreenShot(c).CountNear(kGreen) > Area(c) / 3; }, 3000));

    HWND about = OpenDialogFromTrayMenu(clock, hwnd, kVersion, "TAboutBox", POINT{100, 600});
    ASSERT_NE(about, nullptr);
    RECT covered{};
    const RECT a = WindowRectOf(about);
    ASSERT_TRUE(::IntersectRect(&covered, &a, &c));
    // What lies beneath changes while the box is up.
    under.SetColour(kBlue);
    const int paintsBefore = under.Paints();

    ::PostMessageA(about, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(150, 100));
    ASSERT_TRUE(WaitUntil([&] { return WindowsOf(clock.Id(), "TAboutBox").empty(); }, 3000));
    // The nudge: two reveals, the second back at the start. (Generous wait: a Wine that manages
    // windows without a window manager spends 2 s on hiding a window that has been active.) A
    // layered clock reveals nothing: the system shows what lies beneath it at every moment.
    if (!(::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED)) {
        EXPECT_TRUE(WaitUntil([&] { return under.Paints() >= paintsBefore + 2; }, 8000))
            << "no reveal at both places of the nudge";
    }
    EXPECT_TRUE(WaitUntil(
        [&] {
            const ScreenShot shot(c);
            return shot.CountNear(kGreen) == 0 && shot.CountNear(kBlue) > Area(c) / 3;
        },
        2000))
        << "the clock does not show what lies beneath it now";
    const RECT r = WindowRectOf(hwnd);
    EXPECT_TRUE(::EqualRect(&r, &c)) << "the nudge did not end where it started";
    EXPECT_TRUE(clock.Quit());
}

} // namespace
