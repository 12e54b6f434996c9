// The tick's hook point: the alarm and the time signal, opening the alarm box, the wave playback.
#include "clockwindow/ClockWindow_win.h"

#include "dialogs/AlarmBox.h"
#include "ui/MediaPlayer.h"

bool TWobToke::AlarmAndSignalChecks() {
    // Alarm first, then the signal, for every second since the last check. An alarm box can stay
    // open for minutes: whatever is left after it counts only while its second is still within
    // the catch-up window, and by the settings in force then, so nothing ever sounds late.
    // The clock is read again only after a box: a late tick whose reading turns a second meanwhile
    // must not lose the oldest second it was given.
    bool boxShown = false;
    for (const std::int64_t second : chimeSchedule_.TakeSeconds(Now())) {
        for (const ChimeEvent event : {ChimeEvent::Alarm, ChimeEvent::Signal}) {
            if (!ChimeSchedule::Fires(event, second, Settings))
                continue;
            if (boxShown && !ChimeSchedule::WithinCatchUp(second, Now()))
                return true;
            if (event == ChimeEvent::Alarm && Settings.AlarmByDialog) {
                ShowAlarmBox();
                boxShown = true;
            } else {
                PlaySoundFile();
            }
            if (!Handle())
                return boxShown; // the clock was closed while the alarm box was open
        }
    }
    return boxShown;
}

void TWobToke::ShowAlarmBox() {
    TAlarmBox::Show(app_, Settings.DialogText);
}

ui::MediaPlayer& TWobToke::MediaPlayer1() {
    return *mediaPlayer_;
}

void TWobToke::PlaySoundFile() {
    ui::MediaPlayer& player = *mediaPlayer_;
    player.FileName = Settings.SoundFile;
    player.Open(); // raises the media error; the tick ends there
    player.Play();
}
