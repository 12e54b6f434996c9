// See-through painting of the clock window in-process: the reveal of screen mode against windows
// of known colour beneath, the wallpaper mode's background, moves, the nudge, and handle counts.
#include "ClockFixture.h"
#include "TestSupport.h"
#include "clockwindow/ClockWindow_win.h"
#include "support/Screen.h"
// The colour windows of the end-to-end tests (each window runs on a thread of its own, as
// another program's would).
#include "support/TestWindows.h"
#include "support/WindowInfo.h"
#include "ui/Compositor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

using namespace testsupport;
using namespace wintest;

namespace {

constexpr COLORREF kGreen = RGB(0, 200, 0);
constexpr COLORREF kBlue = RGB(30, 60, 220);
constexpr COLORREF kMagenta = RGB(230, 0, 230);

// Whether the platform reports a desktop that composes windows: there the clock blends and cuts
// out no key, whatever KeyWhereNotComposed says.
bool Composed() {
    return ui::Compositor::Instance().IsComposited();
}
// The capture path is checked where the desktop does not compose windows. Under composition its
// copy relies on the compositor having shown the repainted windows (DwmFlush) and on no exposure
// arriving after the show; under Wine with a compositing X manager neither holds: the copy is
// stale and every show brings an exposure, so the clock reveals again and again (docs/painting.md).
constexpr char kCaptureUnderComposition[] =
    "the capture path under desktop composition is not checked here (docs/painting.md)";

RECT LeftHalf(const RECT& r) {
    return RECT{r.left, r.top, (r.left + r.right) / 2, r.bottom};
}
RECT RightHalf(const RECT& r) {
    return RECT{(r.left + r.right) / 2, r.top, r.right, r.bottom};
}

// Lets this thread go idle for a moment: the platform may put what was painted on the screen
// only then (Wine flushes a window's pixels when its thread waits for messages).
void Settle(int ms = 30) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_ALLINPUT);
    PumpMessages();
}

// Captures `area` until `holds` is true of the capture or a second has passed; the last capture.
ScreenShot CaptureWhen(const RECT& area, const std::function<bool(const ScreenShot&)>& holds) {
    for (int i = 0;; ++i) {
        Settle();
        ScreenShot shot(area);
        if (holds(shot) || i == 30)
            return shot;
    }
}

class ClockPaintTest : public ClockFixture {
protected:
    // A clock at (left, top) in the given mode, shown and painted once.
    TWobToke& Open(bool wallpaper, int left = 120, int top = 140) {
        MakeClock();
        Silence();
        clock_->Settings.WallpaperMode = wallpaper;
        clock_->Painting().AllowLayered = allowLayered_;
        clock_->Painting().KeyWhereNotComposed = keyed_;
        clock_->SetWindowLeft(left);
        clock_->SetWindowTop(top);
        ShowClock();
        return *clock_;
    }
    void Repaint() {
        ::InvalidateRect(clock_->Handle(), nullptr, TRUE);
        ::UpdateWindow(clock_->Handle());
    }
    RECT ClockRect() const { return clock_->BoundsRect(); }
    // A window under the left half of the clock, reaching well beyond it to the left and below.
    RECT UnderLeftHalf() const {
        const RECT c = ClockRect();
        return RECT{c.left - 60, c.top - 30, (c.left + c.right) / 2, c.bottom + 40};
    }
    // Wine without a window manager puts a newly shown window above all others on the screen,
    // whatever its Z order; showing the clock again puts it back where it belongs.
    void ShowClockAgain() {
        ::ShowWindow(clock_->Handle(), SW_HIDE);
        ::ShowWindow(clock_->Handle(), SW_SHOWNOACTIVATE);
    }
    int Area(const RECT& r) const { return (r.right - r.left) * (r.bottom - r.top); }

    // Screen mode's layered window where the system takes it; false reaches the capture path.
    bool allowLayered_ = true;
    // Without desktop composition (as here) the layered window cuts out a key colour; false
    // reaches its per-pixel alpha.
    bool keyed_ = true;
};

