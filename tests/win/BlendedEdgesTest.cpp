// The per-pixel-alpha picture as a composing desktop shows it: the test display gets a compositing
// X manager (xcompmgr) for this test alone, and the clock blends its edges although Wine reports
// no composition.
#include "ClockFixture.h"
#include "TestSupport.h"
#include "support/Screen.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace testsupport;
using namespace wintest;

namespace {

// Runs a shell command line; Wine starts a Unix program it is asked to, without a process handle.
void Shell(std::string command) {
    command = "/bin/sh -c \"" + command + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    ::CreateProcessA("Z:\\bin\\sh", command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
}

// xcompmgr while the object lives; a file notes its process while it runs. A display that has one
// for the whole session (MOROVIN_DISPLAY_COMPOSITED, scripts/test-session) keeps it.
class CompositingManager {
public:
    CompositingManager() {
        if (std::getenv("MOROVIN_DISPLAY_COMPOSITED")) {
            started = true;
            return;
        }
        own_ = true;
        Shell("xcompmgr >/dev/null 2>&1 & echo $! >" + pid_ + ".new && mv " + pid_ + ".new " + pid_);
        started = PumpUntil([&] { return Running(); }, 3000);
    }
    ~CompositingManager() {
        if (!own_)
            return;
        Shell("kill $(cat " + pid_ + ") && rm -f " + pid_);
        PumpUntil([&] { return !Running(); }, 3000);
    }
    bool Running() const { return ::GetFileAttributesA(("Z:" + pid_).c_str()) != INVALID_FILE_ATTRIBUTES; }
    bool started = false;

private:
    bool own_ = false;
    const std::string pid_ = "/tmp/morovin-xcompmgr-" + std::to_string(::GetCurrentProcessId());
};

using BlendedEdgesTest = ClockFixture;

TEST_F(BlendedEdgesTest, OverAPatternTheBackgroundStaysAndNoEdgeIsColoured) {
    TWobToke& clock = MakeClock();
    Silence();
    clock.Settings.WallpaperMode = false;
    clock.Painting().KeyWhereNotComposed = false;
    clock.Painting().BlendWhereNotComposed = true;
    ShowClock();
    // Green under all before the middle of the time label, blue under the rest.
    const RECT c = clock.BoundsRect();
    const int timeLeft = c.left + clock.Face().TimeLbl.Left(),
              split = timeLeft + clock.Face().TimeLbl.Width() / 2;
    const RECT left{c.left, c.top, split, c.bottom}, time{timeLeft, c.top, split, c.bottom};
    ColourWindow green(RECT{c.left - 20, c.top - 10, split, c.bottom + 10}, RGB(0, 160, 0));
    ColourWindow blue(RECT{split, c.top - 10, c.right + 20, c.bottom + 10}, RGB(40, 60, 200));
    CompositingManager compositor;
    ASSERT_TRUE(compositor.started) << "waited for xcompmgr to start";
    ::ShowWindow(clock.Handle(), SW_HIDE); // above the new windows again
    ::ShowWindow(clock.Handle(), SW_SHOWNOACTIVATE);
    // Between the letters the pattern as it is (alpha 1 of 255 is within a step of it), once the
    // clock is drawn and composed.
    const int area = (split - c.left) * (c.bottom - c.top);
    ScreenShot shot(c);
    EXPECT_TRUE(PumpUntil(
        [&] {
            shot = ScreenShot(c);
            return shot.CountNear(RGB(0, 160, 0), left, 2) > area / 3 &&
                   shot.CountNear(RGB(255, 255, 255), time, 2) > 20;
        },
        3000))
        << "the background does not show between the letters";
    EXPECT_GT(shot.CountNear(RGB(40, 60, 200), RECT{split, c.top, c.right, c.bottom}, 2), 0);
    // The time label is white over a black shadow: over green each pixel is a grey blended with
    // the green, its red and blue equal and its green no less. Edge pixels lie in between.
    int edges = 0, coloured = 0;
    for (int y = time.top; y < time.bottom; ++y)
        for (int x = time.left; x < time.right; ++x) {
            const int r = GetRValue(shot.At(x, y)), g = GetGValue(shot.At(x, y)),
                      b = GetBValue(shot.At(x, y));
            coloured += std::abs(r - b) > 2 || g < r - 2;
            edges += g > r + 2 && std::abs(g - 160) > 2;
        }
    EXPECT_EQ(coloured, 0) << "coloured or dark fringes";
    EXPECT_GT(edges, 10) << "no edge pixel between the background and the label";
}

} // namespace
