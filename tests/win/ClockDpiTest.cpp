// The clock at the DPI of its monitor, set in-process through WM_DPICHANGED as the system sends it
// when the clock meets a monitor of another scale or the user changes the scale.
#include "ClockFixture.h"
#include "TestSupport.h"
#include "ui/Dpi.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

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

// Sends the clock WM_DPICHANGED for `dpi` with a suggested place far off, as Windows would when
// the clock's own move first brings it to a monitor of that scale; once, at the move to `left`.
struct DpiChangeOnMove {
    static inline int left = 0, dpi = 0;
    static inline bool sent = false;
    HHOOK hook = ::SetWindowsHookExA(WH_CALLWNDPROCRET, &Hook, nullptr, ::GetCurrentThreadId());
    ~DpiChangeOnMove() { ::UnhookWindowsHookEx(hook); }
    static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp) {
        const auto* m = reinterpret_cast<const CWPRETSTRUCT*>(lp);
        char name[16] = {};
        if (code == HC_ACTION && !sent && m->message == WM_WINDOWPOSCHANGED &&
            ::GetClassNameA(m->hwnd, name, sizeof(name)) && std::string(name) == "TWobToke") {
            const auto* pos = reinterpret_cast<const WINDOWPOS*>(m->lParam);
            if (!(pos->flags & SWP_NOMOVE) && pos->x == left) {
                sent = true;
                RECT suggested{5, 5, 400, 60};
                ::SendMessageA(m->hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                               reinterpret_cast<LPARAM>(&suggested));
            }
        }
        return ::CallNextHookEx(nullptr, code, wp, lp);
    }
};

} // namespace

TEST_F(ClockDpiTest, SavedInTheLowerRightAt96AndStartedAt144TheClockStaysInThatCorner) {
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    // The default clock's size at 96 dpi, touching the work area's right and bottom.
    std::ofstream(TestSettingsFile(), std::ios::binary)
        << "[Form]\r\nLeft=" << work.right - 294 << "\r\nTop=" << work.bottom - 29
        << "\r\nWidth=294\r\nHeight=29\r\n";
    DpiChangeOnMove change;
    DpiChangeOnMove::left = work.right - 294;
    DpiChangeOnMove::dpi = 144;
    DpiChangeOnMove::sent = false;
    TWobToke& clock = MakeClock();
    ASSERT_TRUE(DpiChangeOnMove::sent) << "the load moved the clock to its saved place";
    EXPECT_EQ(clock.Dpi(), 144);
    const RECT r = clock.BoundsRect();
    EXPECT_GT(r.right - r.left, 294 * 14 / 10) << "laid out at 144 dpi";
    EXPECT_EQ(r.right, work.right) << "not at the suggested place, and not past the edge";
    EXPECT_EQ(r.bottom, work.bottom);
}
