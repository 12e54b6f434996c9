// The clock at the DPI of its monitor, set in-process through WM_DPICHANGED as the system sends it
// when the clock meets a monitor of another scale or the user changes the scale.
#include "ClockFixture.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace wintest;

namespace {

class ClockDpiTest : public ClockFixture {
protected:
    void SetUp() override {
        ClockFixture::SetUp();
        // 30 points (40 pixels at 96 dpi), italic, the date shadow 4 to the right.
        std::ofstream(TestSettingsFile(), std::ios::binary) << "[Font]\r\nSize=30\r\nStyle=2\r\nXInt=4\r\n";
        MakeClock();
        Silence();
        ShowClock();
    }
    void SendDpiChanged(int dpi, RECT suggested) {
        ::SendMessageA(clock_->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                       reinterpret_cast<LPARAM>(&suggested));
        PumpMessages(); // and paints
    }
    SIZE WindowSize() const {
        const RECT r = clock_->BoundsRect();
        return SIZE{r.right - r.left, r.bottom - r.top};
    }
    int LabelsWidth() const {
        return clock_->DateLbl.Width() + clock_->WeekLbl.Width() + clock_->TimeLbl.Width();
    }
};

TEST_F(ClockDpiTest, FontsItalicWidthsAndWindowScaleFromTheStoredValues) {
    TWobToke& clock = *clock_;
    const SIZE at96 = WindowSize();
    struct Row {
        int dpi;
        LONG fontHeight; // of the GDI font
        int italicExtra; // 30 / 5 + the offset 4 at 96 dpi, scaled
    };
    for (const Row& row : {Row{144, -60, 15}, Row{120, -50, 13}, Row{96, -40, 10}}) {
        SCOPED_TRACE(row.dpi);
        SendDpiChanged(row.dpi, clock.BoundsRect());
        ASSERT_EQ(clock.Fonts().Size(), 1u) << "measuring and painting share one font";
        EXPECT_EQ(clock.Fonts().Descriptions().front().lfHeight, row.fontHeight);
        ui::FontCache measuring(row.dpi);
        for (const TShadowLabel* l : {&clock.DateLbl, &clock.WeekLbl, &clock.TimeLbl}) {
            EXPECT_EQ(l->Font().height, -40) << "the label keeps its 96-dpi font";
            const LabelRect text = MeasureLabelText(
                l->DrawnText(), l->Font(), drawflags::kCalcRect | drawflags::kExpandTabs, {}, measuring);
            EXPECT_EQ(l->Width(), text.Width() + row.italicExtra);
            EXPECT_EQ(l->Height(), text.Height());
        }
        const SIZE size = WindowSize();
        EXPECT_EQ(size.cx, LabelsWidth());
        EXPECT_EQ(size.cy, clock.DateLbl.Height());
        EXPECT_NEAR(static_cast<double>(size.cx) / at96.cx, row.dpi / 96.0, 0.05);
        EXPECT_NEAR(static_cast<double>(size.cy) / at96.cy, row.dpi / 96.0, 0.05);
    }
    EXPECT_EQ(WindowSize().cx, at96.cx) << "back at 96 dpi, the size is what it was";
    EXPECT_EQ(WindowSize().cy, at96.cy);
}

TEST_F(ClockDpiTest, ADpiChangeLaysOutAgainAndMovesToTheSuggestedPlace) {
    TWobToke& clock = *clock_;
    const SIZE before = WindowSize();
    // Windows suggests a place and a size; the size follows the labels.
    SendDpiChanged(144, RECT{300, 250, 310, 260});
    const RECT after = clock.BoundsRect();
    EXPECT_EQ(after.left, 300);
    EXPECT_EQ(after.top, 250);
    EXPECT_GT(WindowSize().cx, before.cx);
    EXPECT_EQ(WindowSize().cx, LabelsWidth());
    EXPECT_EQ(clock.WeekLbl.Left(), clock.DateLbl.Width());
    EXPECT_EQ(clock.TimeLbl.Left(), clock.DateLbl.Width() + clock.WeekLbl.Width());
    EXPECT_EQ(clock.Dpi(), 144);
    // A tick changes nothing of it.
    now_ = MakeTime(2026, 1, 5, 1, 13, 29, 59);
    clock.Timer1Timer();
    EXPECT_EQ(clock.BoundsRect().left, 300);
    EXPECT_EQ(clock.Fonts().Descriptions().front().lfHeight, -60);
}

} // namespace
