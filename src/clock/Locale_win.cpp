#include "clock/Locale_win.h"

#include "ui/WideText.h"

namespace {

// The locale's value as Shift-JIS; false when it cannot be read.
bool ReadLocaleText(LCTYPE item, std::string& text) {
    wchar_t buffer[256] = {};
    const int got = ::GetLocaleInfoW(::GetThreadLocale(), item, buffer, ARRAYSIZE(buffer));
    text = got > 0 ? ui::Narrow(buffer) : std::string();
    return got > 0;
}

std::string ReadSeparator(LCTYPE item, const char* fallback) {
    // One character (a double-byte one too); a longer separator gives the fallback.
    std::string text;
    const bool read = ReadLocaleText(item, text);
    return SeparatorOrFallback(read, text, fallback);
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
        std::string name;
        const bool read = ReadLocaleText(kItems[day], name);
        values.dayNames[day] = DayNameOrFallback(read, name, day);
    }
    return values;
}

ClockTime ToClockTime(const SYSTEMTIME& st) {
    return ClockTime{st.wYear, st.wMonth, st.wDay, st.wDayOfWeek, st.wHour, st.wMinute, st.wSecond};
}
