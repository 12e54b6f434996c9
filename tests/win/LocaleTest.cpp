// Locale values as the real GetLocaleInfoA gives them under the test session's Japanese locale.
#include "clock/Locale_win.h"

#include <gtest/gtest.h>

namespace {

TEST(Locale, JapaneseLocaleGivesSlashColonAndOneCharacterDayNames) {
    ASSERT_EQ(::GetACP(), 932u) << "the tests expect the Japanese code page";
    const LocaleValues v = ReadLocaleValues();
    EXPECT_EQ(v.dateSeparator, "/");
    EXPECT_EQ(v.timeSeparator, ":");
    const char* expected[7] = {"日", "月", "火", "水", "木", "金", "土"};
    for (int d = 0; d < 7; ++d)
        EXPECT_EQ(v.dayNames[d], expected[d]) << "day " << d;
}

TEST(Locale, WorkedTableWithTheRealLocale) {
    const LocaleValues v = ReadLocaleValues();
    const ClockTime t{2026, 12, 25, 5, 13, 30, 0};
    EXPECT_EQ(FormatClockText("yyyy/m/d", t, v), "2026/12/25");
    EXPECT_EQ(FormatClockText("(aaa)", t, v), "(金)");
    EXPECT_EQ(FormatClockText("AM/PMh:nn:ss", t, v), "PM1:30:00");
    EXPECT_EQ(FormatClockText("nn:ss", t, v), "30:00");
}

} // namespace
