#include "clockwindow/Chime_win.h"

#include "ui/MediaPlayer.h"

Chime::Chime() : player_(std::make_unique<ui::MediaPlayer>()) {}

Chime::~Chime() = default;

bool Chime::Check(const ClockSettings& settings, const Clock& clock) {
    // An alarm box can stay open for minutes: whatever is left after it counts only while its
    // second is still within the catch-up window, and by the settings in force then, so nothing
    // ever sounds late. The clock is read again only after a box: a late tick whose reading turns
    // a second meanwhile must not lose the oldest second it was given.
    bool boxShown = false;
    for (const std::int64_t second : schedule_.TakeSeconds(clock.now())) {
        for (const ChimeEvent event : {ChimeEvent::Alarm, ChimeEvent::Signal}) {
            if (!ChimeSchedule::Fires(event, second, settings))
                continue;
            if (boxShown && !ChimeSchedule::WithinCatchUp(second, clock.now()))
                return true;
            if (event == ChimeEvent::Alarm && settings.AlarmByDialog) {
                clock.showAlarmBox();
                boxShown = true;
            } else {
                PlaySoundFile(settings.SoundFile);
            }
            if (!clock.open())
                return boxShown; // the clock was closed while the alarm box was open
        }
    }
    return boxShown;
}

void Chime::PlaySoundFile(const std::string& file) {
    player_->FileName = file;
    player_->Open(); // raises the media error; the tick ends there
    player_->Play();
}
