// The real program on a 144-dpi desktop. Wine takes its system DPI from the prefix's LogPixels when
// a process starts, so the test sets it for one start and puts it back after.
#include "support/ClockProcess.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

// The clock window's size once its first layout has shrink-wrapped it (it is made 250 x 204), and
// whether its tray icon is registered then.
std::pair<SIZE, bool> StartAndQuit() {
    ClockFolder folder;
    ClockProcess clock(folder);
    HWND hwnd = clock.StartAndWaitForWindow();
    EXPECT_TRUE(hwnd && WaitForFirstLayout(hwnd)) << "waited for the clock's first layout";
    const RECT r = WindowRectOf(hwnd);
    const bool icon = TrayIconPresent(hwnd);
    EXPECT_TRUE(clock.Quit());
    return {SIZE{r.right - r.left, r.bottom - r.top}, icon};
}

TEST(Dpi, At144DpiTheClockIsHalfAgainAsLargeAndHasItsTrayIcon) {
    const SIZE at96 = StartAndQuit().first;
    DWORD previous = 96, size = sizeof(previous), dpi = 144;
    ::RegGetValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", RRF_RT_REG_DWORD, nullptr,
                   &previous, &size);
    ::RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD, &dpi, sizeof(dpi));
    const auto [at144, icon] = StartAndQuit();
    ::RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD, &previous,
                      sizeof(previous));
    ASSERT_GT(at96.cx, 0);
    EXPECT_NEAR(static_cast<double>(at144.cx) / at96.cx, 1.5, 0.08);
    EXPECT_NEAR(static_cast<double>(at144.cy) / at96.cy, 1.5, 0.08);
    EXPECT_TRUE(icon) << "no tray icon at 144 dpi";
}

} // namespace
