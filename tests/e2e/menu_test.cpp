// The tray icon callback, the popup menu and its commands, and the mouse on the clock, driven
// on the real program from outside as the shell and the user would.
#include "support/ClockProcess.h"
#include "support/Drag.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

#include <string>

using namespace testsupport;

namespace {

// What the program guarantees once a modal box is up: it is shown and the clock takes no input.
bool WaitForModalBox(HWND clock, HWND box) {
    return WaitUntil([&] { return ::IsWindowVisible(box) && !::IsWindowEnabled(clock); }, 5000);
}

// True when the clock answers a message within `ms`: it is neither hung nor inside a menu.
bool Responsive(HWND hwnd, int ms = 3000) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, ms, &result) != 0;
}

TEST(Menu, TrayRightButtonOpensTheMenuAtThePointerAndEscapeClosesIt) {
    ClockFolder folder;
    ClockProcess clock(folder);
    HWND hwnd = clock.StartAndWaitForLayout();
    ASSERT_NE(hwnd, nullptr);

    HWND menu = OpenTrayMenu(clock, hwnd, POINT{400, 300});
    ASSERT_NE(menu, nullptr) << "no popup menu opened";
    const RECT r = WindowRectOf(menu);
    EXPECT_EQ(r.left, 400);
    EXPECT_EQ(r.top, 300);
    EXPECT_EQ(::GetForegroundWindow(), hwnd);

    ::PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitUntil([&] { return VisibleMenuOf(clock.Id()) == nullptr; }, 3000));
    EXPECT_TRUE(Responsive(hwnd));

    // A second right click, elsewhere, opens it there.
    menu = OpenTrayMenu(clock, hwnd, POINT{120, 500});
    ASSERT_NE(menu, nullptr) << "waited for the tray menu to open";
    EXPECT_EQ(WindowRectOf(menu).left, 120);
    EXPECT_EQ(WindowRectOf(menu).top, 500);
    ::PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(clock.Quit());
}

TEST(Menu, RightClickOnTheClockOpensTheMenuWhereTheButtonIsReleased) {
    ClockFolder folder;
    ClockProcess clock(folder);
    HWND hwnd = clock.StartAndWaitForLayout();
    ASSERT_NE(hwnd, nullptr);
    const RECT r = WindowRectOf(hwnd);
    const POINT at{r.right - 12, (r.top + r.bottom) / 2}; // on the time label
    ::SetCursorPos(at.x, at.y);
    for (DWORD flags : {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP}) {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = flags;
        ::SendInput(1, &in, sizeof(in));
        ::Sleep(30);
    }
    POINT released{};
    ::GetCursorPos(&released);
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (menu = VisibleMenuOf(clock.Id())) != nullptr; }, 5000));
    EXPECT_EQ(WindowRectOf(menu).left, released.x);
    EXPECT_EQ(WindowRectOf(menu).top, released.y);
    EXPECT_EQ(WindowRectOf(hwnd).left, r.left) << "the right button dragged the clock";
    ::PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitUntil([&] { return VisibleMenuOf(clock.Id()) == nullptr; }, 3000));
    EXPECT_TRUE(clock.Quit());
}

TEST(Menu, TrayLeftButtonBringsTheClockForwardWithoutMenuAndOtherCallbacksDoNothing) {
    ClockFolder folder;
    ClockProcess clock(folder);
    HWND hwnd = clock.StartAndWaitForLayout();
    ASSERT_NE(hwnd, nullptr);
    ColourWindow holder(RECT{600, 500, 680, 560}, RGB(128, 128, 128)); // holds the foreground
    ASSERT_TRUE(holder.TakeForeground());

    // Sent, not posted: a callback that opened a menu would not return before the timeout.
    const LPARAM ignored[] = {WM_MOUSEMOVE,     WM_LBUTTONUP,   WM_RBUTTONUP, WM_LBUTTONDBLCLK,
                              WM_RBUTTONDBLCLK, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK,
                              WM_CONTEXTMENU,   WM_USER + 1 /*NIN_KEYSELECT*/};
    for (LPARAM lp : ignored) {
        SCOPED_TRACE(lp);
        DWORD_PTR result = 0;
        EXPECT_NE(::SendMessageTimeoutA(hwnd, kTrayIconMessage, 1, lp, SMTO_NORMAL, 2000, &result), 0);
        EXPECT_EQ(VisibleMenuOf(clock.Id()), nullptr);
        EXPECT_EQ(::GetForegroundWindow(), holder.Handle());
    }

    DWORD_PTR result = 0;
    EXPECT_NE(::SendMessageTimeoutA(hwnd, kTrayIconMessage, 1, WM_LBUTTONDOWN, SMTO_NORMAL, 2000, &result),
              0);
    EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == hwnd; }, 2000));
    ::Sleep(200);
    EXPECT_EQ(VisibleMenuOf(clock.Id()), nullptr);
    EXPECT_TRUE(clock.Quit());
}

