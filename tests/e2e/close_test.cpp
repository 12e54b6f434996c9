// Every way the clock can be closed ends through its one close path: the settings saved, the
// tray icon removed and the normal end of the message loop (exit code 0).
#include "support/ClockProcess.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

struct CloseWay {
    const char* name;
    void (*close)(HWND clock);
};

// A log-off message sent to the clock; false when it did not answer in time.
bool SendLogOff(HWND clock, UINT message, WPARAM wp, DWORD_PTR& answer) {
    return ::SendMessageTimeoutA(clock, message, wp, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &answer) != 0;
}

void EndSession(HWND clock) {
    DWORD_PTR answer = 0;
    SendLogOff(clock, WM_QUERYENDSESSION, 0, answer);
    SendLogOff(clock, WM_ENDSESSION, TRUE, answer);
}

const CloseWay kCloseWays[] = {
    {"close message to the clock window", [](HWND clock) { ::PostMessageA(clock, WM_CLOSE, 0, 0); }},
    // What a task manager's "end task" sends: the window that would carry the task-bar button.
    {"close message to the hidden application window",
     [](HWND clock) { ::PostMessageA(::GetWindow(clock, GW_OWNER), WM_CLOSE, 0, 0); }},
    {"end of the session", &EndSession},
};

TEST(Close, EveryWaySavesRemovesTheTrayIconAndEndsNormally) {
    for (const CloseWay& way : kCloseWays) {
        SCOPED_TRACE(way.name);
        ClockFolder folder;
        ClockProcess clock(folder);
        HWND hwnd = clock.StartAndWaitForWindow();
        ASSERT_NE(hwnd, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return TrayIconPresent(hwnd); }, 5000)) << "waited for the tray icon";
        ASSERT_EQ(ClassOf(::GetWindow(hwnd, GW_OWNER)), "TApplication");

        way.close(hwnd);
        ASSERT_TRUE(clock.WaitForExit(10000)) << "waited for the process to end";
        EXPECT_EQ(clock.ExitCode(), 0u) << "not the normal end of the message loop";
        EXPECT_NE(folder.ReadIni().find("[Form]\r\nLeft=198\r\n"), std::string::npos) << folder.ReadIni();
        EXPECT_FALSE(TrayIconPresent(hwnd)) << "the tray icon was left behind";
    }
}

TEST(Close, EndOfSessionShowsNoBoxForAFailedSave) {
    ClockFolder folder;
    const std::string original = folder.WriteReadOnlyIni();
    ClockProcess clock(folder);
    HWND hwnd = clock.StartAndWaitForWindow();
    ASSERT_NE(hwnd, nullptr);

    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendLogOff(hwnd, WM_QUERYENDSESSION, 0, answer));
    EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE)) << "the end of the session was vetoed";
    EXPECT_TRUE(clock.Running()) << "the query alone closed the clock";
    // Sent: it returns only once the clock has closed, as the session's end waits for it.
    ASSERT_TRUE(SendLogOff(hwnd, WM_ENDSESSION, TRUE, answer)) << "a box held the end of the session up";
    EXPECT_TRUE(clock.WaitForExit(10000)) << "waited for the process to end";
    EXPECT_EQ(clock.ExitCode(), 0u);
    EXPECT_EQ(folder.ReadIni(), original);
}

TEST(Close, SessionThatGoesOnKeepsTheClockRunning) {
    ClockFolder folder;
    ClockProcess clock(folder);
    HWND hwnd = clock.StartAndWaitForWindow();
    ASSERT_NE(hwnd, nullptr);
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendLogOff(hwnd, WM_QUERYENDSESSION, 0, answer));
    // Another program vetoed: the session goes on, and so does the clock.
    ASSERT_TRUE(SendLogOff(hwnd, WM_ENDSESSION, FALSE, answer));
    EXPECT_TRUE(clock.Running());
    EXPECT_TRUE(TrayIconPresent(hwnd));
    EXPECT_TRUE(clock.Quit());
    EXPECT_EQ(clock.ExitCode(), 0u);
}

} // namespace
