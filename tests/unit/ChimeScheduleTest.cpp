// Alarm and time-signal decisions: numbers not texts, every second once, nothing stale.
#include "clock/ChimeSchedule.h"

#include <gtest/gtest.h>

#include <utility>

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

TEST(ChimeSchedule, ASmallStepBackDoesNotFireTheSameSecondAgain) {
    ClockSettings s = Armed("8", "00");
    ChimeSchedule schedule;
    schedule.Due(At(7, 59, 59), s);
    ASSERT_EQ(schedule.Due(At(8, 0, 1), s), Events{ChimeEvent::Alarm});
    // The time service sets the clock back three seconds; the seconds come round again.
    for (int sec : {58, 59})
        EXPECT_EQ(schedule.Due(At(7, 59, sec), s), Events{});
    for (int sec : {0, 1, 2})
        EXPECT_EQ(schedule.Due(At(8, 0, sec), s), Events{}) << sec;
}

// Ticks that nest while an alarm box is open: handling an alarm runs the following ticks inside
// it, as the box's message loop does, before the outer tick goes on with its own events.
struct NestingClock {
    ChimeSchedule schedule;
    ClockSettings settings;
    std::vector<ClockTime> insideTheBox;
    std::vector<ChimeEvent> fired;

    void Tick(const ClockTime& now) {
        for (const ChimeEvent e : schedule.Due(now, settings)) {
            fired.push_back(e);
            if (e == ChimeEvent::Alarm)
                for (const ClockTime& later : std::exchange(insideTheBox, {}))
                    Tick(later);
        }
    }
};

TEST(ChimeSchedule, TicksNestedUnderTheAlarmBoxDoNotRepeatItsEvents) {
    NestingClock clock;
    clock.settings = Armed("12", "30");
    clock.settings.ChimeOn = clock.settings.ChimeHalfHour = true;
    clock.Tick(At(12, 29, 59));
    // A late outer tick; inside the box the same second comes again, then the next ones.
    clock.insideTheBox = {At(12, 30, 1), At(12, 30, 1), At(12, 30, 2), At(12, 30, 3)};
    clock.Tick(At(12, 30, 1));
    EXPECT_EQ(clock.fired, (Events{ChimeEvent::Alarm, ChimeEvent::Signal}))
        << "the signal of the alarm's second still sounds once, after the box";
    clock.Tick(At(12, 30, 4));
    EXPECT_EQ(clock.fired.size(), 2u);
}

TEST(ChimeSchedule, TurnOfMidnightMonthAndYear) {
    ClockSettings s = Armed("0", "00");
    s.ChimeOn = s.ChimeHour = true;
    const Events both{ChimeEvent::Alarm, ChimeEvent::Signal};
    for (auto [before, after] :
         {std::pair{ClockTime{2026, 12, 31, 4, 23, 59, 59}, ClockTime{2027, 1, 1, 5, 0, 0, 1}},
          {ClockTime{2026, 1, 31, 6, 23, 59, 58}, ClockTime{2026, 2, 1, 0, 0, 0, 0}},
          {ClockTime{2028, 2, 29, 2, 23, 59, 57}, ClockTime{2028, 3, 1, 3, 0, 0, 1}}}) {
        ChimeSchedule schedule;
        schedule.Due(before, s);
        EXPECT_EQ(schedule.Due(after, s), both) << after.year << "-" << after.month;
    }
    EXPECT_EQ(LocalSeconds(ClockTime{2026, 3, 1, 0, 0, 0, 0}) -
                  LocalSeconds(ClockTime{2026, 2, 28, 0, 0, 0, 0}),
              86400);
    EXPECT_EQ(LocalSeconds(ClockTime{2028, 3, 1, 0, 0, 0, 0}) -
                  LocalSeconds(ClockTime{2028, 2, 28, 0, 0, 0, 0}),
              2 * 86400);
    EXPECT_EQ(LocalSeconds(ClockTime{1970, 1, 1, 4, 0, 0, 0}), 0);
    EXPECT_EQ(LocalSeconds(ClockTime{2026, 1, 5, 1, 0, 0, 0}), 1767571200);
}

} // namespace
