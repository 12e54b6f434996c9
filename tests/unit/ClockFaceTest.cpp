// The clock face: the texts of one reading side by side, the italic width rule at every place it
// applies, the window size the face asks for, and the boxes a change repaints.
#include "FakeLabelHost.h"
#include "clock/ClockFace.h"

#include <gtest/gtest.h>

namespace {

constexpr int kChar = FakeLabelHost::kCharWidth, kLine = FakeLabelHost::kLineHeight;
const ClockTime kMonday{2026, 1, 5, 1, 13, 29, 58};

struct Face {
    explicit Face(int dpi = 96) {
        face.Locale().dayNames = {"日", "月", "火", "水", "木", "金", "土"};
        settings.ShowYear = settings.ShowSeconds = settings.Use24Hour = true;
        face.EndLoading(96);
        face.Rescale(dpi);
    }
    void Tick(const ClockTime& now) {
        face.ShowDateAndWeekday(settings, now);
        face.ShowTime(face.TimeText(settings, now));
    }
    FakeLabelHost host;
    ClockFace face{host};
    ClockSettings settings;
};

TEST(ClockFace, ItalicLabelsAreWidenedWhereverTheirTextsAreSetAndTheFaceIsLaidOutSideBySide) {
    // The design font is 20 points: 20 / 5 = 4, plus the date shadow's offset, scaled to the DPI.
    struct Row {
        std::uint8_t dateStyle, otherStyle;
        int dateOffset, dpi;
        bool firstShowing; // the creation's way: all three by the date's style, after the texts
        int dateExtra, weekExtra, timeExtra;
    };
    const Row rows[] = {
        {0, 0, 4, 96, false, 0, 0, 0},
        {fsItalic, fsItalic, 4, 96, false, 8, 8, 8},
        {fsBold | fsItalic, fsBold | fsItalic, -7, 96, false, -3, -3, -3}, // a negative offset narrows
        {fsItalic | fsUnderline, fsItalic | fsUnderline, 4, 96, false, 0, 0, 0},
        {fsItalic, fsItalic, 4, 144, false, 12, 12, 12},
        {fsItalic, fsItalic, 5, 120, false, 11, 11, 11}, // 9 x 1.25, rounded half away from zero
        {fsItalic, 0, 4, 96, false, 8, 0, 0},            // the tick asks each label's own style
        {fsItalic, 0, 4, 96, true, 8, 8, 8},             // the first showing asks the date's only
        {0, fsItalic, 4, 96, true, 0, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "style " << int(row.dateStyle) << "/" << int(row.otherStyle)
                                        << " at " << row.dpi << (row.firstShowing ? ", first showing" : ""));
        Face f(row.dpi);
        f.face.DateLbl.SetFontStyle(row.dateStyle);
        f.face.WeekLbl.SetFontStyle(row.otherStyle);
        f.face.TimeLbl.SetFontStyle(row.otherStyle);
        f.face.DateLbl.Shadow().SetOffsetLeft(row.dateOffset);
        if (row.firstShowing)
            f.face.ShowTexts(f.settings, kMonday);
        else
            f.Tick(kMonday);
        const FaceSize size = f.face.LayoutLabels();

        const ClockFace& c = f.face;
        EXPECT_EQ(c.DateLbl.Caption(), "2026/1/5");
        EXPECT_EQ(c.WeekLbl.Caption(), "(月)");
        EXPECT_EQ(c.TimeLbl.Caption(), "13:29:58");
        const auto textWidth = [](const TShadowLabel& l) {
            return kChar * static_cast<int>(l.Caption().size());
        };
        EXPECT_EQ(c.DateLbl.Width(), textWidth(c.DateLbl) + row.dateExtra);
        EXPECT_EQ(c.WeekLbl.Width(), textWidth(c.WeekLbl) + row.weekExtra);
        EXPECT_EQ(c.TimeLbl.Width(), textWidth(c.TimeLbl) + row.timeExtra);
        EXPECT_EQ(c.DateLbl.Left(), 0);
        EXPECT_EQ(c.WeekLbl.Left(), c.DateLbl.Width());
        EXPECT_EQ(c.TimeLbl.Left(), c.DateLbl.Width() + c.WeekLbl.Width());
        for (const TShadowLabel* l : c.Labels())
            EXPECT_EQ(l->Top(), 0);
        EXPECT_EQ(size, (FaceSize{c.TimeLbl.Left() + c.TimeLbl.Width(), kLine}));
    }
}

TEST(ClockFace, ATickRepaintsOnlyTheBoxesOfTheTextsThatChanged) {
    Face f;
    f.Tick(kMonday);
    const FaceSize before = f.face.LayoutLabels();
    const LabelRect timeBefore = f.face.TimeLbl.BoundsRect();

    f.host.invalidated.clear();
    f.Tick(kMonday);
    EXPECT_EQ(f.face.LayoutLabels(), before);
    EXPECT_TRUE(f.host.invalidated.empty()) << "an unchanged tick repainted";

    ClockTime nine = kMonday;
    nine.hour = 9; // one digit fewer
    f.Tick(nine);
    const FaceSize after = f.face.LayoutLabels();
    EXPECT_EQ(after, (FaceSize{before.width - kChar, before.height}));
    ASSERT_FALSE(f.host.invalidated.empty());
    for (const LabelRect& r : f.host.invalidated) {
        SCOPED_TRACE(testing::Message() << r.left << "," << r.top << " " << r.Width() << "x" << r.Height());
        EXPECT_TRUE(r.left >= timeBefore.left && r.right <= timeBefore.right && r.top >= timeBefore.top &&
                    r.bottom <= timeBefore.bottom)
            << "only the time label's box, where it stood";
    }
}

} // namespace
