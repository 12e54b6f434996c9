#include "clockwindow/TrayIcon_win.h"

#include "ui/Dpi.h"

namespace {
constexpr UINT kTrayIconId = 1;
}

TrayIcon::TrayIcon(UINT callbackMessage) {
    data_.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data_.uID = kTrayIconId;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = callbackMessage;
    lstrcpynW(data_.szTip, L"Morovin", ARRAYSIZE(data_.szTip));
}

TrayIcon::~TrayIcon() {
    if (registered_)
        Delete();
}

UINT TrayIcon::TaskbarCreatedMessage() {
    static const UINT message = ::RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

BOOL TrayIcon::Call(DWORD what) {
    ++shellCalls_;
    return ::Shell_NotifyIconW(what, &data_);
}

int TrayIcon::TaskBarDpi() {
    return ui::DpiForMonitor(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
}

void TrayIcon::SetImage(ui::unique_hicon image, int dpi) {
    imageDpi_ = dpi;
    data_.hIcon = image.get();
    if (registered_ && !Call(NIM_MODIFY))
        registered_ = false;   // the next layout adds it again
    image_ = std::move(image); // the shell has the new picture before the old one goes
}

void TrayIcon::EnsureRegistered(HWND owner) {
    if (registered_ && data_.hWnd == owner)
        return;
    if (registered_)
        Delete();            // an icon of an older handle would stay behind as a second one
    if (data_.hWnd != owner) // an elevated clock still hears the shell's restart
        ::ChangeWindowMessageFilterEx(owner, TaskbarCreatedMessage(), MSGFLT_ALLOW, nullptr);
    data_.hWnd = owner;
    // An icon that is there already (added before this object knew of it) makes the add fail;
    // it counts as registered when the shell accepts a change to it.
    registered_ = Call(NIM_ADD) || Call(NIM_MODIFY);
}

void TrayIcon::ShellRestarted(HWND owner) {
    registered_ = false;
    EnsureRegistered(owner);
}

void TrayIcon::Delete() {
    if (data_.hWnd)
        Call(NIM_DELETE);
    registered_ = false;
}
