#include "clock/ClockText.h"

#include "base/Sjis.h"

#include <cctype>

namespace {

constexpr const char* kEnglishDays[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view word) {
    if (text.size() - at < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (Lower(text[at + i]) != Lower(word[i]))
            return false;
    return true;
}

std::size_t RunLength(std::string_view p, std::size_t at) {
    std::size_t n = 1;
    while (at + n < p.size() && Lower(p[at + n]) == Lower(p[at]))
        ++n;
    return n;
}

std::string Number(int value, int minDigits) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (static_cast<int>(digits.size()) < minDigits)
        digits.insert(0, static_cast<std::size_t>(minDigits) - digits.size(), '0');
    return value < 0 ? "-" + digits : digits;
}

// Does an "a" element met scanning on from `from` (outside quotes, before another "h") turn the
// hour into its 12-hour form?
bool TwelveHourAhead(std::string_view p, std::size_t from) {
    char quote = 0;
    for (std::size_t i = from; i < p.size(); ++i) {
        const char c = p[i];
        if (quote) {
            if (c == quote)
                quote = 0;
            continue;
        }
        if (c == '"' || c == '\'') {
            quote = c;
            continue;
        }
        const char l = Lower(c);
        if (l == 'h')
            return false;
        if (l == 'a')
            return StartsWithNoCase(p, i, "am/pm") || StartsWithNoCase(p, i, "a/p") ||
                   StartsWithNoCase(p, i, "ampm");
    }
    return false;
}

} // namespace

std::string FormatClockText(std::string_view p, const ClockTime& t, const LocaleValues& locale) {
    std::string out;
    char lastLetter = 0;
    bool twelveHour = false;
    std::size_t i = 0;
    while (i < p.size()) {
        const char c = p[i];
        const char l = Lower(c);
        if (c == '"' || c == '\'') {
            const std::size_t end = p.find(c, i + 1);
            const std::size_t stop = end == std::string_view::npos ? p.size() : end;
            out.append(p.substr(i + 1, stop - i - 1));
            i = stop == p.size() ? stop : stop + 1;
            continue;
        }
        if (l == 'y') {
            const std::size_t n = RunLength(p, i);
            out += n >= 3 ? Number(t.year, 4) : Number(t.year % 100, 2);
            i += n;
        } else if (l == 'm') {
            const std::size_t n = RunLength(p, i);
            const int value = lastLetter == 'h' ? t.minute : t.month;
            out += Number(value, n >= 2 ? 2 : 1);
            i += n;
        } else if (l == 'd') {
            const std::size_t n = RunLength(p, i);
            out += n >= 3 ? locale.dayNames[static_cast<std::size_t>(t.dayOfWeek) % 7]
                          : Number(t.day, n >= 2 ? 2 : 1);
            i += n;
        } else if (l == 'h') {
            const std::size_t n = RunLength(p, i);
            int hour = t.hour;
            if (twelveHour || TwelveHourAhead(p, i + n)) {
                hour %= 12;
                if (hour == 0)
                    hour = 12;
            }
            out += Number(hour, n >= 2 ? 2 : 1);
            i += n;
        } else if (l == 'n' || l == 's') {
            const std::size_t n = RunLength(p, i);
            out += Number(l == 'n' ? t.minute : t.second, n >= 2 ? 2 : 1);
            i += n;
        } else if (l == 'a') {
            const bool pm = t.hour >= 12;
            if (StartsWithNoCase(p, i, "am/pm")) {
                out.append(p.substr(pm ? i + 3 : i, 2)); // the pattern's own letters keep its case
                twelveHour = true;
                i += 5;
            } else if (StartsWithNoCase(p, i, "a/p")) {
                out += p[pm ? i + 2 : i];
                twelveHour = true;
                i += 3;
            } else if (StartsWithNoCase(p, i, "ampm")) {
                out += pm ? "PM" : "AM";
                twelveHour = true;
                i += 4;
            } else if (StartsWithNoCase(p, i, "aaa")) {
                out += locale.dayNames[static_cast<std::size_t>(t.dayOfWeek) % 7];
                i += StartsWithNoCase(p, i, "aaaa") ? 4 : 3;
            } else {
                out += c;
                ++i;
            }
        } else if (c == '/') {
            out += locale.dateSeparator;
            ++i;
        } else if (c == ':') {
            out += locale.timeSeparator;
            ++i;
        } else {
            out += c;
            ++i;
        }
        if (std::isalpha(static_cast<unsigned char>(c)))
            lastLetter = l;
    }
    return out;
}

std::string SeparatorOrFallback(bool readOk, std::string_view value, std::string_view fallback) {
    // One character: a single byte, or a Shift-JIS lead byte with its trail byte.
    if (readOk && !value.empty() && SjisCharLength(value, 0) == value.size())
        return std::string(value);
    return std::string(fallback);
}

std::string DayNameOrFallback(bool readOk, std::string_view value, int dayOfWeek) {
    if (readOk && !value.empty())
        return std::string(value);
    return kEnglishDays[static_cast<std::size_t>(dayOfWeek) % 7];
}
