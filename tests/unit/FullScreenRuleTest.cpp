// When the clock steps aside: a foreground window covering the clock's whole monitor, other than
// the desktop, the task bar, the clock's own windows and an ordinary maximized window.
#include "clock/FullScreenRule.h"

#include <gtest/gtest.h>

namespace {

constexpr ScreenBox kMonitor{1920, 0, 3840, 1080}; // the clock's: the second of two side by side

ForegroundWindow Window(ScreenBox bounds, const char* className = "MediaPlayer") {
    ForegroundWindow w;
    w.bounds = bounds;
    w.className = className;
    return w;
}

TEST(FullScreenRule, StepsAsideOnlyForAForeignWindowCoveringTheClocksMonitor) {
    const ScreenBox whole = kMonitor;
    auto desktop = Window(whole, "#32769");
    desktop.desktop = true;
    auto own = Window(whole, "TAboutBox");
    own.clockOwn = true;
    auto maximized = Window({1912, -8, 3848, 1088}, "CabinetWClass");
    maximized.maximized = maximized.hasCaption = true;
    auto maximizedBorderless = maximized;
    maximizedBorderless.hasCaption = false;
    auto captionOverTheEdge = Window({1912, -31, 3848, 1088});
    captionOverTheEdge.hasCaption = true;
    const struct {
        const char* name;
        std::optional<ForegroundWindow> foreground;
        bool aside;
    } rows[] = {
        {"none", std::nullopt, false},
        {"exactly the monitor", Window(whole), true},
        {"larger than the monitor", Window({1900, -10, 3900, 1100}), true},
        {"spanning both monitors", Window({0, 0, 3840, 1080}), true},
        {"caption pushed off the monitor", captionOverTheEdge, true},
        {"maximized without caption", maximizedBorderless, true},
        {"one pixel short at the bottom", Window({1920, 0, 3840, 1079}), false},
        {"one pixel short at the left", Window({1921, 0, 3840, 1080}), false},
        {"work area only", Window({1920, 0, 3840, 1040}), false},
        {"the other monitor", Window({0, 0, 1920, 1080}), false},
        {"ordinary maximized window", maximized, false},
        {"the desktop", desktop, false},
        {"the shell's desktop", Window(whole, "Progman"), false},
        {"the desktop during show desktop", Window(whole, "WorkerW"), false},
        {"the task bar", Window(whole, "Shell_TrayWnd"), false},
        {"another monitor's task bar", Window(whole, "Shell_SecondaryTrayWnd"), false},
        {"the clock's own box", own, false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(StepAsideFor(row.foreground, kMonitor), row.aside) << row.name;
}

} // namespace
