#pragma once
// The session's notices to one window (WM_WTSSESSION_CHANGE): registered while the object lives.
// A refused registration only means that no notice comes; nothing else changes.
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
    HWND window_ = nullptr;
    bool registered_ = false;
};
