// The real program on a 144-dpi desktop. Wine takes its system DPI from the prefix's LogPixels when
// a process starts, so the test sets it before one start and puts it back after.
#include "support/ClockProcess.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

// HKCU\Control Panel\Desktop\LogPixels for the life of the object, as it was afterwards.
class LogPixels {
public:
    explicit LogPixels(DWORD dpi) {
        ::RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0,
                          KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_, nullptr);
        DWORD size = sizeof(previous_);
        had_ = ::RegQueryValueExA(key_, "LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&previous_),
                                  &size) == ERROR_SUCCESS;
        Set(dpi);
    }
    ~LogPixels() {
        if (had_)
            Set(previous_);
        else
            ::RegDeleteValueA(key_, "LogPixels");
        ::RegCloseKey(key_);
    }
    LogPixels(const LogPixels&) = delete;
    LogPixels& operator=(const LogPixels&) = delete;

private:
    void Set(DWORD dpi) {
        ::RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof(dpi));
    }
    HKEY key_ = nullptr;
    DWORD previous_ = 0;
    bool had_ = false;
};

// The clock's window once its first layout has shrink-wrapped it around the labels (it is made at
// 250 x 204), and whether its tray icon is registered then; the clock is quit.
struct Started {
    SIZE size{};
    bool trayIcon = false;
};
Started StartAndQuit() {
    ClockFolder folder;
    ClockProcess clock(folder);
    HWND hwnd = clock.StartAndWaitForWindow();
    Started started;
    EXPECT_NE(hwnd, nullptr) << "waited for the clock window";
    if (!hwnd)
        return started;
    EXPECT_TRUE(WaitUntil([&] { return WindowRectOf(hwnd).bottom - WindowRectOf(hwnd).top != 204; }, 5000))
        << "waited for the first layout";
    const RECT r = WindowRectOf(hwnd);
    started.size = SIZE{r.right - r.left, r.bottom - r.top};
    started.trayIcon = TrayIconPresent(hwnd);
    EXPECT_TRUE(clock.Quit());
    return started;
}

TEST(Dpi, At144DpiTheClockIsHalfAgainAsLargeAndHasItsTrayIcon) {
    const Started at96 = StartAndQuit();
    Started at144;
    {
        LogPixels scale(144);
        at144 = StartAndQuit();
    }
    ASSERT_GT(at96.size.cx, 0);
    EXPECT_NEAR(static_cast<double>(at144.size.cx) / at96.size.cx, 1.5, 0.08);
    EXPECT_NEAR(static_cast<double>(at144.size.cy) / at96.size.cy, 1.5, 0.08);
    EXPECT_TRUE(at144.trayIcon) << "no tray icon at 144 dpi";
}

} // namespace
