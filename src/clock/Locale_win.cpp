#include "clock/Locale_win.h"

namespace {

std::string ReadSeparator(LCTYPE item, const char* fallback) {
    // Room for one character (a double-byte one too) and its terminator: a longer separator
    // fails the read and the fallback is used.
    char buffer[3] = {};
    const int got = ::GetLocaleInfoA(::GetThreadLocale(), item, buffer, sizeof(buffer));
    return SeparatorOrFallback(got > 0, std::string_view(buffer), fallback);
}

} // namespace

void ReadLocaleSeparatorsInto(LocaleValues& values) {
    values.dateSeparator = ReadSeparator(LOCALE_SDATE, "/");
    values.timeSeparator = ReadSeparator(LOCALE_STIME, ":");
}

LocaleValues ReadLocaleValues() {
    LocaleValues values;
    ReadLocaleSeparatorsInto(values);
    // The locale's list starts on Monday; ours on Sunday.
    static constexpr LCTYPE kItems[7] = {
        LOCALE_SABBREVDAYNAME7, LOCALE_SABBREVDAYNAME1, LOCALE_SABBREVDAYNAME2, LOCALE_SABBREVDAYNAME3,
        LOCALE_SABBREVDAYNAME4, LOCALE_SABBREVDAYNAME5, LOCALE_SABBREVDAYNAME6};
    for (int day = 0; day < 7; ++day) {
        char buffer[256] = {};
        const int got = ::GetLocaleInfoA(::GetThreadLocale(), kItems[day], buffer, sizeof(buffer));
        values.dayNames[day] = DayNameOrFallback(got > 0, std::string_view(buffer), day);
    }
    return values;
}

ClockTime ToClockTime(const SYSTEMTIME& st) {
    return ClockTime{st.wYear, st.wMonth, st.wDay, st.wDayOfWeek, st.wHour, st.wMinute, st.wSecond};
}