TEST(Menu, QuitItemSavesTheSettingsRemovesTheIconAndEndsTheProcess) {
    ClockFolder folder;
    ClockProcess clock(folder);
    HWND hwnd = clock.StartAndWaitForLayout();
    ASSERT_NE(hwnd, nullptr);
    // The icon is there while the clock runs (the shell answers a change to it).
    EXPECT_TRUE(TrayIconPresent(hwnd));
    ASSERT_FALSE(folder.IniExists());

    HWND menu = OpenTrayMenu(clock, hwnd, POINT{300, 300});
    ASSERT_NE(menu, nullptr) << "waited for the tray menu to open";
    ChooseMenuItem(menu, kQuit);
    ASSERT_TRUE(clock.WaitForExit(10000));
    EXPECT_EQ(clock.ExitCode(), 0u);
    const std::string ini = folder.ReadIni();
    EXPECT_NE(ini.find("[Form]\r\nLeft=198\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("[Timer]"), std::string::npos);
    EXPECT_FALSE(TrayIconPresent(hwnd));
}

TEST(Menu, QuitFromTheTrayMenuWhileTheAboutBoxIsOpenEndsThroughTheClosePath) {
    ClockFolder folder;
    ClockProcess clock(folder);
    HWND hwnd = clock.StartAndWaitForLayout();
    ASSERT_NE(hwnd, nullptr);

    HWND menu = OpenTrayMenu(clock, hwnd, POINT{300, 300});
    ASSERT_NE(menu, nullptr) << "waited for the tray menu to open";
    ChooseMenuItem(menu, kVersion);
    HWND about = clock.WaitForWindow("TAboutBox", 5000);
    ASSERT_NE(about, nullptr) << "waited for the About box";
    ASSERT_TRUE(WaitForModalBox(hwnd, about)) << "waited for the About box to show with the clock disabled";

    // The icon still answers: its menu opens over the modal box, and quitting works.
    menu = OpenTrayMenu(clock, hwnd, POINT{320, 200});
    ASSERT_NE(menu, nullptr) << "waited for the tray menu over the open About box";
    ChooseMenuItem(menu, kQuit);
    ASSERT_TRUE(clock.WaitForExit(10000)) << "the program did not end";
    EXPECT_EQ(clock.ExitCode(), 0u) << "not the normal end of the message loop";
    EXPECT_NE(folder.ReadIni().find("[Form]"), std::string::npos) << "the close path did not save";
}

TEST(Menu, VersionItemChosenAgainWhileItsBoxIsOpenKeepsOneBox) {
    ClockFolder folder;
    ClockProcess clock(folder);
    HWND hwnd = clock.StartAndWaitForLayout();
    ASSERT_NE(hwnd, nullptr);
    HWND menu = OpenTrayMenu(clock, hwnd, POINT{300, 300});
    ASSERT_NE(menu, nullptr) << "waited for the tray menu to open";
    ChooseMenuItem(menu, kVersion);
    HWND about = clock.WaitForWindow("TAboutBox", 5000);
    ASSERT_NE(about, nullptr) << "waited for the About box";
    ASSERT_TRUE(WaitForModalBox(hwnd, about)) << "waited for the About box to show with the clock disabled";

    menu = OpenTrayMenu(clock, hwnd, POINT{300, 300});
    ASSERT_NE(menu, nullptr) << "waited for the tray menu over the open About box";
    ChooseMenuItem(menu, kVersion);
    EXPECT_TRUE(WaitUntil([&] { return VisibleMenuOf(clock.Id()) == nullptr; }, 3000))
        << "waited for the menu to close";
    // Answering a message means the command has run: a second box would exist by now.
    ASSERT_TRUE(Responsive(hwnd)) << "waited for the clock to answer after the command";
    EXPECT_EQ(WindowsOf(clock.Id(), "TAboutBox").size(), 1u);
    EXPECT_TRUE(::IsWindowVisible(about));

    // One press closes the one box; the clock takes input again.
    ::PostMessageA(about, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_TRUE(WaitUntil([&] { return WindowsOf(clock.Id(), "TAboutBox").empty(); }, 3000));
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(hwnd) != FALSE; }, 3000));
    EXPECT_TRUE(clock.Quit());
}

