#include "clock/FaceTexts.h"

std::string DateText(const ClockSettings& s, const ClockTime& t, const LocaleValues& l) {
    return FormatClockText(s.ShowYear ? "yyyy/m/d" : "m/d", t, l);
}

std::string WeekdayText(const ClockSettings& s, const ClockTime& t, const LocaleValues& l) {
    if (!s.EnglishWeekday)
        return FormatClockText("(aaa)", t, l);
    static constexpr const char* kJapanese[7] = {"日", "月", "火", "水", "木", "金", "土"};
    static constexpr const char* kEnglish[7] = {"(Sun)", "(Mon)", "(Tue)", "(Wed)",
                                                "(Thu)", "(Fri)", "(Sat)"};
    const std::string name = FormatClockText("aaa", t, l);
    for (int d = 0; d < 7; ++d)
        if (name == kJapanese[d])
            return kEnglish[d];
    return name; // a locale with other day names keeps its own, without parentheses
}

std::string TimeText(const ClockSettings& s, const ClockTime& t, const LocaleValues& l) {
    if (s.ShowSeconds)
        return FormatClockText(s.Use24Hour ? "h:nn:ss" : "AM/PMh:nn:ss", t, l);
    return FormatClockText(s.Use24Hour ? "h:nn" : "AM/PMh:nn", t, l);
}

bool QualifiesForItalicCompensation(std::uint8_t style) {
    const std::uint8_t styleBits = style & (fsBold | fsItalic | fsUnderline | fsStrikeOut);
    return styleBits == fsItalic || styleBits == (fsBold | fsItalic);
}

int CompensatedWidth(int textWidth, const LabelFont& font, int dateShadowOffsetLeft) {
    return textWidth + font.SizePoints() / 5 + dateShadowOffsetLeft;
}
