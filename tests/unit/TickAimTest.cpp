#include "clock/TickAim.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// The tick as the window timer drives it: it reads the system clock (true time + offset), shows
// that second and re-arms from the reading; the timer fires at its due time plus a lateness the
// test chooses (negative: early).
struct TickedClock {
    std::int64_t real, offset = 0, due = 0, second = 0, lag = 0; // ms; second and lag of the last tick
    explicit TickedClock(std::int64_t start) : real(start) { Tick(); }
    void Tick() {
        const std::int64_t reading = real + offset;
        due = real + NextTickDelayMs(static_cast<int>(reading % 1000));
        second = reading / 1000;
        lag = reading % 1000;
    }
    void NextTick(std::int64_t lateness = 0) {
        real = due + lateness;
        Tick();
    }
};

constexpr std::int64_t kMargin = kTickMarginMs;

TEST(TickAim, NextTickComesTheMarginAfterTheNextTurnOfTheSecond) {
    const int rows[][2] = {{0, 1030}, {1, 1029}, {500, 530}, {970, 60}, {999, 31}, {-5, 1030}, {1000, 31}};
    for (const auto& [millisecond, delay] : rows)
        EXPECT_EQ(NextTickDelayMs(millisecond), static_cast<unsigned>(delay)) << millisecond;
}

TEST(TickAim, EverySecondIsShownOnceSoonAfterItsTurn) {
    TickedClock clock(1'000'437); // started at any fraction of a second
    const int lateness[] = {0, 3, 15, -10, 1, 8, 0, 14, -9, 2};
    for (int i = 0; i < 600; ++i) {
        const std::int64_t before = clock.second;
        clock.NextTick(lateness[i % 10]);
        ASSERT_EQ(clock.second, before + 1) << "tick " << i;
        ASSERT_EQ(clock.lag, kMargin + lateness[i % 10]) << "tick " << i;
    }
}

TEST(TickAim, EarlyOrLateTickIsBackOnTheSecondAtTheNextTick) {
    for (const int lateness : {-50, -29, 400, 969}) {
        TickedClock clock(5'000'000);
        clock.NextTick();
        clock.NextTick(lateness); // aimed at 5002.030
        EXPECT_EQ(clock.second, lateness < -kMargin ? 5001 : 5002) << lateness;
        clock.NextTick();
        EXPECT_EQ(clock.second, lateness < -kMargin ? 5002 : 5003) << lateness;
        EXPECT_EQ(clock.lag, kMargin) << lateness;
    }
}

TEST(TickAim, ClockSetForwardOrBackIsFollowedFromTheNextTick) {
    for (const std::int64_t step : {10'250, -3'600, 999, -1, 86'400'000}) {
        TickedClock clock(7'000'000);
        clock.NextTick();
        clock.offset += step;
        clock.NextTick(); // still aimed by the old clock
        clock.NextTick();
        EXPECT_EQ(clock.lag, kMargin) << step;
        clock.real += 200;
        clock.offset -= step;
        clock.Tick(); // a refresh on the change re-aims at once
        const std::int64_t refreshed = clock.second;
        clock.NextTick();
        EXPECT_EQ(clock.second, refreshed + 1) << step;
        EXPECT_EQ(clock.lag, kMargin) << step;
    }
}

} // namespace
