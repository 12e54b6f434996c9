#include "clockwindow/SessionNotices_win.h"

#include <wtsapi32.h>

namespace {

using RegisterFn = BOOL(WINAPI*)(HWND, DWORD);
using UnregisterFn = BOOL(WINAPI*)(HWND);

template <typename F> F Function(HMODULE module, const char* name) {
    return module ? reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
}

} // namespace

SessionNotices::SessionNotices(HWND window) : module_(::LoadLibraryW(L"wtsapi32.dll")), window_(window) {
    if (const auto add = Function<RegisterFn>(module_, "WTSRegisterSessionNotification"))
        registered_ = add(window_, NOTIFY_FOR_THIS_SESSION) != FALSE;
}

SessionNotices::~SessionNotices() {
    if (registered_) {
        if (const auto remove = Function<UnregisterFn>(module_, "WTSUnRegisterSessionNotification"))
            remove(window_);
    }
    if (module_)
        ::FreeLibrary(module_);
}

bool SessionNotices::DesktopBack(WPARAM code) {
    return code == WTS_SESSION_UNLOCK || code == WTS_CONSOLE_CONNECT || code == WTS_REMOTE_CONNECT;
}
