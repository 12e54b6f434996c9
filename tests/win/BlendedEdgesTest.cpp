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

constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr COLORREF kBlue = RGB(40, 60, 200);

// xcompmgr on the test display while the object lives. Wine runs a Unix program it is asked to
// start, though without a process handle, so a shell notes the manager's process in a file.
class CompositingManager {
public:
    CompositingManager()
        : pidFile_("/tmp/morovin-xcompmgr-" + std::to_string(::GetCurrentProcessId()) + ".pid") {
        Shell("xcompmgr >/dev/null 2>&1 & echo $! >" + pidFile_ + ".new && mv " + pidFile_ + ".new " +
              pidFile_);
        started_ = PumpUntil([&] { return Exists(); }, 3000);
    }
    ~CompositingManager() {
        if (!started_)
            return;
        Shell("kill $(cat " + pidFile_ + ") && rm -f " + pidFile_);
        PumpUntil([&] { return !Exists(); }, 3000);
    }
    bool Started() const { return started_; }

private:
    static void Shell(const std::string& command) {
        std::string line = "/bin/sh -c \"" + command + "\"";
        STARTUPINFOA si{};
        si.cb = sizeof(si);
        PROCESS_INFORMATION pi{};
        if (::CreateProcessA("Z:\\bin\\sh", line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                             &pi)) {
            if (pi.hProcess)
                ::CloseHandle(pi.hProcess);
            if (pi.hThread)
                ::CloseHandle(pi.hThread);
        }
    }
    bool Exists() const { return ::GetFileAttributesA(("Z:" + pidFile_).c_str()) != INVALID_FILE_ATTRIBUTES; }

    std::string pidFile_;
    bool started_ = false;
};

class BlendedEdgesTest : public ClockFixture {};

TEST_F(BlendedEdgesTest, OverAPatternTheBackgroundStaysAndNoEdgeIsColoured) {
    TWobToke& clock = MakeClock();
    Silence();
    clock.Settings.WallpaperMode = false;
    clock.KeyWhereNotComposed = false;
    clock.BlendWhereNotComposed = true;
    clock.SetWindowLeft(200);
    clock.SetWindowTop(200);
    ShowClock();
    // Green under the left half of the time label and all before it, blue under the rest.
    const RECT c = clock.BoundsRect();
    const RECT time{c.left + clock.TimeLbl.Left(), c.top,
                    c.left + clock.TimeLbl.Left() + clock.TimeLbl.Width(), c.bottom};
    const int split = (time.left + time.right) / 2;
    ColourWindow green(RECT{c.left - 20, c.top - 10, split, c.bottom + 10}, kGreen);
    ColourWindow blue(RECT{split, c.top - 10, c.right + 20, c.bottom + 10}, kBlue);
    CompositingManager compositor;
    ASSERT_TRUE(compositor.Started()) << "waited for xcompmgr to start";
    ::ShowWindow(clock.Handle(), SW_HIDE); // above the new windows again
    ::ShowWindow(clock.Handle(), SW_SHOWNOACTIVATE);
    const RECT left{c.left, c.top, split, c.bottom}, timeLeft{time.left, time.top, split, time.bottom};
    const int area = (left.right - left.left) * (left.bottom - left.top);
    // Until the clock is back on top, drawn and composed: its letters and the pattern between them.
    ScreenShot shot(c);
    PumpUntil(
        [&] {
            shot = ScreenShot(c);
            return shot.CountNear(kGreen, left, 2) > area / 3 &&
                   shot.CountNear(RGB(255, 255, 255), timeLeft, 2) > 20;
        },
        3000);

    // Between the letters the pattern is as it is (alpha 1 of 255 is within a step of it).
    EXPECT_GT(shot.CountNear(kGreen, left, 2), area / 3)
        << "the background does not show between the letters";
    EXPECT_GT(shot.CountNear(kBlue, RECT{split, c.top, c.right, c.bottom}, 2), 0);
    // The time label is white over a black shadow: over green each pixel is a grey blended with
    // the green, so its red and blue are equal and its green is no less. Edge pixels lie between.
    int edges = 0, coloured = 0;
    POINT first{-1, -1};
    for (int y = time.top; y < time.bottom; ++y)
        for (int x = time.left; x < split; ++x) {
            const COLORREF p = shot.At(x, y);
            const int r = GetRValue(p), g = GetGValue(p), b = GetBValue(p);
            if (std::abs(r - b) > 2 || g < r - 2) {
                if (coloured++ == 0)
                    first = POINT{x, y};
            } else if (g > r + 2 && std::abs(g - GetGValue(kGreen)) > 2) {
                ++edges;
            }
        }
    EXPECT_EQ(coloured, 0) << "coloured pixels, the first at " << first.x << "," << first.y;
    EXPECT_GT(edges, 10) << "no edge pixel between the background and the label";
}

} // namespace