// The pixel checks hold on every path of screen mode.
enum class ScreenPath { Keyed, Alpha, Capture };
class ScreenModePaths : public ClockPaintTest, public ::testing::WithParamInterface<ScreenPath> {
protected:
    void SetUp() override {
        ClockPaintTest::SetUp();
        allowLayered_ = GetParam() != ScreenPath::Capture;
        keyed_ = GetParam() == ScreenPath::Keyed;
        if (GetParam() == ScreenPath::Capture && Composed())
            GTEST_SKIP() << kCaptureUnderComposition;
    }
    // The path the clock takes: a key only where the desktop does not compose windows.
    ScreenPath Expected() const {
        return GetParam() == ScreenPath::Keyed && Composed() ? ScreenPath::Alpha : GetParam();
    }
};
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

// Counts the clock window's hidings and showings, as its window procedure sees them.
class VisibilityChanges {
public:
    explicit VisibilityChanges(HWND watched) {
        watched_ = watched;
        count_ = 0;
        hook_ =
            ::SetWindowsHookExA(WH_CALLWNDPROC, &VisibilityChanges::Hook, nullptr, ::GetCurrentThreadId());
    }
    ~VisibilityChanges() { ::UnhookWindowsHookEx(hook_); }
    VisibilityChanges(const VisibilityChanges&) = delete;
    VisibilityChanges& operator=(const VisibilityChanges&) = delete;
    int Count() const { return count_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp) {
        const auto* m = reinterpret_cast<const CWPSTRUCT*>(lp);
        if (code == HC_ACTION && m->hwnd == watched_ && m->message == WM_WINDOWPOSCHANGED &&
            (reinterpret_cast<const WINDOWPOS*>(m->lParam)->flags & (SWP_HIDEWINDOW | SWP_SHOWWINDOW)))
            ++count_;
        return ::CallNextHookEx(nullptr, code, wp, lp);
    }
    static inline HWND watched_ = nullptr;
    static inline int count_ = 0;
    HHOOK hook_ = nullptr;
};

TEST_F(ClockPaintTest, TickingNeverHidesOrShowsTheLayeredClock) {
    TWobToke& clock = Open(false);
    ColourWindow under(UnderLeftHalf(), kGreen, true, ColourWindow::Loop::SentOnly);
    ASSERT_TRUE(clock.Painting().IsLayered()) << "screen mode is not on its layered window here";
    const int paintsBeneath = under.Paints();
    auto tickFor = [&](int seconds) {
        for (int i = 0; i < seconds; ++i) {
            now_ = MakeTime(2026, 1, 5, 1, 13, 30, i);
            clock.Timer1Timer();
            ::UpdateWindow(clock.Handle());
        }
    };
    for (const bool keyed : {true, false}) {
        SCOPED_TRACE(keyed ? "keyed" : "alpha");
        clock.Painting().KeyWhereNotComposed = keyed;
        tickFor(1); // from one way of cutting to the other
        EXPECT_EQ(clock.Painting().IsKeyed(), keyed && !Composed());
        VisibilityChanges layered(clock.Handle());
        tickFor(30);
        EXPECT_EQ(layered.Count(), 0) << "the clock hid or showed itself while ticking";
        EXPECT_EQ(under.Paints(), paintsBeneath) << "a window beneath was asked to repaint";
    }

    // The capture path hides and shows at every repaint: the count sees it.
    clock.Painting().AllowLayered = false;
    VisibilityChanges capture(clock.Handle());
    tickFor(3);
    EXPECT_GE(capture.Count(), 6);
}

