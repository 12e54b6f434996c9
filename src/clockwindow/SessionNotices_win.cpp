#include "clockwindow/SessionNotices_win.h"

#include <wtsapi32.h>

SessionNotices::SessionNotices(HWND window) : window_(window) {
    registered_ = ::WTSRegisterSessionNotification(window_, NOTIFY_FOR_THIS_SESSION) != FALSE;
}

SessionNotices::~SessionNotices() {
    if (registered_)
        ::WTSUnRegisterSessionNotification(window_);
}

bool SessionNotices::DesktopBack(WPARAM code) {
    return code == WTS_SESSION_UNLOCK || code == WTS_CONSOLE_CONNECT || code == WTS_REMOTE_CONNECT;
}
