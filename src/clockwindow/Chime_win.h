#pragma once
// The time signal and the alarm: which seconds are still to be checked, and the wave player that
// sounds them. The clock window runs the checks from its tick and shows the alarm box.
#include "clock/ChimeSchedule.h"
#include "clock/ClockSettings.h"

#include <functional>
#include <memory>
#include <string>

namespace ui {
class MediaPlayer;
}

class Chime {
public:
    Chime();
    ~Chime();
    Chime(const Chime&) = delete;
    Chime& operator=(const Chime&) = delete;

    // What a check asks of the clock: the time now, the alarm box shown modally, and whether the
    // clock still stands (it can be closed while the box is open).
    struct Clock {
        std::function<ClockTime()> now;
        std::function<void()> showAlarmBox;
        std::function<bool()> open;
    };
    // The alarm, then the signal, for every second since the last check, by `settings` as they are
    // at each moment. True when an alarm box was shown, so that the clock has been read again since.
    bool Check(const ClockSettings& settings, const Clock& clock);

    // Opens `file` afresh and plays it without waiting; the player's error is raised.
    void PlaySoundFile(const std::string& file);
    ui::MediaPlayer& Player() { return *player_; }

private:
    ChimeSchedule schedule_;
    std::unique_ptr<ui::MediaPlayer> player_;
};
