// The clock at the DPI of its monitor, set in-process through WM_DPICHANGED as the system sends it
// when the clock meets a monitor of another scale or the user changes the scale.
#include "ClockFixture.h"
#include "TestSupport.h"
#include "ui/Dpi.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace wintest;
using ClockDpiTest = ClockFixture;

TEST_F(ClockDpiTest, AtEachDpiTheClockScalesItsStoredValuesAndTakesTheSuggestedPlace) {
    // 30 points (40 pixels at 96 dpi), italic, the date shadow 4 to the right.
    std::ofstream(TestSettingsFile(), std::ios::binary) << "[Font]\r\nSize=30\r\nStyle=2\r\nXInt=4\r\n";
    TWobToke& clock = MakeClock();
    Silence();
    ShowClock();
    auto size = [&] {
        return SIZE{clock.BoundsRect().right - clock.BoundsRect().left,
                    clock.BoundsRect().bottom - clock.BoundsRect().top};
    };
    auto iconWidth = [&] {
        ICONINFO i{};
        ::GetIconInfo(clock.Tray().Data().hIcon, &i);
        const ui::unique_hbitmap colour(i.hbmColor), mask(i.hbmMask);
        BITMAP bm{};
        ::GetObjectA(i.hbmMask, sizeof(bm), &bm);
        return bm.bmWidth;
    };
    const SIZE at96 = size();
    struct Row {
        int dpi;
        LONG fontHeight; // of the GDI font
        int italicExtra; // 30 / 5 + the offset 4 at 96 dpi, scaled
        POINT suggested;
    };
    for (const Row& row :
         {Row{144, -60, 15, {300, 250}}, Row{120, -50, 13, {310, 260}}, Row{96, -40, 10, {198, 103}}}) {
        SCOPED_TRACE(row.dpi);
        RECT suggested{row.suggested.x, row.suggested.y, row.suggested.x + 5, row.suggested.y + 5};
        ::SendMessageA(clock.Handle(), WM_DPICHANGED, MAKEWPARAM(row.dpi, row.dpi),
                       reinterpret_cast<LPARAM>(&suggested));
        PumpMessages(); // and paints
        EXPECT_EQ(clock.BoundsRect().left, row.suggested.x);
        EXPECT_EQ(clock.BoundsRect().top, row.suggested.y);
        ASSERT_EQ(clock.Painting().Fonts().Size(), 1u) << "measuring and painting share one font";
        EXPECT_EQ(clock.Painting().Fonts().Descriptions().front().lfHeight, row.fontHeight);
        ui::FontCache measuring(row.dpi);
        for (const TShadowLabel* l : {&clock.Face().DateLbl, &clock.Face().WeekLbl, &clock.Face().TimeLbl}) {
            EXPECT_EQ(l->Font().height, -40) << "the label keeps its 96-dpi font";
            EXPECT_EQ(
                l->Width(),
                MeasureLabelText(l->DrawnText(), l->Font(), drawflags::kCalcRect, {}, measuring).Width() +
                    row.italicExtra);
        }
        EXPECT_EQ(size().cx, clock.Face().TimeLbl.Left() + clock.Face().TimeLbl.Width());
        EXPECT_NEAR(static_cast<double>(size().cx) / at96.cx, row.dpi / 96.0, 0.05);
        EXPECT_NEAR(static_cast<double>(size().cy) / at96.cy, row.dpi / 96.0, 0.05);
        EXPECT_EQ(iconWidth(), ui::SystemMetricForDpi(SM_CXSMICON, TrayIcon::TaskBarDpi()))
            << "the tray icon at the task bar's DPI, whatever the clock's";
        EXPECT_TRUE(clock.Tray().Registered());
    }
    EXPECT_EQ(size().cx, at96.cx) << "back at 96 dpi, the size is what it was";
    EXPECT_EQ(size().cy, at96.cy);
}

namespace {

// Sends the clock WM_DPICHANGED for 144 dpi with a suggested place far off, once, at the load's
// move to `loadLeft`, as Windows does when that move brings it to a monitor of that scale.
int loadLeft = 0;
bool sent = false;
LRESULT CALLBACK DpiChangeAtLoad(int code, WPARAM wp, LPARAM lp) {
    const auto* m = reinterpret_cast<const CWPRETSTRUCT*>(lp);
    if (code == HC_ACTION && !sent && m->message == WM_WINDOWPOSCHANGED && m->hwnd == WobToke->Handle() &&
        reinterpret_cast<const WINDOWPOS*>(m->lParam)->x == loadLeft) {
        sent = true;
        RECT suggested{5, 5, 400, 60};
        ::SendMessageA(m->hwnd, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    }
    return ::CallNextHookEx(nullptr, code, wp, lp);
}

} // namespace

TEST_F(ClockDpiTest, SavedInTheLowerRightAt96AndStartedAt144TheClockStaysInThatCorner) {
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    loadLeft = work.right - 294; // the default clock at 96 dpi, touching the right and the bottom
    std::ofstream(TestSettingsFile(), std::ios::binary)
        << "[Form]\r\nLeft=" << loadLeft << "\r\nTop=" << work.bottom - 29
        << "\r\nWidth=294\r\nHeight=29\r\n";
    const HHOOK hook =
        ::SetWindowsHookExA(WH_CALLWNDPROCRET, &DpiChangeAtLoad, nullptr, ::GetCurrentThreadId());
    TWobToke& clock = MakeClock();
    ::UnhookWindowsHookEx(hook);
    ASSERT_TRUE(sent) << "the load moved the clock to its saved place";
    const RECT r = clock.BoundsRect();
    EXPECT_GT(r.right - r.left, 400) << "laid out at 144 dpi";
    EXPECT_EQ(r.right, work.right) << "not at the suggested place, and not past the edge";
    EXPECT_EQ(r.bottom, work.bottom);
}
