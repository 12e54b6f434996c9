// When the clock steps aside for the foreground window (FullScreenRule.h).
#include "clock/FullScreenRule.h"

#include <gtest/gtest.h>

TEST(FullScreenRule, StepsAsideOnlyForAForeignWindowCoveringTheClocksMonitor) {
    constexpr ScreenBox kMonitor{1920, 0, 3840, 1080}, kWhole = kMonitor; // the second of two
    const struct {
        ScreenBox bounds;
        const char* className;
        bool desktop, own, maximized, caption, aside;
    } rows[] = {{kWhole, "Player", false, false, false, false, true},
                {{1900, -40, 3900, 1100}, "Player", false, false, false, true, true}, // caption off the edge
                {{0, 0, 3840, 1080}, "Player", false, false, false, false, true},     // spans both
                {{1912, -8, 3848, 1088}, "Game", false, false, true, false, true},    // maximized, no caption
                {{1912, -8, 3848, 1088}, "Cabinet", false, false, true, true, false}, // ordinary maximized
                {{1920, 0, 3840, 1079}, "Player", false, false, false, false, false},
                {{0, 0, 1920, 1080}, "Player", false, false, false, false, false}, // the other monitor
                {kWhole, "#32769", true, false, false, false, false},
                {kWhole, "Progman", false, false, false, false, false},
                {kWhole, "WorkerW", false, false, false, false, false},
                {kWhole, "Shell_TrayWnd", false, false, false, false, false},
                {kWhole, "Shell_SecondaryTrayWnd", false, false, false, false, false},
                {kWhole, "TAboutBox", false, true, false, false, false}};
    for (const auto& r : rows) {
        const ForegroundWindow w{r.bounds, r.className, r.desktop, r.own, r.maximized, r.caption};
        EXPECT_EQ(StepAsideFor(w, kMonitor), r.aside) << r.className << " " << r.bounds.left;
    }
    EXPECT_FALSE(StepAsideFor(std::nullopt, kMonitor));
}
