#pragma once
// An invisible wave-audio player over MCI: open (closing first when open), play without
// waiting, stop, close. Every open starts the file afresh, so each open and play restarts the
// sound. The player has its own message-only window, which takes the completion notices
// (MM_MCINOTIFY), so they never reach the window that owns the player.
#include "ui/Window.h"

#include <mmsystem.h>

#include <string>

namespace ui {

class MediaPlayer : private Window {
public:
    MediaPlayer();
    ~MediaPlayer() override;

    std::string FileName; // the element opened; none when empty

    // Opens FileName as "WaveAudio", shareable (unshared where the driver cannot share), waiting
    // for the device. On failure the player stays closed and AppError carries the system's MCI
    // error text (MciErrorText).
    void Open();
    // From the current position to the end, with a completion notice, without waiting. Its
    // result is kept in LastError and never reported; a closed player does nothing.
    void Play();
    // Waits for the device to stop; the device stays open. Throws "MCI ﾃﾞﾊﾞｲｽがありません" when
    // no device is open.
    void Stop();
    // Closes the device (which ends a sound still playing); the result is ignored.
    void Close();

    bool IsOpen() const { return open_; }
    MCIDEVICEID DeviceId() const { return device_; }
    MCIERROR LastError() const { return lastError_; }
    HWND NotifyWindow() const { return Handle(); }
    // The flag of the last completion notice for the open device (MCI_NOTIFY_SUCCESSFUL,
    // _SUPERSEDED, _ABORTED, _FAILURE), 0 when none has come since it was opened. The player
    // does nothing else with the notices.
    UINT NotifyValue() const { return notifyValue_; }

private:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

    bool open_ = false;
    MCIDEVICEID device_ = 0;
    MCIERROR lastError_ = 0;
    UINT notifyValue_ = 0;
};

// The system's text for an MCI error code, or "原因不明のｴﾗｰ" when the system has none.
std::string MciErrorText(MCIERROR code);

} // namespace ui
