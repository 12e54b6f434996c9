// The clock face's three texts for each combination of settings, and the italic compensation.
#include "clock/FaceTexts.h"

#include <gtest/gtest.h>

namespace {

LocaleValues Japanese() {
    LocaleValues v;
    v.dayNames = {"日", "月", "火", "水", "木", "金", "土"};
    return v;
}

ClockSettings AllOn() {
    ClockSettings s;
    s.ShowYear = s.EnglishWeekday = s.ShowSeconds = s.Use24Hour = true;
    return s;
}

const ClockTime kFridayAfternoon{2026, 12, 25, 5, 13, 30, 5};

TEST(FaceTexts, DateWithAndWithoutYear) {
    ClockSettings s = AllOn();
    EXPECT_EQ(DateText(s, kFridayAfternoon, Japanese()), "2026/12/25");
    s.ShowYear = false;
    EXPECT_EQ(DateText(s, kFridayAfternoon, Japanese()), "12/25");
}

TEST(FaceTexts, WeekdayInEnglishOrInTheLocalesOwnNames) {
    ClockSettings s = AllOn();
    const char* english[7] = {"(Sun)", "(Mon)", "(Tue)", "(Wed)", "(Thu)", "(Fri)", "(Sat)"};
    for (int d = 0; d < 7; ++d) {
        ClockTime t = kFridayAfternoon;
        t.dayOfWeek = d;
        EXPECT_EQ(WeekdayText(s, t, Japanese()), english[d]);
    }
    LocaleValues german;
    german.dayNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    EXPECT_EQ(WeekdayText(s, kFridayAfternoon, german), "Fr") << "other names stay, without parentheses";
    s.EnglishWeekday = false;
    EXPECT_EQ(WeekdayText(s, kFridayAfternoon, Japanese()), "(金)");
    EXPECT_EQ(WeekdayText(s, kFridayAfternoon, german), "(Fr)");
}

TEST(FaceTexts, FourTimePatterns) {
    ClockSettings s = AllOn();
    EXPECT_EQ(TimeText(s, kFridayAfternoon, Japanese()), "13:30:05");
    s.Use24Hour = false;
    EXPECT_EQ(TimeText(s, kFridayAfternoon, Japanese()), "PM1:30:05");
    s.ShowSeconds = false;
    EXPECT_EQ(TimeText(s, kFridayAfternoon, Japanese()), "PM1:30");
    s.Use24Hour = true;
    EXPECT_EQ(TimeText(s, kFridayAfternoon, Japanese()), "13:30");
}

TEST(ItalicCompensation, OnlyItalicAndBoldItalicQualify) {
    EXPECT_TRUE(QualifiesForItalicCompensation(fsItalic));
    EXPECT_TRUE(QualifiesForItalicCompensation(fsItalic | fsBold));
    EXPECT_FALSE(QualifiesForItalicCompensation(0));
    EXPECT_FALSE(QualifiesForItalicCompensation(fsBold));
    EXPECT_FALSE(QualifiesForItalicCompensation(fsItalic | fsUnderline));
    EXPECT_FALSE(QualifiesForItalicCompensation(fsItalic | fsStrikeOut));
}

TEST(ItalicCompensation, WidthAddsSizeOverFiveAndTheSignedShadowOffset) {
    LabelFont font; // height -27 at 96 ppi: 20 points
    EXPECT_EQ(CompensatedWidth(150, font, 4), 158);
    EXPECT_EQ(CompensatedWidth(150, font, -5), 149) << "a negative offset narrows the label";
    font.SetSizePoints(4);
    EXPECT_EQ(CompensatedWidth(150, font, 0), 150) << "4 points or less add nothing";
    font.SetSizePoints(9);
    EXPECT_EQ(CompensatedWidth(150, font, 0), 151);
}

} // namespace
