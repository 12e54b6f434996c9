// The clock window in-process, with a clock the test sets: its texts, layout and tick.
#include "ClockFixture.h"
#include "TestSupport.h"
#include "clockwindow/ClockWindow_win.h"
#include "clock/Monitors_win.h"
#include "ui/MediaPlayer.h"

#include <psapi.h>

#include <gtest/gtest.h>

using namespace wintest;

namespace {

class ClockWindowTest : public ClockFixture {
protected:
    TWobToke& Open() {
        MakeClock();
        Silence(); // these tests are about the face, not the sound
        ShowClock();
        return *clock_;
    }
};

TEST_F(ClockWindowTest, FirstStartShowsDateWeekdayAndTimeInAWindowOfTheFacesSize) {
    TWobToke& clock = Open();
    EXPECT_EQ(clock.Face().DateLbl.Caption(), "2026/1/5");
    EXPECT_EQ(clock.Face().WeekLbl.Caption(), "(Mon)");
    EXPECT_EQ(clock.Face().TimeLbl.Caption(), "13:29:58");

    const RECT r = clock.BoundsRect();
    EXPECT_EQ(r.right - r.left,
              clock.Face().DateLbl.Width() + clock.Face().WeekLbl.Width() + clock.Face().TimeLbl.Width());
    EXPECT_EQ(r.bottom - r.top, clock.Face().DateLbl.Height());
    EXPECT_EQ(r.left, 198);
    EXPECT_EQ(r.top, 103);
    EXPECT_TRUE(::GetWindowLongA(clock.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW)
        << "on every virtual desktop";
}

TEST_F(ClockWindowTest, TickFollowsTheClockAndCostsNothingWhenNothingChanged) {
    TWobToke& clock = Open();
    ::ValidateRect(clock.Handle(), nullptr);
    clock.Timer1Timer();
    EXPECT_FALSE(::GetUpdateRect(clock.Handle(), nullptr, FALSE)) << "an unchanged tick repainted";

    now_ = MakeTime(2026, 1, 5, 1, 13, 29, 59);
    clock.Timer1Timer();
    EXPECT_EQ(clock.Face().TimeLbl.Caption(), "13:29:59");
    EXPECT_TRUE(::GetUpdateRect(clock.Handle(), nullptr, FALSE));
}

TEST_F(ClockWindowTest, DateAndTimeOfOneTickNeverStraddleMidnight) {
    TWobToke& clock = Open();
    int reads = 0;
    clock.LocalClock = [&] {
        // Every read after the first is already past midnight.
        return reads++ == 0 ? MakeTime(2026, 1, 5, 1, 23, 59, 59) : MakeTime(2026, 1, 6, 2, 0, 0, 0);
    };
    clock.RefreshClockText();
    EXPECT_EQ(clock.Face().DateLbl.Caption(), "2026/1/5");
    EXPECT_EQ(clock.Face().WeekLbl.Caption(), "(Mon)");
    EXPECT_EQ(clock.Face().TimeLbl.Caption(), "23:59:59");
}

TEST_F(ClockWindowTest, TrayIconRecordNamesTheWindowAndTheCallback) {
    TWobToke& clock = Open();
    const NOTIFYICONDATAW& nid = clock.Tray().Data();
    EXPECT_EQ(nid.hWnd, clock.Handle());
    EXPECT_EQ(nid.uID, 1u);
    EXPECT_EQ(nid.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(nid.uCallbackMessage, 1125u);
    EXPECT_STREQ(nid.szTip, L"Morovin");
    EXPECT_NE(nid.hIcon, nullptr);
}

TEST_F(ClockWindowTest, StayOnTopFollowsTheSettingOnlyOnChange) {
    TWobToke& clock = Open();
    EXPECT_TRUE(::GetWindowLongA(clock.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    clock.Settings.StayOnTop = false;
    clock.LayoutLabels();
    EXPECT_FALSE(::GetWindowLongA(clock.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    clock.Settings.StayOnTop = true;
    clock.LayoutLabels();
    EXPECT_TRUE(::GetWindowLongA(clock.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(ClockWindowTest, ThousandsOfPaintedTicksLeaveNoHandleAndNoMemoryBehind) {
    TWobToke& clock = Open();
    auto privateBytes = [] {
        PROCESS_MEMORY_COUNTERS_EX pmc{};
        ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&pmc),
                               sizeof(pmc));
        return pmc.PrivateUsage ? pmc.PrivateUsage : pmc.PagefileUsage; // Wine fills only the latter
    };
    auto tick = [&](int i) {
        now_ = MakeTime(2026, 1, 5, 1, (i / 3600) % 24, (i / 60) % 60, i % 60);
        clock.Timer1Timer();
        PumpMessages(); // the paint, and what else the loop would handle between ticks
    };
    // Screen mode on its layered window and wallpaper mode; the capture path's reveal is
    // measured by bench/reveal_bench_win.cpp, a million ticks by bench/tick_soak_bench_win.cpp.
    for (bool wallpaper : {false, true}) {
        SCOPED_TRACE(wallpaper);
        clock.Settings.WallpaperMode = wallpaper;
        for (int i = 0; i < 300; ++i) // warm up caches and the heap
            tick(i);
        const long owners = ui::LiveGdiOwners();
        const SIZE_T before = privateBytes();
        for (int i = 300; i < 3300; ++i)
            tick(i);
        EXPECT_EQ(ui::LiveGdiOwners(), owners);
        EXPECT_GT(before, 0u);
        EXPECT_LT(privateBytes(), before + 256 * 1024) << "memory grew over 3000 ticks";
    }
}

} // namespace

TEST_F(ClockWindowTest, ClockChangeAndWakeShowTheNewTimeAtOnceAndSoundNothingSkipped) {
    TWobToke& clock = Open();
    ClockSettings& s = clock.Settings;
    s.ChimeOn = s.ChimeHour = s.ChimeHalfHour = true;
    s.SoundFile = ""; // a signal opens the bare device: seen, not heard, not reported
    struct Row {
        UINT message;
        WPARAM event;
        SYSTEMTIME to;
        const char* shown;
    };
    const Row rows[] = {
        {WM_TIMECHANGE, 0, MakeTime(2026, 1, 5, 1, 14, 0, 10), "14:00:10"},  // set forward over 13:30, 14:00
        {WM_TIMECHANGE, 0, MakeTime(2026, 1, 5, 1, 13, 29, 40), "13:29:40"}, // set back
        {WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, MakeTime(2026, 1, 5, 1, 15, 30, 6), "15:30:06"},
        {WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, MakeTime(2026, 1, 5, 1, 18, 0, 9), "18:00:09"},
    };
    for (const Row& row : rows) {
        now_ = row.to;
        ::SendMessageA(clock.Handle(), row.message, row.event, 0);
        // The tick runs from the queue, not inside the sent message, and comes at once.
        EXPECT_TRUE(PumpUntil([&] { return clock.Face().TimeLbl.Caption() == row.shown; }, 500))
            << "waited for " << row.shown << ", shown " << clock.Face().TimeLbl.Caption();
        EXPECT_FALSE(clock.MediaPlayer1().IsOpen()) << "a skipped signal sounded after " << row.shown;
    }
    // Going to sleep shows nothing new; the next tick on the hour does sound.
    now_ = MakeTime(2026, 1, 5, 1, 19, 0, 0);
    ::SendMessageA(clock.Handle(), WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
    EXPECT_FALSE(PumpUntil([&] { return clock.Face().TimeLbl.Caption() != "18:00:09"; }, 200));
    clock.Timer1Timer();
    EXPECT_EQ(clock.Face().TimeLbl.Caption(), "19:00:00");
    EXPECT_TRUE(clock.MediaPlayer1().IsOpen());
}

TEST(ClockDesktop, PrimaryScreenComesFirstAsItsMetricsDescribeIt) {
    const DesktopLayout desktop = CurrentDesktop(198, 103);
    ASSERT_GE(desktop.monitors.size(), 1u);
    const MonitorArea& primary = desktop.monitors.front();
    EXPECT_EQ(primary.bounds.left, 0);
    EXPECT_EQ(primary.bounds.top, 0);
    EXPECT_EQ(primary.bounds.right, ::GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(primary.bounds.bottom, ::GetSystemMetrics(SM_CYSCREEN));
    for (const MonitorArea& m : desktop.monitors)
        EXPECT_GE(m.taskBar, 0);
    EXPECT_EQ(desktop.monitors.size(), static_cast<size_t>(::GetSystemMetrics(SM_CMONITORS)));
}
