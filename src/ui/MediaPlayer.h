#pragma once
// A wave-audio player over MCI: open (closing first when open), play without waiting, stop,
// close. Every open starts the file afresh, so each play restarts the sound.
#include <windows.h>

#include <mmsystem.h>

#include <string>

class MediaPlayer {
public:
    MediaPlayer() = default;
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;
    ~MediaPlayer() { Close(); }

    std::string FileName;
    HWND NotifyWindow = nullptr; // receives MM_MCINOTIFY

    // Throws AppError with the system's text for the MCI error, or "原因不明のｴﾗｰ".
    void Open();
    // From the current position to the end, notify, no wait. The result is kept, not reported.
    void Play();
    // Throws "MCI ﾃﾞﾊﾞｲｽがありません" when no device is open.
    void Stop();
    void Close();

    bool IsOpen() const { return open_; }
    MCIDEVICEID DeviceId() const { return device_; }
    MCIERROR LastError() const { return lastError_; }

private:
    bool open_ = false;
    MCIDEVICEID device_ = 0;
    MCIERROR lastError_ = 0;
};

// The text of an MCI error code, or "原因不明のｴﾗｰ" when the system has none.
std::string MciErrorText(MCIERROR code);
