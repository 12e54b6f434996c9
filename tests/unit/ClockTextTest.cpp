// The nine clock patterns against the worked table, other locales, and the 12-hour edges.
#include "clock/ClockText.h"

#include <gtest/gtest.h>

namespace {

LocaleValues Japanese() {
    LocaleValues v;
    v.dayNames = {"日", "月", "火", "水", "木", "金", "土"};
    return v;
}

ClockTime At(int y, int mo, int d, int dow, int h, int mi, int s) {
    return ClockTime{y, mo, d, dow, h, mi, s};
}

TEST(FormatClockText, WorkedTableInAJapaneseLocale) {
    const LocaleValues jp = Japanese();
    const ClockTime a = At(2026, 1, 5, 1, 0, 7, 9), b = At(2026, 1, 5, 1, 12, 0, 0),
                    c = At(2026, 12, 25, 5, 13, 30, 0);
    struct Row {
        const char* pattern;
        const char *a, *b, *c;
    };
    const Row rows[] = {
        {"yyyy/m/d", "2026/1/5", "2026/1/5", "2026/12/25"},
        {"m/d", "1/5", "1/5", "12/25"},
        {"aaa", "月", "月", "金"},
        {"(aaa)", "(月)", "(月)", "(金)"},
        {"h:nn:ss", "0:07:09", "12:00:00", "13:30:00"},
        {"AM/PMh:nn:ss", "AM12:07:09", "PM12:00:00", "PM1:30:00"},
        {"h:nn", "0:07", "12:00", "13:30"},
        {"AM/PMh:nn", "AM12:07", "PM12:00", "PM1:30"},
        {"nn:ss", "07:09", "00:00", "30:00"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(FormatClockText(r.pattern, a, jp), r.a) << r.pattern;
        EXPECT_EQ(FormatClockText(r.pattern, b, jp), r.b) << r.pattern;
        EXPECT_EQ(FormatClockText(r.pattern, c, jp), r.c) << r.pattern;
    }
}

TEST(FormatClockText, TwelveHourEdges) {
    const LocaleValues jp = Japanese();
    EXPECT_EQ(FormatClockText("AM/PMh:nn", At(2026, 1, 5, 1, 0, 0, 0), jp), "AM12:00");
    EXPECT_EQ(FormatClockText("AM/PMh:nn", At(2026, 1, 5, 1, 11, 59, 0), jp), "AM11:59");
    EXPECT_EQ(FormatClockText("AM/PMh:nn", At(2026, 1, 5, 1, 12, 0, 0), jp), "PM12:00");
    EXPECT_EQ(FormatClockText("AM/PMh:nn", At(2026, 1, 5, 1, 13, 0, 0), jp), "PM1:00");
    EXPECT_EQ(FormatClockText("h:nn", At(2026, 1, 5, 1, 23, 59, 0), jp), "23:59");
    // The marker may follow the hour, and keeps the pattern's case.
    EXPECT_EQ(FormatClockText("h:nn am/pm", At(2026, 1, 5, 1, 15, 4, 0), jp), "3:04 pm");
    EXPECT_EQ(FormatClockText("hh:nn a/p", At(2026, 1, 5, 1, 9, 4, 0), jp), "09:04 a");
}

TEST(FormatClockText, OtherLocaleSeparatorsAndNames) {
    LocaleValues fi;
    fi.dateSeparator = ".";
    fi.timeSeparator = ".";
    const ClockTime t = At(2026, 12, 25, 5, 13, 30, 0);
    EXPECT_EQ(FormatClockText("nn:ss", t, fi), "30.00");
    EXPECT_EQ(FormatClockText("yyyy/m/d", t, fi), "2026.12.25");
    EXPECT_EQ(FormatClockText("(aaa)", t, fi), "(Fri)");
}

TEST(FormatClockText, MinutesAfterAnHourAndQuotedText) {
    const LocaleValues jp = Japanese();
    const ClockTime t = At(2026, 3, 4, 3, 5, 6, 7);
    EXPECT_EQ(FormatClockText("h:m", t, jp), "5:6") << "m right after h means minutes";
    EXPECT_EQ(FormatClockText("m/d h", t, jp), "3/4 5");
    EXPECT_EQ(FormatClockText("\"h:m\" mm", t, jp), "h:m 03");
    EXPECT_EQ(FormatClockText("yyyy", At(987, 1, 1, 0, 0, 0, 0), jp), "0987");
}

TEST(LocaleFallbacks, SeparatorsAreOneCharacterAndDayNamesNeverEmpty) {
    EXPECT_EQ(SeparatorOrFallback(true, ".", ":"), ".");
    EXPECT_EQ(SeparatorOrFallback(false, "", ":"), ":");
    EXPECT_EQ(SeparatorOrFallback(true, "::", ":"), ":");
    EXPECT_EQ(SeparatorOrFallback(true, "", "/"), "/");
    EXPECT_EQ(SeparatorOrFallback(true, "．", ":"), "．") << "a double-byte character is one character";
    EXPECT_EQ(SeparatorOrFallback(true, "．．", ":"), ":");
    EXPECT_EQ(SeparatorOrFallback(true, ".．", ":"), ":");
    EXPECT_EQ(DayNameOrFallback(true, "月", 1), "月");
    EXPECT_EQ(DayNameOrFallback(true, "", 1), "Mon");
    EXPECT_EQ(DayNameOrFallback(false, "x", 0), "Sun");
}

} // namespace
