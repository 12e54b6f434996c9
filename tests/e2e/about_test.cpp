// The About box on the real program: from the popup menu and from a second start.
#include "support/ClockProcess.h"
#include "support/Screen.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

// Posts what Enter, Esc and Alt+F4 would bring; none of them may close the box.
void PressKeys(HWND about) {
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        ::PostMessageA(about, WM_KEYDOWN, key, 0);
        ::PostMessageA(about, WM_CHAR, key == VK_RETURN ? '\r' : 0x1B, 0);
        ::PostMessageA(about, WM_KEYUP, key, 0);
    }
    ::PostMessageA(about, WM_SYSKEYDOWN, VK_F4, 1 << 29);
    ::PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0);
}

// The program's four texts in their colours on a black panel.
void ExpectPanelPainted(HWND about) {
    const RECT r = WindowRectOf(about);
    auto area = [&](int left, int top, int right, int bottom) {
        return ScreenShot(RECT{r.left + left, r.top + top, r.left + right, r.top + bottom});
    };
    // Painting may lag the showing by a moment.
    EXPECT_TRUE(WaitUntil([&] { return area(40, 8, 280, 50).CountNear(RGB(255, 255, 0)) > 60; }, 3000))
        << "no yellow \"Morovin\"";
    EXPECT_GT(area(118, 52, 200, 68).CountNear(RGB(255, 0, 0)), 15) << "no red version";
    EXPECT_GT(area(40, 65, 290, 112).CountNear(RGB(0, 128, 0), 30), 40) << "no green contact lines";
    const ScreenShot corners = area(0, 0, 302, 112);
    for (POINT p : {POINT{2, 2}, POINT{299, 2}, POINT{2, 109}, POINT{299, 109}})
        EXPECT_EQ(corners.At(r.left + p.x, r.top + p.y), RGB(0, 0, 0)) << p.x << "," << p.y;
}

void ExpectCentredTopmostPanel(HWND about) {
    RECT client{};
    ::GetClientRect(about, &client);
    EXPECT_EQ(client.right, 302);
    EXPECT_EQ(client.bottom, 112);
    const RECT r = WindowRectOf(about);
    EXPECT_EQ(r.right - r.left, 302) << "the box has a frame";
    EXPECT_EQ(r.left, (::GetSystemMetrics(SM_CXSCREEN) - 302) / 2);
    EXPECT_EQ(r.top, (::GetSystemMetrics(SM_CYSCREEN) - 112) / 2);
    const LONG style = ::GetWindowLongA(about, GWL_STYLE);
    EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME | WS_DLGFRAME));
    EXPECT_TRUE(::GetWindowLongA(about, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(TextOf(about), "ﾊﾞｰｼﾞｮﾝ情報");
}

TEST(About, VersionItemShowsThePanelWhichOnlyAMousePressCloses) {
    ClockFolder folder;
    ClockProcess clock(folder);
    HWND hwnd = clock.StartAndWaitForWindow();
    ASSERT_NE(hwnd, nullptr);
    HWND about = OpenDialogFromTrayMenu(clock, hwnd, kVersion, "TAboutBox");
    ASSERT_NE(about, nullptr);

    ExpectCentredTopmostPanel(about);
    ExpectPanelPainted(about);
    ExpectNoTaskbarButton(clock.Id());
    EXPECT_FALSE(::IsWindowEnabled(hwnd));

    PressKeys(about);
    ::Sleep(400);
    EXPECT_TRUE(::IsWindowVisible(about)) << "a key closed the box";

    // A right press on the first contact line closes it; the box is destroyed, not hidden.
    ::PostMessageA(about, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(60, 74));
    EXPECT_TRUE(WaitUntil([&] { return WindowsOf(clock.Id(), "TAboutBox").empty(); }, 3000));
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(hwnd) != FALSE; }, 3000));
    ExpectNoTaskbarButton(clock.Id());
    EXPECT_TRUE(::IsWindowVisible(hwnd));

    // And again: each opening makes a fresh box.
    about = OpenDialogFromTrayMenu(clock, hwnd, kVersion, "TAboutBox");
    ASSERT_NE(about, nullptr);
    ::PostMessageA(about, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(130, 58)); // on "Ver 1.71"
    EXPECT_TRUE(WaitUntil([&] { return WindowsOf(clock.Id(), "TAboutBox").empty(); }, 3000));
    ExpectNoTaskbarButton(clock.Id());
    EXPECT_TRUE(clock.Quit());
    EXPECT_EQ(clock.ExitCode(), 0u);
}

TEST(About, SecondStartShowsThePanelUntilAPressAndEnds) {
    ClockFolder first;
    ClockProcess clock(first);
    HWND hwnd = clock.StartAndWaitForWindow();
    ASSERT_NE(hwnd, nullptr);

    struct Press {
        UINT message;
        WPARAM buttons;
        POINT at;
    } presses[] = {{WM_RBUTTONDOWN, MK_RBUTTON, POINT{50, 95}},  // the second contact line
                   {WM_LBUTTONDOWN, MK_LBUTTON, POINT{60, 25}}}; // the program's name
    for (const Press& press : presses) {
        ClockFolder second;
        ClockProcess again(second);
        again.Start();
        HWND about = again.WaitForWindow("TAboutBox");
        ASSERT_NE(about, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(about) != FALSE; }, 5000));
        ExpectCentredTopmostPanel(about);
        ExpectPanelPainted(about);
        ExpectNoTaskbarButton(again.Id());

        PressKeys(about);
        EXPECT_FALSE(again.WaitForExit(400)) << "a key closed the box";
        ::PostMessageA(about, press.message, press.buttons, MAKELPARAM(press.at.x, press.at.y));
        EXPECT_TRUE(again.WaitForExit(5000));
        EXPECT_EQ(again.ExitCode(), 0u);
        EXPECT_FALSE(second.IniExists());
    }
    EXPECT_TRUE(clock.Running());
    EXPECT_TRUE(::IsWindowEnabled(hwnd));
    EXPECT_TRUE(clock.Quit());
}

} // namespace
