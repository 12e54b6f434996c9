#pragma once
// The locale values the clock texts use, read from the user-interface thread's locale.
#include "clock/ClockText.h"

#include <windows.h>

LocaleValues ReadLocaleValues();
// Re-reads only the date and time separators (the day names keep their start-up values).
void ReadLocaleSeparatorsInto(LocaleValues& values);
ClockTime ToClockTime(const SYSTEMTIME& st);
