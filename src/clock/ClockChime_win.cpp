#include "clock/ClockWindow_win.h"

#include "ui/MediaPlayer.h"

namespace {

// Renames the alarm box's only button: the box says "はい(&Y)", not "OK".
HHOOK alarmBoxHook = nullptr;

LRESULT CALLBACK AlarmBoxHook(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wp);
        ::SetDlgItemTextA(box, IDOK, "はい(&Y)");
        ::UnhookWindowsHookEx(alarmBoxHook);
        alarmBoxHook = nullptr;
        return 0;
    }
    return ::CallNextHookEx(alarmBoxHook, code, wp, lp);
}

} // namespace

void TWobToke::AlarmAndSignalChecks() {
    for (const ChimeEvent event : chimeSchedule_.Due(Now(), Settings)) {
        if (event == ChimeEvent::Alarm && Settings.AlarmByDialog)
            ShowAlarmBox();
        else
            PlaySoundFile();
    }
}

void TWobToke::ShowAlarmBox() {
    if (!alarmBoxHook)
        alarmBoxHook = ::SetWindowsHookExA(WH_CBT, &AlarmBoxHook, nullptr, ::GetCurrentThreadId());
    ::MessageBoxA(nullptr, Settings.DialogText.c_str(), "情報", MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
}

MediaPlayer& TWobToke::MediaPlayer1() {
    return *mediaPlayer_;
}

void TWobToke::PlaySoundFile() {
    MediaPlayer& player = *mediaPlayer_;
    player.FileName = Settings.SoundFile;
    player.NotifyWindow = Handle();
    player.Open();
    player.Play();
}
