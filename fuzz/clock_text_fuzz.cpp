// The date and time pattern formatter with any pattern, any separators and day names, and any
// time a clock can report.
#include "FuzzInput.h"
#include "clock/ClockText.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    ClockTime time;
    time.year = 1601 + input.Number<std::uint16_t>() % 29000; // what SYSTEMTIME can hold
    time.month = 1 + input.Number<std::uint8_t>() % 12;
    time.day = 1 + input.Number<std::uint8_t>() % 31;
    time.dayOfWeek = input.Number<std::uint8_t>() % 7;
    time.hour = input.Number<std::uint8_t>() % 24;
    time.minute = input.Number<std::uint8_t>() % 60;
    time.second = input.Number<std::uint8_t>() % 60;
    LocaleValues locale;
    locale.dateSeparator = SeparatorOrFallback(true, input.Text(), "/");
    locale.timeSeparator = SeparatorOrFallback(true, input.Text(), ":");
    for (int day = 0; day < 7; ++day)
        locale.dayNames[day] = DayNameOrFallback(true, input.Text(), day);
    const std::string_view pattern = input.Rest();
    const std::string text = FormatClockText(pattern, time, locale);
    // Each pattern byte gives at most one of the longest things it can stand for.
    std::size_t longest = 5; // a year's digits, "AM"/"PM"
    for (const std::string& s : {locale.dateSeparator, locale.timeSeparator})
        longest = std::max(longest, s.size());
    for (const std::string& name : locale.dayNames)
        longest = std::max(longest, name.size());
    FUZZ_CHECK(text.size() <= pattern.size() * longest);
    return 0;
}
