// Alarm and time-signal decisions: numbers not texts, every second once, nothing stale.
#include "clock/ChimeSchedule.h"

#include <gtest/gtest.h>

namespace {

ClockSettings Armed(const char* hour, const char* minute) {
    ClockSettings s;
    s.AlarmOn = true;
    s.AlarmHour = hour;
    s.AlarmMinute = minute;
    return s;
}

ClockTime At(int h, int m, int s, int day = 5) {
    return ClockTime{2026, 1, day, 1, h, m, s};
}

using Events = std::vector<ChimeEvent>;

TEST(AlarmNumber, OneOrTwoDigitsWithinRange) {
    EXPECT_EQ(AlarmNumber("7", 24), 7);
    EXPECT_EQ(AlarmNumber("07", 24), 7);
    EXPECT_EQ(AlarmNumber("23", 24), 23);
    EXPECT_EQ(AlarmNumber("00", 60), 0);
    for (const char* bad : {"", "24", "7 ", " 7", "007", "+7", "-1", "a", "７"})
        EXPECT_FALSE(AlarmNumber(bad, 24)) << "'" << bad << "'";
    EXPECT_FALSE(AlarmNumber("60", 60));
}

TEST(ChimeSchedule, AlarmFiresAtItsSecondForEveryWayOfTypingIt) {
    for (auto [h, m] : {std::pair{"7", "05"}, {"07", "05"}, {"7", "5"}}) {
        ChimeSchedule schedule;
        EXPECT_EQ(schedule.Due(At(7, 4, 59), Armed(h, m)), Events{});
        EXPECT_EQ(schedule.Due(At(7, 5, 0), Armed(h, m)), Events{ChimeEvent::Alarm}) << h << ":" << m;
        EXPECT_EQ(schedule.Due(At(7, 5, 1), Armed(h, m)), Events{});
    }
    for (auto [h, m] : {std::pair{"7 ", "05"}, {"", ""}, {"24", "05"}, {"7", "60"}}) {
        ChimeSchedule schedule;
        EXPECT_EQ(schedule.Due(At(7, 5, 0), Armed(h, m)), Events{}) << "'" << h << "':'" << m << "'";
    }
}

TEST(ChimeSchedule, SwitchesSuppressEverything) {
    ClockSettings s = Armed("13", "30");
    s.AlarmOn = false;
    s.ChimeOn = false;
    s.ChimeHalfHour = s.ChimeHour = true;
    ChimeSchedule schedule;
    EXPECT_EQ(schedule.Due(At(13, 30, 0), s), Events{});
}

TEST(ChimeSchedule, HalfHourHourOrBoth) {
    ClockSettings s;
    s.ChimeOn = true;
    s.ChimeHalfHour = true;
    ChimeSchedule half;
    EXPECT_EQ(half.Due(At(9, 30, 0), s), Events{ChimeEvent::Signal});
    EXPECT_EQ(half.Due(At(10, 0, 0), s), Events{});
    s.ChimeHalfHour = false;
    s.ChimeHour = true;
    ChimeSchedule hour;
    EXPECT_EQ(hour.Due(At(9, 30, 0), s), Events{});
    EXPECT_EQ(hour.Due(At(10, 0, 0), s), Events{ChimeEvent::Signal});
    s.ChimeHalfHour = true;
    ChimeSchedule both;
    EXPECT_EQ(both.Due(At(9, 30, 0), s), Events{ChimeEvent::Signal});
    EXPECT_EQ(both.Due(At(10, 0, 0), s), Events{ChimeEvent::Signal});
}

TEST(ChimeSchedule, LateTickCatchesUpOnceAndARepeatedSecondFiresNothing) {
    ClockSettings s = Armed("8", "00");
    s.ChimeOn = s.ChimeHour = true;
    ChimeSchedule schedule;
    EXPECT_EQ(schedule.Due(At(7, 59, 58), s), Events{});
    // The tick for 8:00:00 came late; alarm first, then the signal.
    EXPECT_EQ(schedule.Due(At(8, 0, 2), s), (Events{ChimeEvent::Alarm, ChimeEvent::Signal}));
    EXPECT_EQ(schedule.Due(At(8, 0, 2), s), Events{});
    EXPECT_EQ(schedule.Due(At(8, 0, 3), s), Events{});
}

TEST(ChimeSchedule, NothingStaleAfterAJumpEitherWay) {
    ClockSettings s = Armed("8", "00");
    s.ChimeOn = s.ChimeHalfHour = s.ChimeHour = true;
    ChimeSchedule forward;
    forward.Due(At(7, 0, 0), s);
    EXPECT_EQ(forward.Due(At(8, 0, 10), s), Events{}) << "sleep over the alarm: it is not made up later";
    ChimeSchedule backward;
    backward.Due(At(9, 0, 0), s);
    EXPECT_EQ(backward.Due(At(7, 59, 59), s), Events{});
    EXPECT_EQ(backward.Due(At(8, 0, 0), s), (Events{ChimeEvent::Alarm, ChimeEvent::Signal}));
}

TEST(ChimeSchedule, NestedCheckWhileTheFirstOnesEventsRunDoesNotRepeatThem) {
    ClockSettings s = Armed("12", "30");
    ChimeSchedule schedule;
    schedule.Due(At(12, 29, 59), s);
    const Events outer = schedule.Due(At(12, 30, 0), s);
    ASSERT_EQ(outer, Events{ChimeEvent::Alarm});
    // While the alarm box is open, ticks nest: the same second and the following ones.
    EXPECT_EQ(schedule.Due(At(12, 30, 0), s), Events{});
    EXPECT_EQ(schedule.Due(At(12, 30, 1), s), Events{});
}

TEST(ChimeSchedule, TurnOfMidnightMonthAndYear) {
    ClockSettings s = Armed("0", "00");
    s.ChimeOn = s.ChimeHour = true;
    ChimeSchedule schedule;
    schedule.Due(ClockTime{2026, 12, 31, 4, 23, 59, 59}, s);
    EXPECT_EQ(schedule.Due(ClockTime{2027, 1, 1, 5, 0, 0, 1}, s),
              (Events{ChimeEvent::Alarm, ChimeEvent::Signal}));
    EXPECT_EQ(LocalSeconds(ClockTime{2026, 3, 1, 0, 0, 0, 0}) -
                  LocalSeconds(ClockTime{2026, 2, 28, 0, 0, 0, 0}),
              86400);
    EXPECT_EQ(LocalSeconds(ClockTime{1970, 1, 1, 4, 0, 0, 0}), 0);
}

} // namespace
