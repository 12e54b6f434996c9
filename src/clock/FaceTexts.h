#pragma once
// The three texts of the clock face for the current settings, and the extra width that labels
// in an italic font need so their slanted last letter is not cut off.
#include "clock/ClockSettings.h"
#include "clock/ClockText.h"
#include "widgets/LabelFont.h"

#include <cstdint>
#include <string>

std::string DateText(const ClockSettings& settings, const ClockTime& time, const LocaleValues& locale);
// "(Sun)".."(Sat)" in place of the Japanese one-character names when EnglishWeekday is on.
std::string WeekdayText(const ClockSettings& settings, const ClockTime& time, const LocaleValues& locale);
std::string TimeText(const ClockSettings& settings, const ClockTime& time, const LocaleValues& locale);

// Exactly {italic} or exactly {bold, italic}.
bool QualifiesForItalicCompensation(std::uint8_t style);
// Text width + size in points / 5 (truncated) + the date label's horizontal shadow offset.
int CompensatedWidth(int textWidth, const LabelFont& font, int dateShadowOffsetLeft);
