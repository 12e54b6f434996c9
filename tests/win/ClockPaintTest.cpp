// See-through painting of the clock window in-process: the reveal of screen mode against windows
// of known colour beneath, the wallpaper mode's background, moves, the nudge, and handle counts.
#include "ClockPaintFixture.h"

#include <algorithm>
#include <string>

using namespace testsupport;
using namespace wintest;

namespace {

INSTANTIATE_TEST_SUITE_P(LayeredAndCapture, ScreenModePaths,
                         ::testing::Values(ScreenPath::Keyed, ScreenPath::Alpha, ScreenPath::Capture));

TEST_P(ScreenModePaths, ScreenModeShowsTheWindowBeneathBetweenTheLettersAndOnlyThere) {
    Open(false);
    ColourWindow green(UnderLeftHalf(), kGreen);
    ShowClockAgain();
    Settle();
    Repaint();
    const RECT c = ClockRect();
    const RECT left = LeftHalf(c), right = RightHalf(c);
    const ScreenShot shot = CaptureWhen(c, [&](const ScreenShot& s) {
        return s.CountNear(kGreen, left) > Area(left) / 3 && s.CountNear(RGB(255, 255, 255), right, 30) > 20;
    });
    EXPECT_GT(shot.CountNear(kGreen, left), Area(left) / 3) << "the window beneath does not show through";
    EXPECT_LT(shot.CountNear(kGreen, left), Area(left)) << "no letters over the window beneath";
    EXPECT_EQ(shot.CountNear(kGreen, right), 0) << "green where nothing green lies beneath";
    // The labels lie over it: the date's red letters on the left, the time's white ones on the right.
    EXPECT_GT(shot.CountNear(RGB(255, 0, 0), left, 60), 20);
    EXPECT_GT(shot.CountNear(RGB(255, 255, 255), right, 30), 20);
}

TEST_P(ScreenModePaths, OnlyThePerPixelAlphaPathDrawsItsLabelsInGrayscale) {
    Open(false);
    Repaint();
    bool grayscale = false;
    for (const LOGFONTA& font : clock_->Painting().Fonts().Descriptions()) {
        EXPECT_TRUE(font.lfQuality == ANTIALIASED_QUALITY || font.lfQuality == DEFAULT_QUALITY);
        grayscale = grayscale || font.lfQuality == ANTIALIASED_QUALITY;
    }
    EXPECT_EQ(grayscale, Expected() == ScreenPath::Alpha);
}

TEST_F(ClockPaintTest, ScreenModeShowsAChangeBeneathAtTheNextRepaintOnly) {
    if (Composed())
        GTEST_SKIP() << kCaptureUnderComposition;
    allowLayered_ = false; // the capture path
    Open(false);
    ColourWindow under(UnderLeftHalf(), kGreen);
    Settle();
    Repaint();
    const RECT c = ClockRect();
    CaptureWhen(c, [&](const ScreenShot& s) { return s.CountNear(kGreen, c) > 100; });
    under.SetColour(kBlue);
    Settle(100);
    {
        const ScreenShot shot(c);
        EXPECT_GT(shot.CountNear(kGreen, LeftHalf(c)), 100) << "the clock changed its picture unasked";
        EXPECT_EQ(shot.CountNear(kBlue, c), 0);
    }
    Repaint();
    const ScreenShot shot = CaptureWhen(c, [&](const ScreenShot& s) { return s.CountNear(kGreen, c) == 0; });
    EXPECT_EQ(shot.CountNear(kGreen, c), 0) << "a stale picture of what lies beneath";
    EXPECT_GT(shot.CountNear(kBlue, LeftHalf(c)), 100);
}

TEST_F(ClockPaintTest, RevealRepaintsTheWindowsBeneathWhileTheClockIsHidden) {
    if (Composed())
        GTEST_SKIP() << kCaptureUnderComposition;
    allowLayered_ = false; // the capture path
    TWobToke& clock = Open(false);
    ColourWindow under(UnderLeftHalf(), kGreen, true, ColourWindow::Loop::SentOnly);
    under.Watch(clock.Handle());
    const int before = under.Paints();
    Repaint();
    EXPECT_EQ(under.Paints(), before + 1);
    EXPECT_FALSE(under.WatchedWasVisible()) << "the window beneath repainted while the clock was shown";
    EXPECT_TRUE(::IsWindowVisible(clock.Handle()));

    // It repainted exactly the part the clock covers, in its own client coordinates.
    const RECT c = ClockRect(), u = WindowRectOf(under.Handle()), painted = under.LastPaint();
    const RECT expected{c.left - u.left, c.top - u.top, u.right - u.left, c.bottom - u.top};
    EXPECT_TRUE(::EqualRect(&painted, &expected));
}

TEST_F(ClockPaintTest, OnlyScreenModeRevealsAndRepaintsAtOnceWhenMoved) {
    if (Composed())
        GTEST_SKIP() << kCaptureUnderComposition;
    allowLayered_ = false; // the capture path
    TWobToke& clock = Open(true);
    ColourWindow under(UnderLeftHalf(), kGreen, true, ColourWindow::Loop::SentOnly);
    const int before = under.Paints();
    Repaint();
    EXPECT_EQ(under.Paints(), before) << "wallpaper mode revealed what lies beneath";

    // Wallpaper mode: a move leaves the repaint to the message queue.
    clock.SetWindowLeft(ClockRect().left + 7);
    EXPECT_TRUE(::GetUpdateRect(clock.Handle(), nullptr, FALSE));
    PumpMessages();
    EXPECT_FALSE(::GetUpdateRect(clock.Handle(), nullptr, FALSE));

    // Screen mode: the move repaints at once, with a reveal at the new place.
    clock.Settings.WallpaperMode = false;
    clock.SetWindowLeft(ClockRect().left - 7);
    EXPECT_FALSE(::GetUpdateRect(clock.Handle(), nullptr, FALSE));
    EXPECT_EQ(under.Paints(), before + 1);
}

TEST_F(ClockPaintTest, EraseAnswersOneAndPaintsTheDesktopOnlyInWallpaperMode) {
    TWobToke& clock = Open(false);
    HDC screen = ::GetDC(nullptr);
    HDC mem = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 40, 20);
    HGDIOBJ old = ::SelectObject(mem, bitmap);
    const RECT all{0, 0, 40, 20};
    HBRUSH magenta = ::CreateSolidBrush(kMagenta);

