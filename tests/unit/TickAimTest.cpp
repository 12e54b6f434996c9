#include "clock/TickAim.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// A clock that ticks as the window timer would drive it: each tick reads the system clock, shows
// that second and re-arms from the reading; the timer fires at its due time plus a lateness the
// test chooses (negative for an early tick). The system clock can be set, as a user would.
struct TickedClock {
    std::int64_t real = 0;   // true time, ms
    std::int64_t offset = 0; // system clock minus true time
    std::int64_t due = 0;

    struct Shown {
        std::int64_t second; // of the system clock
        std::int64_t at;     // system-clock ms when shown
    };
    std::vector<Shown> shown;

    explicit TickedClock(std::int64_t start) : real(start) { Tick(); }
    std::int64_t Clock() const { return real + offset; }
    void Tick() {
        const std::int64_t reading = Clock();
        due = real + NextTickDelayMs(static_cast<int>(reading % 1000));
        shown.push_back({reading / 1000, reading});
    }
    void NextTick(std::int64_t lateness = 0) {
        real = due + lateness;
        Tick();
    }
    std::int64_t LagOfLast() const { return shown.back().at - shown.back().second * 1000; }
};

TEST(TickAim, NextTickComesTheMarginAfterTheNextTurnOfTheSecond) {
    struct Row {
        int millisecond;
        unsigned delay;
    };
    for (const Row row : {Row{0, 1030}, Row{1, 1029}, Row{500, 530}, Row{969, 61}, Row{970, 60}, Row{999, 31},
                          Row{-5, 1030}, Row{1000, 31}, Row{65535, 31}})
        EXPECT_EQ(NextTickDelayMs(row.millisecond), row.delay) << row.millisecond;
}

TEST(TickAim, EverySecondIsShownOnceAndSoonAfterItsTurn) {
    TickedClock clock(1'000'437); // started at an arbitrary fraction of a second
    const int lateness[] = {0, 3, 15, -10, 1, 8, 0, 14, -9, 2};
    for (int i = 0; i < 600; ++i)
        clock.NextTick(lateness[i % 10]);
    for (size_t i = 1; i < clock.shown.size(); ++i) {
        ASSERT_EQ(clock.shown[i].second, clock.shown[i - 1].second + 1) << "tick " << i;
        const std::int64_t lag = clock.shown[i].at - clock.shown[i].second * 1000;
        ASSERT_GE(lag, std::int64_t{kTickMarginMs} - 10) << "tick " << i;
        ASSERT_LE(lag, std::int64_t{kTickMarginMs} + 15) << "tick " << i;
    }
}

TEST(TickAim, EarlyTickShowsTheOldSecondOnlyUntilTheTurn) {
    TickedClock clock(5'000'000);
    clock.NextTick();    // 5001.030
    clock.NextTick(-50); // aimed at 5002.030, came at 5001.980
    EXPECT_EQ(clock.shown.back().second, 5001);
    clock.NextTick();
    EXPECT_EQ(clock.shown.back().second, 5002);
    EXPECT_EQ(clock.LagOfLast(), kTickMarginMs) << "the new second came late after an early tick";
}

TEST(TickAim, LateTickIsBackOnTheSecondAtTheNextTick) {
    TickedClock clock(5'000'000);
    clock.NextTick(400); // a busy moment
    EXPECT_EQ(clock.shown.back().second, 5001);
    EXPECT_EQ(clock.LagOfLast(), kTickMarginMs + 400);
    clock.NextTick();
    EXPECT_EQ(clock.shown.back().second, 5002);
    EXPECT_EQ(clock.LagOfLast(), kTickMarginMs);
}

TEST(TickAim, AfterTheClockIsSetTheTicksFollowTheNewSeconds) {
    for (const std::int64_t step : {10'250, -3'600, 999, -1, 86'400'000}) {
        TickedClock clock(7'000'000);
        clock.NextTick();
        clock.real += 200;
        clock.offset += step;
        clock.Tick(); // the refresh on the change re-aims at once
        clock.NextTick();
        EXPECT_EQ(clock.shown.back().second * 1000, clock.Clock() - kTickMarginMs) << step;
        clock.NextTick();
        EXPECT_EQ(clock.LagOfLast(), kTickMarginMs) << step;
        EXPECT_EQ(clock.shown.back().second, clock.shown[clock.shown.size() - 2].second + 1) << step;
    }
}

TEST(TickAim, WithoutARefreshTheFirstTickAfterTheClockWasSetRealigns) {
    TickedClock clock(7'000'000);
    clock.NextTick();
    clock.offset += 2'470; // set forward while the timer runs
    clock.NextTick();      // still aimed at the old seconds: 470 ms into the new one
    EXPECT_EQ(clock.LagOfLast(), kTickMarginMs + 470);
    clock.NextTick();
    EXPECT_EQ(clock.LagOfLast(), kTickMarginMs);
}

} // namespace
