// The settings file as a user meets it: a crafted file is applied, the clock saves on quit, a
// refused write never traps the user, and a bad colour costs only that colour.
#include "support/ClockProcess.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

TEST(Settings, CraftedFileIsAppliedAndClampedAndSavedBackOnQuit) {
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    ClockFolder folder;
    folder.WriteIni("[Form]\r\nLeft=" + std::to_string(screenWidth - 299) +
                    "\r\nTop=40\r\nWidth=300\r\nHeight=30\r\n"
                    "[Prop]\r\nFront=0\r\nSecond=0\r\nMyOwnKey=kept\r\n"
                    "[Font]\r\nXInt=7\r\nYInt=-2\r\nStyle=258\r\n");
    ClockProcess clock(folder);
    HWND hwnd = clock.StartAndWaitForWindow();
    ASSERT_NE(hwnd, nullptr);
    const RECT r = WindowRectOf(hwnd);
    EXPECT_EQ(r.left, screenWidth - 300 - 2)
        << "a left edge past screen width - Width moves to 2 pixels inside";
    EXPECT_EQ(r.top, 40);
    EXPECT_FALSE(::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);

    ASSERT_TRUE(clock.Quit());
    const std::string ini = folder.ReadIni();
    EXPECT_EQ(IniValue(ini, "Left"), std::to_string(screenWidth - 302));
    EXPECT_EQ(IniValue(ini, "Top"), "40");
    EXPECT_EQ(IniValue(ini, "Front"), "0");
    EXPECT_EQ(IniValue(ini, "Second"), "0");
    EXPECT_EQ(IniValue(ini, "XInt"), "7");
    EXPECT_EQ(IniValue(ini, "YInt"), "-2");
    EXPECT_EQ(IniValue(ini, "Style"), "2");
    EXPECT_EQ(IniValue(ini, "MyOwnKey"), "kept");
    EXPECT_EQ(IniValue(ini, "DColor"), "clRed");
    EXPECT_EQ(IniValue(ini, "TColor"), "clWhite");
    EXPECT_EQ(IniValue(ini, "Name"), "ＭＳ Ｐゴシック");
    // A created section order: Form, Prop, Font, Timer.
    EXPECT_LT(ini.find("[Form]"), ini.find("[Prop]"));
    EXPECT_LT(ini.find("[Font]"), ini.find("[Timer]"));
}

TEST(Settings, BadColourGivesOneErrorAndTheRestOfTheFileStillLoads) {
    ClockFolder folder;
    folder.WriteIni("[Font]\r\nDColor=red\r\nWColor=clLime\r\nXInt=6\r\n[Timer]\r\nTime=7\r\n");
    ClockProcess clock(folder);
    clock.Start();
    HWND box = WaitForMessageBox(clock.Id(), "Morovin");
    ASSERT_NE(box, nullptr) << "the conversion error is reported";
    EXPECT_EQ(MessageBoxText(box), "'red' は整数ではありません.");
    PressButton(box);

    HWND hwnd = clock.ClockWindow();
    ASSERT_NE(hwnd, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(hwnd) != FALSE; }, 5000));
    ::Sleep(300);
    EXPECT_EQ(WaitForMessageBox(clock.Id(), "Morovin", 500), nullptr) << "only one error box";

    ASSERT_TRUE(clock.Quit());
    const std::string ini = folder.ReadIni();
    EXPECT_EQ(IniValue(ini, "DColor"), "clRed") << "the bad key keeps the colour it had";
    EXPECT_EQ(IniValue(ini, "WColor"), "clLime") << "later keys were loaded";
    EXPECT_EQ(IniValue(ini, "XInt"), "6");
    EXPECT_EQ(IniValue(ini, "Time"), "7");
}

TEST(Settings, ReadOnlyFileIsReportedTheClockStillQuitsAndTheFileIsUntouched) {
    ClockFolder folder;
    const std::string original = folder.WriteReadOnlyIni();
    ClockProcess clock(folder);
    HWND hwnd = clock.StartAndWaitForWindow();
    ASSERT_NE(hwnd, nullptr);
    ::PostMessageA(hwnd, WM_CLOSE, 0, 0);

    HWND box = WaitForMessageBox(clock.Id(), "Morovin");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), folder.IniPath() + " に書き込めません.");
    PressButton(box);
    EXPECT_TRUE(clock.WaitForExit(10000)) << "an unwritable settings file must not trap the user";
    EXPECT_EQ(folder.ReadIni(), original);
}

} // namespace
