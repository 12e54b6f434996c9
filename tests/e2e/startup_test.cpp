// Start-up and shutdown of the real program: the window it opens, a second start, quitting.
#include "support/ClockProcess.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

TEST(Startup, OpensBorderlessTopmostClockAtDesignPositionWithoutTaskbarButton) {
    ClockFolder folder;
    ClockProcess clock(folder);
    HWND hwnd = clock.StartAndWaitForWindow();
    ASSERT_NE(hwnd, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(hwnd) != FALSE; }, 5000));

    EXPECT_EQ(TextOf(hwnd), "Morovin");
    const RECT r = WindowRectOf(hwnd);
    EXPECT_EQ(r.left, 198);
    EXPECT_EQ(r.top, 103);

    const LONG style = ::GetWindowLongA(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME));
    EXPECT_TRUE(::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);

    // No task-bar button: the clock is owned by the hidden application window, a tool window.
    HWND owner = ::GetWindow(hwnd, GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_EQ(ClassOf(owner), "TApplication");
    EXPECT_TRUE(::GetWindowLongA(owner, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(::IsWindowVisible(owner));
    EXPECT_FALSE(::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW);

    EXPECT_TRUE(clock.Quit());
    EXPECT_EQ(clock.ExitCode(), 0u);
}

TEST(Startup, WindowIsShrinkWrappedAroundOneLineOfText) {
    ClockFolder folder;
    ClockProcess clock(folder);
    HWND hwnd = clock.StartAndWaitForWindow();
    ASSERT_NE(hwnd, nullptr);
    // The design size (250 x 204) gives way to the three labels side by side at the first layout.
    ASSERT_TRUE(WaitForFirstLayout(hwnd));
    const RECT r = WindowRectOf(hwnd);
    const int height = r.bottom - r.top;
    const int width = r.right - r.left;
    EXPECT_GT(height, 20); // one line of a 27-pixel font
    EXPECT_LT(height, 45);
    EXPECT_GT(width, 200); // "2026/12/8(Tue)12:34:56" in large letters
    EXPECT_TRUE(clock.Quit());
}

TEST(Startup, SecondStartShowsAboutBoxAndLeavesFirstClockRunning) {
    ClockFolder first, second;
    ClockProcess clock(first);
    HWND hwnd = clock.StartAndWaitForWindow();
    ASSERT_NE(hwnd, nullptr);
    const RECT before = WindowRectOf(hwnd);

    ClockProcess again(second);
    again.Start();
    HWND about = again.WaitForWindow("TAboutBox");
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(about) != FALSE; }, 5000));
    EXPECT_TRUE(WindowsOf(again.Id(), "TWobToke").empty());
    RECT client{};
    ::GetClientRect(about, &client);
    EXPECT_EQ(client.right, 302);
    EXPECT_EQ(client.bottom, 112);
    const RECT r = WindowRectOf(about);
    EXPECT_EQ(r.left, (::GetSystemMetrics(SM_CXSCREEN) - 302) / 2);
    EXPECT_EQ(r.top, (::GetSystemMetrics(SM_CYSCREEN) - 112) / 2);
    EXPECT_TRUE(::GetWindowLongA(about, GWL_EXSTYLE) & WS_EX_TOPMOST);

    // Keys do nothing; a middle press anywhere closes it, and the second start ends.
    ::PostMessageA(about, WM_KEYDOWN, VK_RETURN, 0);
    ::PostMessageA(about, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(again.WaitForExit(500));
    ::PostMessageA(about, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(150, 100));
    EXPECT_TRUE(again.WaitForExit(5000));
    EXPECT_EQ(again.ExitCode(), 0u);
    EXPECT_FALSE(second.IniExists()); // a second start never touches settings

    EXPECT_TRUE(clock.Running());
    EXPECT_EQ(WindowRectOf(hwnd).left, before.left);
    EXPECT_TRUE(clock.Quit());
}

TEST(Startup, CloseEndsTheProcessAndSavesSettings) {
    ClockFolder folder;
    ClockProcess clock(folder);
    clock.Start();
    ASSERT_NE(clock.ClockWindow(), nullptr);
    EXPECT_TRUE(clock.Quit());
    EXPECT_EQ(clock.ExitCode(), 0u);
    const std::string ini = folder.ReadIni();
    EXPECT_NE(ini.find("[Form]"), std::string::npos);
    EXPECT_NE(ini.find("Left=198"), std::string::npos);
}

} // namespace