TEST(Menu, DisplaySettingsAndHelpItemsLeaveTheClockRunning) {
    ClockFolder folder;
    ClockProcess clock(folder);
    HWND hwnd = clock.StartAndWaitForLayout();
    ASSERT_NE(hwnd, nullptr);

    // No help file lies beside this copy: a box says which page is missing where, and the clock
    // answers while it is up and takes input again once it is closed.
    HWND menu = OpenTrayMenu(clock, hwnd, POINT{300, 300});
    ASSERT_NE(menu, nullptr) << "waited for the tray menu to open";
    ChooseMenuItem(menu, kHelp);
    HWND box = WaitForMessageBox(clock.Id(), "Morovin", 5000);
    ASSERT_NE(box, nullptr) << "waited for the box about the missing help page";
    EXPECT_NE(MessageBoxText(box).find("\n" + folder.Path() + "\\\n"), std::string::npos)
        << MessageBoxText(box);
    EXPECT_TRUE(Responsive(hwnd));
    PressButton(box);
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(hwnd) != FALSE; }, 3000))
        << "waited for the box to close";

    menu = OpenTrayMenu(clock, hwnd, POINT{300, 300});
    ASSERT_NE(menu, nullptr) << "waited for the tray menu to open";
    ChooseMenuItem(menu, kDisplay);
    EXPECT_TRUE(WaitUntil([&] { return VisibleMenuOf(clock.Id()) == nullptr; }, 3000));
    EXPECT_TRUE(Responsive(hwnd));

    EXPECT_TRUE(clock.Running());
    EXPECT_TRUE(clock.Quit());
}

TEST(Menu, LeftDragOnAnyLabelMovesTheClockOnlyWhenMovable) {
    {
        ClockFolder folder;
        folder.WriteIni("[Prop]\r\nMove=0\r\n");
        ClockProcess clock(folder);
        HWND hwnd = clock.StartAndWaitForLayout();
        ASSERT_NE(hwnd, nullptr);
        const RECT before = WindowRectOf(hwnd);
        const POINT moved =
            DragWithLeftButton(POINT{before.left + 10, (before.top + before.bottom) / 2}, 80, 60);
        ASSERT_GT(moved.x, 70) << "the pointer did not move";
        ::Sleep(300);
        EXPECT_TRUE(Responsive(hwnd));
        const RECT after = WindowRectOf(hwnd);
        EXPECT_EQ(after.left, before.left);
        EXPECT_EQ(after.top, before.top);
        EXPECT_TRUE(clock.Quit());
    }
    ClockFolder folder;
    ClockProcess clock(folder);
    HWND hwnd = clock.StartAndWaitForLayout();
    ASSERT_NE(hwnd, nullptr);
    const RECT start = WindowRectOf(hwnd);
    // On the date label (the left end), then on the time label (the right end).
    const POINT first = DragWithLeftButton(POINT{start.left + 10, (start.top + start.bottom) / 2}, 80, 60);
    ASSERT_GT(first.x, 70);
    EXPECT_TRUE(WaitUntil([&] { return WindowRectOf(hwnd).left == start.left + first.x; }, 2000));
    EXPECT_EQ(WindowRectOf(hwnd).top, start.top + first.y);
    const RECT moved = WindowRectOf(hwnd);
    const POINT second =
        DragWithLeftButton(POINT{moved.right - 10, (moved.top + moved.bottom) / 2}, -50, 100);
    EXPECT_TRUE(WaitUntil([&] { return WindowRectOf(hwnd).left == moved.left + second.x; }, 2000));
    EXPECT_EQ(WindowRectOf(hwnd).top, moved.top + second.y);
    EXPECT_TRUE(Responsive(hwnd)) << "the drag did not end with the button";
    const int finalLeft = WindowRectOf(hwnd).left;
    EXPECT_TRUE(clock.Quit());
    EXPECT_NE(folder.ReadIni().find("Left=" + std::to_string(finalLeft) + "\r\n"), std::string::npos);
}

} // namespace
