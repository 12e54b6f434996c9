#pragma once
// The session's notices to one window (WM_WTSSESSION_CHANGE): registered while the object lives.
// wtsapi32 is loaded here, at run time, so that the program's start imports nothing more for it;
// where it or its functions are missing, no notice comes and nothing else changes.
#include <windows.h>

class SessionNotices {
public:
    explicit SessionNotices(HWND window);
    // Unregisters before the window goes, as the system asks.
    ~SessionNotices();
    SessionNotices(const SessionNotices&) = delete;
    SessionNotices& operator=(const SessionNotices&) = delete;

    bool Registered() const { return registered_; }

    // Whether a notice's code says that the session's desktop is shown to a user again (unlocked,
    // or connected at the console or remotely), when what the system refused may be taken again.
    static bool DesktopBack(WPARAM code);

private:
    HMODULE module_ = nullptr;
    HWND window_ = nullptr;
    bool registered_ = false;
};
