#include "clock/ChimeSchedule.h"

#include <algorithm>

std::optional<int> AlarmNumber(std::string_view typed, int limit) {
    if (typed.empty() || typed.size() > 2)
        return std::nullopt;
    int value = 0;
    for (const char c : typed) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value < limit ? std::optional<int>(value) : std::nullopt;
}

std::int64_t LocalSeconds(const ClockTime& t) {
    // Days from the civil date (H. Hinnant's algorithm).
    const std::int64_t y = t.month <= 2 ? t.year - 1 : t.year;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (t.month + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + t.day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const std::int64_t days = era * 146097 + doe - 719468;
    return days * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

std::vector<std::int64_t> ChimeSchedule::TakeSeconds(const ClockTime& now) {
    const std::int64_t current = LocalSeconds(now);
    std::int64_t first = current;
    if (checkedUpTo_) {
        const std::int64_t ahead = current - *checkedUpTo_;
        // A repeated second, or the clock set back by a moment: those seconds have had their turn.
        if (ahead <= 0 && ahead > -kCatchUpSeconds)
            return {};
        if (ahead > 0)
            first = std::max(*checkedUpTo_ + 1, current - (kCatchUpSeconds - 1));
    }
    checkedUpTo_ = current;
    std::vector<std::int64_t> seconds;
    for (std::int64_t t = first; t <= current; ++t)
        seconds.push_back(t);
    return seconds;
}

bool ChimeSchedule::Fires(ChimeEvent event, std::int64_t t, const ClockSettings& s) {
    const std::int64_t ofDay = ((t % 86400) + 86400) % 86400;
    const int hour = static_cast<int>(ofDay / 3600);
    const int minute = static_cast<int>(ofDay / 60 % 60);
    if (ofDay % 60 != 0)
        return false;
    if (event == ChimeEvent::Alarm) {
        const std::optional<int> alarmHour = AlarmNumber(s.AlarmHour, 24);
        const std::optional<int> alarmMinute = AlarmNumber(s.AlarmMinute, 60);
        return s.AlarmOn && alarmHour && alarmMinute && hour == *alarmHour && minute == *alarmMinute;
    }
    return s.ChimeOn && ((s.ChimeHalfHour && minute == 30) || (s.ChimeHour && minute == 0));
}

bool ChimeSchedule::WithinCatchUp(std::int64_t second, const ClockTime& now) {
    const std::int64_t age = LocalSeconds(now) - second;
    return age >= 0 && age < kCatchUpSeconds;
}

std::vector<ChimeEvent> ChimeSchedule::Due(const ClockTime& now, const ClockSettings& s) {
    std::vector<ChimeEvent> due;
    for (const std::int64_t t : TakeSeconds(now))
        for (const ChimeEvent event : {ChimeEvent::Alarm, ChimeEvent::Signal})
            if (Fires(event, t, s))
                due.push_back(event);
    return due;
}