TEST_F(ClockPaintTest, TheLayeredWindowIsGivenUpOnlyAfterThreeRefusalsInARowAndTriedAgain) {
    keyed_ = false; // per-pixel alpha: the path that hands its picture to UpdateLayeredWindowIndirect
    // One tick a letter: 'x' the system refuses the update, '.' it takes it (and every one after).
    const std::pair<std::string, bool> rows[] = {{"x.", true}, {"xx.xx.", true}, {"xxx.", false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.first);
        TWobToke& clock = Open(false);
        size_t call = 0;
        clock.Painting().Layered().UpdateCall = [&](HWND hwnd, const UPDATELAYEREDWINDOWINFO* info) {
            if (row.first[std::min(call++, row.first.size() - 1)] != 'x')
                return ::UpdateLayeredWindowIndirect(hwnd, info);
            ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return FALSE;
        };
        for (size_t i = 0; i < row.first.size(); ++i) {
            now_ = MakeTime(2026, 1, 5, 1, 13, 30, static_cast<int>(i));
            clock.Timer1Timer();
            ::UpdateWindow(clock.Handle());
        }
        EXPECT_EQ(clock.Painting().IsLayered(), row.second);
        EXPECT_EQ(clock.Painting().LayeredError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
        ::SendMessageA(clock.Handle(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768)); // tries it again
        ::UpdateWindow(clock.Handle());
        EXPECT_TRUE(clock.Painting().IsLayered());
    }
}

TEST_F(ClockPaintTest, ATickShowsTheNewTimeOnTheLayeredWindowAndInWallpaperMode) {
    // Wine gives a window drawn with UpdateLayeredWindowIndirect an empty paint rectangle: the
    // layered clock must still draw the label that changed.
    for (const bool wallpaper : {false, true}) {
        SCOPED_TRACE(wallpaper ? "wallpaper mode" : "layered screen mode");
        now_ = MakeTime(2026, 1, 5, 1, 13, 29, 58);
        TWobToke& clock = Open(wallpaper);
        EXPECT_EQ(clock.Painting().IsLayered(), !wallpaper);
        RECT time = ClockRect();
        time.left += clock.Face().TimeLbl.Left();
        const ScreenShot before = CaptureWhen(time, [](const ScreenShot&) { return true; });
        now_ = MakeTime(2026, 1, 5, 1, 13, 31, 7);
        clock.Timer1Timer();
        ::UpdateWindow(clock.Handle());
        const ScreenShot after =
            CaptureWhen(time, [&](const ScreenShot& s) { return s.CountDiffering(before) > 20; });
        EXPECT_GT(after.CountDiffering(before), 20) << "waited for the time label to show the new time";
        clock_.reset();
    }
}

TEST_F(ClockPaintTest, LettersInTheKeyColourAreNotCutOut) {
    if (Composed())
        GTEST_SKIP() << "the desktop composes windows: the clock blends and cuts out no key";
    TWobToke& clock = Open(false);
    ASSERT_TRUE(clock.Painting().IsKeyed());
    ColourWindow under(UnderLeftHalf(), kGreen);
    clock.Face().DateLbl.SetFontColor(KeyedSurface::kKey);
    clock.Face().DateLbl.Shadow().SetVisible(false);
    ShowClockAgain();
    Repaint();
    const RECT left = LeftHalf(ClockRect());
    const ScreenShot shot =
        CaptureWhen(left, [&](const ScreenShot& s) { return s.CountNear(kGreen) > Area(left) / 3; });
    EXPECT_GT(shot.CountNear(kGreen), Area(left) / 3);
    EXPECT_GT(shot.CountNear(KeyedSurface::kKey, 4), 20) << "the date's letters were cut out";
}

TEST_F(ClockPaintTest, LayeredScreenModeShowsAChangeBeneathAtOnce) {
    Open(false);
    ColourWindow under(UnderLeftHalf(), kGreen);
    ShowClockAgain();
    const RECT c = ClockRect();
    CaptureWhen(
        c, [&](const ScreenShot& s) { return s.CountNear(kGreen, LeftHalf(c)) > Area(LeftHalf(c)) / 3; });
    under.SetColour(kBlue); // the clock does not repaint
    const ScreenShot shot = CaptureWhen(c, [&](const ScreenShot& s) { return s.CountNear(kGreen, c) == 0; });
    EXPECT_EQ(shot.CountNear(kGreen, c), 0) << "the clock still shows what lay beneath it";
    EXPECT_GT(shot.CountNear(kBlue, LeftHalf(c)), Area(LeftHalf(c)) / 3);
    EXPECT_LT(shot.CountNear(kBlue, LeftHalf(c)), Area(LeftHalf(c))) << "no letters over it";
    EXPECT_GT(shot.CountNear(RGB(255, 0, 0), LeftHalf(c), 60), 20) << "the date's letters";
}

} // namespace
