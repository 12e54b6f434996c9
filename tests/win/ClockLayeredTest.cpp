// Screen mode on its layered window in-process: ticking never hides the clock, a refused layered
// window is given up only after three refusals in a row and tried again, the new time shows on
// either path, letters in the key colour stay, and a change beneath shows at once.
#include "ClockPaintFixture.h"

#include <algorithm>
#include <string>

using namespace testsupport;
using namespace wintest;

namespace {

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
