#pragma once
// FormatClockText: every date, weekday and time text of the clock comes from one pattern
// formatter, fed with the clock's numbers and the locale's separators and day names.
#include <array>
#include <string>
#include <string_view>

struct ClockTime {
    int year = 0, month = 1, day = 1;
    int dayOfWeek = 0; // 0 Sunday .. 6 Saturday
    int hour = 0, minute = 0, second = 0;
};

struct LocaleValues {
    std::string dateSeparator = "/";
    std::string timeSeparator = ":";
    std::array<std::string, 7> dayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}; // Sunday first
};

// Pattern letters (either case): y (a run of 3+ is the year in at least four digits), m (month,
// or minutes right after an h), d, h, n, s (one letter: no leading zero, two: two digits),
// AM/PM, A/P, AMPM, AAAA and AAA; "/" and ":" are the locale's separators; text in quotes and
// any other character stand as they are.
std::string FormatClockText(std::string_view pattern, const ClockTime& time, const LocaleValues& locale);

// A separator is one character (a double-byte character counts as one): a failed read, an empty
// or a longer value gives the fallback.
std::string SeparatorOrFallback(bool readOk, std::string_view value, std::string_view fallback);
// A day name that could not be read, or is empty, falls back to the English abbreviation.
std::string DayNameOrFallback(bool readOk, std::string_view value, int dayOfWeek);