    ::FillRect(mem, &all, magenta);
    EXPECT_EQ(::SendMessageA(clock.Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(mem), 0), 1);
    EXPECT_EQ(::GetPixel(mem, 5, 5), kMagenta) << "screen mode painted a background";
    EXPECT_EQ(::GetPixel(mem, 39, 19), kMagenta);

    clock.Settings.WallpaperMode = true;
    ::FillRect(mem, &all, magenta);
    EXPECT_EQ(::SendMessageA(clock.Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(mem), 0), 1);
    EXPECT_NE(::GetPixel(mem, 5, 5), kMagenta) << "wallpaper mode left the background unpainted";
    EXPECT_NE(::GetPixel(mem, 39, 19), kMagenta);

    ::DeleteObject(magenta);
    ::SelectObject(mem, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(mem);
    ::ReleaseDC(nullptr, screen);
}

TEST_F(ClockPaintTest, WallpaperModeShowsTheDesktopNotTheWindowsInBetween) {
    Open(true);
    const RECT c = ClockRect();
    ColourWindow between(RECT{c.left - 50, c.top - 50, c.right + 50, c.bottom + 50}, kGreen);
    ShowClockAgain();
    Settle();
    Repaint();
    // Wine paints neither wallpaper nor desktop colour into other windows; the clock's own fill
    // with the desktop colour stands in for them there.
    const COLORREF desktop = ::GetSysColor(COLOR_DESKTOP);
    const ScreenShot shot =
        CaptureWhen(c, [&](const ScreenShot& s) { return s.CountNear(desktop, c, 8) > Area(c) / 3; });
    EXPECT_EQ(shot.CountNear(kGreen, c), 0) << "a window between the clock and the desktop shows through";
    EXPECT_GT(shot.CountNear(desktop, c, 8), Area(c) / 3);
    // ... and the window in between is really there, around the clock.
    const RECT above{c.left, c.top - 40, c.right, c.top};
    EXPECT_EQ(ScreenShot(above).CountNear(kGreen), Area(above));
}

TEST_F(ClockPaintTest, RepaintWindowsUnderRepaintsEveryVisibleWindowThatMeetsTheAreaAtOnce) {
    // Windows that paint only when made to paint at once: an invalidation alone shows nothing.
    constexpr auto kSentOnly = ColourWindow::Loop::SentOnly;
    const RECT area{300, 300, 400, 340};
    ColourWindow lower(RECT{250, 250, 350, 350}, kGreen, true, kSentOnly);
    ColourWindow upper(RECT{380, 320, 480, 420}, kBlue, true, kSentOnly);  // above `lower`
    ColourWindow apart(RECT{500, 300, 560, 340}, kGreen, true, kSentOnly); // does not meet the area
    ColourWindow hidden(RECT{300, 300, 400, 340}, kGreen, false, kSentOnly);

    SeeThrough::RepaintWindowsUnder(area);
    EXPECT_EQ(lower.Paints(), 1);
    EXPECT_EQ(upper.Paints(), 1);
    EXPECT_EQ(apart.Paints(), 0);
    EXPECT_EQ(hidden.Paints(), 0);
    // Each repainted just the part in the area, in its own client coordinates.
    const RECT lowerPart{50, 50, 100, 90}, upperPart{0, 0, 20, 20};
    const RECT lowerPainted = lower.LastPaint(), upperPainted = upper.LastPaint();
    EXPECT_TRUE(::EqualRect(&lowerPainted, &lowerPart));
    EXPECT_TRUE(::EqualRect(&upperPainted, &upperPart));
}

TEST_F(ClockPaintTest, RevealKeepsForegroundZOrderAndTopmost) {
    if (Composed())
        GTEST_SKIP() << kCaptureUnderComposition;
    allowLayered_ = false; // the capture path
    TWobToke& clock = Open(false);
    ASSERT_TRUE(::GetWindowLongA(clock.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    ColourWindow under(UnderLeftHalf(), kGreen);
    ColourWindow front(RECT{600, 500, 700, 560}, kBlue);
    ::SetWindowPos(front.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ASSERT_TRUE(front.TakeForeground());
    ASSERT_TRUE(Above(front.Handle(), under.Handle()));

    for (int i = 0; i < 5; ++i) {
        Repaint();
        clock.NudgeWindow();
    }
    PumpMessages();
    EXPECT_EQ(::GetForegroundWindow(), front.Handle());
    EXPECT_TRUE(::GetWindowLongA(clock.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(Above(clock.Handle(), front.Handle()));
    EXPECT_TRUE(Above(clock.Handle(), under.Handle()));
    EXPECT_TRUE(Above(front.Handle(), under.Handle()));

    // An ordinary clock keeps its place below a window above it and above one beneath it.
    clock.Settings.StayOnTop = false;
    clock.LayoutLabels();
    ::SetWindowPos(front.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SetWindowPos(under.Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_TRUE(Above(front.Handle(), clock.Handle()));
    ASSERT_TRUE(Above(clock.Handle(), under.Handle()));
    Repaint();
    clock.NudgeWindow();
    PumpMessages();
    EXPECT_TRUE(Above(front.Handle(), clock.Handle()));
    EXPECT_TRUE(Above(clock.Handle(), under.Handle()));
    EXPECT_EQ(::GetForegroundWindow(), front.Handle());
}

TEST_F(ClockPaintTest, NudgeEndsWhereItStartedAndShowsWhatLiesBeneathAtOnce) {
    if (Composed())
        GTEST_SKIP() << kCaptureUnderComposition;
    allowLayered_ = false; // the capture path
    TWobToke& clock = Open(false);
    ColourWindow under(UnderLeftHalf(), kGreen, true, ColourWindow::Loop::SentOnly);
    Settle();
    Repaint();
    under.SetColour(kBlue); // as a dialog closing over the clock would leave it: stale
    Settle();
    const RECT start = ClockRect();
    const int before = under.Paints();

    clock.NudgeWindow(); // repaints by itself, without waiting for the message queue
    const RECT end = ClockRect();
    EXPECT_TRUE(::EqualRect(&start, &end));
    EXPECT_EQ(under.Paints(), before + 2) << "screen mode reveals at both places";
    EXPECT_FALSE(::GetUpdateRect(clock.Handle(), nullptr, FALSE));
    const ScreenShot shot =
        CaptureWhen(end, [&](const ScreenShot& s) { return s.CountNear(kGreen, end) == 0; });
    EXPECT_EQ(shot.CountNear(kGreen, end), 0);
    EXPECT_GT(shot.CountNear(kBlue, LeftHalf(end)), 100);

    // Wallpaper mode: the same two moves, and the repaint waits for the message queue.
    clock.Settings.WallpaperMode = true;
    clock.NudgeWindow();
    const RECT again = ClockRect();
    EXPECT_TRUE(::EqualRect(&start, &again));
    EXPECT_TRUE(::GetUpdateRect(clock.Handle(), nullptr, FALSE));
    EXPECT_EQ(under.Paints(), before + 2);
}

TEST_P(ScreenModePaths, ADragKeepsTheBackgroundCurrentAtEveryPlace) {
    TWobToke& clock = Open(false, 100, 300);
    const RECT c = ClockRect();
    const int width = c.right - c.left, boundary = 100 + width;
    ColourWindow left(RECT{0, 250, boundary, 400}, kGreen);
    ColourWindow right(RECT{boundary, 250, 100 + 3 * width, 400}, kBlue);
    ShowClockAgain();
    Settle();
    for (int step = 0; step <= 8; ++step) {
        SCOPED_TRACE(step);
        clock.SetWindowLeft(100 + step * width / 4); // a drag is a sequence of such moves
        const RECT r = ClockRect();
        const RECT overGreen{r.left, r.top, std::min<LONG>(boundary, r.right), r.bottom};
        const RECT overBlue{std::max<LONG>(boundary, r.left), r.top, r.right, r.bottom};
        const ScreenShot shot = CaptureWhen(r, [&](const ScreenShot& s) {
            return s.CountNear(kBlue, overGreen) == 0 && s.CountNear(kGreen, overBlue) == 0;
        });
        EXPECT_EQ(shot.CountNear(kBlue, overGreen), 0);
        EXPECT_EQ(shot.CountNear(kGreen, overBlue), 0);
        if (Area(overGreen) > 30 * (r.bottom - r.top)) {
            EXPECT_GT(shot.CountNear(kGreen, overGreen), 50);
        }
        if (Area(overBlue) > 30 * (r.bottom - r.top)) {
            EXPECT_GT(shot.CountNear(kBlue, overBlue), 50);
        }
    }
}

TEST_F(ClockPaintTest, AThousandPaintsInEachModeLeaveNoHandleBehind) {
    TWobToke& clock = Open(false);
    ColourWindow under(UnderLeftHalf(), kGreen);
    const struct {
        bool wallpaper, layered, keyed;
    } paths[] = {{false, true, true}, {false, true, false}, {false, false, false}, {true, true, true}};
    for (const auto& path : paths) {
        if (!path.wallpaper && !path.layered && Composed())
            continue; // kCaptureUnderComposition
        SCOPED_TRACE(path.wallpaper  ? "wallpaper"
                     : !path.layered ? "capture"
                     : path.keyed    ? "keyed"
                                     : "alpha");
        clock.Settings.WallpaperMode = path.wallpaper;
        clock.Painting().AllowLayered = path.layered;
        clock.Painting().KeyWhereNotComposed = path.keyed;
        Repaint(); // the buffers exist from here on
        const long owners = ui::LiveGdiOwners();
        for (int i = 0; i < 1000; ++i) {
            now_ = MakeTime(2026, 1, 5, 1, 13, 30 + i / 60 % 30, i % 60);
            clock.Timer1Timer();
            ::UpdateWindow(clock.Handle());
        }
        clock.NudgeWindow();
        PumpMessages();
        EXPECT_EQ(ui::LiveGdiOwners(), owners);
    }
}

} // namespace
