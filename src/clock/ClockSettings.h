#pragma once
// The clock's options: one record for the whole program, owned by the clock window module and
// read and written by the dialogs. Everything starts false, 0 or empty; LoadSettings fills it.
#include <cstdint>
#include <string>

struct ClockSettings {
    bool Movable = false;
    bool ShowYear = false;
    bool StayOnTop = false;
    bool AlarmOn = false;
    bool ShowSeconds = false;
    bool AlarmByDialog = false;
    bool Use24Hour = false;
    bool EnglishWeekday = false;
    bool WallpaperMode = false;
    bool ChimeOn = false;
    bool ChimeHalfHour = false;
    bool ChimeHour = false;
    bool ShadowOn = false;
    std::int32_t PropPage = 0;
    std::string SoundFile;
    std::string AlarmHour;
    std::string AlarmMinute;
    std::string DialogText;
    // Section "Option": the clock steps aside for full-screen programs; it lets the mouse through.
    bool HideFullScreen = false;
    bool ClickThrough = false;

    bool operator==(const ClockSettings&) const = default;
};
