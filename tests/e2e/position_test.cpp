// The Position dialog on the real program: from the menu to the lower right corner, kept on quit.
#include "support/ClockProcess.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace testsupport;

namespace {

TEST(Position, LowerRightFromTheMenuPutsTheClockInTheCornerAndQuittingSavesIt) {
    ClockFolder folder;
    ClockProcess clock(folder);
    HWND hwnd = clock.StartAndWaitForWindow();
    ASSERT_NE(hwnd, nullptr);
    // The first layout gives the window its size; the corner depends on it.
    ASSERT_TRUE(WaitForFirstLayout(hwnd)) << "waited for the clock's first layout";

    HWND dialog = OpenDialogFromTrayMenu(clock, hwnd, kPosition, "TPosForm");
    ASSERT_NE(dialog, nullptr) << "waited for the Position dialog";
    EXPECT_EQ(TextOf(dialog), "表示位置調整");
    HWND lowerRight = ::FindWindowExA(dialog, nullptr, "BUTTON", "右下");
    HWND confirm = ::FindWindowExA(dialog, nullptr, "BUTTON", "確定");
    ASSERT_NE(lowerRight, nullptr);
    ASSERT_NE(confirm, nullptr);

    const RECT before = WindowRectOf(hwnd);
    const int w = before.right - before.left, h = before.bottom - before.top;
    const int sw = ::GetSystemMetrics(SM_CXSCREEN), sh = ::GetSystemMetrics(SM_CYSCREEN);
    // Wine's shell reports the task bar as a strip along the bottom: the corner is the screen's,
    // raised by the task bar's height B, which is never below 0.
    const int b = std::max(0, sh - ::GetSystemMetrics(SM_CYFULLSCREEN) - ::GetSystemMetrics(SM_CYCAPTION));
    const RECT corner{sw - w, sh - b - h, sw, sh - b};
    ::SendMessageA(lowerRight, BM_CLICK, 0, 0);
    auto inCorner = [&] {
        const RECT r = WindowRectOf(hwnd);
        return ::EqualRect(&corner, &r) != FALSE;
    };
    EXPECT_TRUE(WaitUntil(inCorner, 3000))
        << "waited for the clock at the lower right, from " << before.left << "," << before.top;
    EXPECT_TRUE(::IsWindow(dialog)) << "choosing an item closed the dialog";

    ::SendMessageA(confirm, BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return WindowsOf(clock.Id(), "TPosForm").empty(); }, 3000))
        << "waited for the dialog to close";
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(hwnd) != FALSE; }, 3000));
    EXPECT_TRUE(WaitUntil(inCorner, 3000)) << "waited for the clock back in the corner after the nudge";
    EXPECT_FALSE(folder.IniExists()) << "the dialog wrote the settings file";

    ASSERT_TRUE(clock.Quit());
    const std::string ini = folder.ReadIni();
    EXPECT_NE(ini.find("[Form]\r\nLeft=" + std::to_string(corner.left) +
                       "\r\nTop=" + std::to_string(corner.top) + "\r\n"),
              std::string::npos)
        << ini;
}

} // namespace
