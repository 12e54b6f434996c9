#pragma once
// Decides, on each tick, which alarms and time signals are due. Every second since the previous
// check is looked at (a late tick loses nothing), at most the last few (nothing stale fires
// after sleep or a clock change), and each matching second fires once, also when ticks nest
// under an open alarm box or the clock is set back by a moment. A clock set back further starts
// afresh from the new time. Matching is on numbers, so any locale's separators work.
#include "clock/ClockSettings.h"
#include "clock/ClockText.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

enum class ChimeEvent { Alarm, Signal };

// An alarm hour or minute as typed: one or two decimal digits within [0, limit).
std::optional<int> AlarmNumber(std::string_view typed, int limit);

// Seconds since 1970-01-01 of a local date and time (proleptic Gregorian calendar).
std::int64_t LocalSeconds(const ClockTime& time);

class ChimeSchedule {
public:
    // How many of the latest seconds one check may cover; also how far the clock may step back
    // without seconds being checked again.
    static constexpr int kCatchUpSeconds = 5;

    // The events due from the seconds not yet checked up to `now`, in order: for each second
    // the alarm first, then the time signal.
    std::vector<ChimeEvent> Due(const ClockTime& now, const ClockSettings& settings);

    // The seconds not yet checked up to `now` (at most the last kCatchUpSeconds), marked as
    // checked before anything fires, so ticks nested under an alarm box never fire them again.
    std::vector<std::int64_t> TakeSeconds(const ClockTime& now);
    // Whether `event` belongs to `second` (seconds since 1970, local) by `settings`.
    static bool Fires(ChimeEvent event, std::int64_t second, const ClockSettings& settings);
    // Whether `second` may still sound at `now`: within the catch-up window, never later.
    static bool WithinCatchUp(std::int64_t second, const ClockTime& now);

private:
    std::optional<std::int64_t> checkedUpTo_;
};
