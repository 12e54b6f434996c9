#pragma once
// The clock's tray icon. It is registered when the window is made, again when the shell asks
// for it (the "TaskbarCreated" broadcast after a restart of the task bar) and whenever it is
// known not to be registered (deleted, or refused by a shell that was not ready). An ordinary
// pass over the layout asks nothing of the shell.
#include <windows.h>

#include <shellapi.h>

#include "ui/Handles.h"

class TrayIcon {
public:
    // The record handed to the shell: icon number 1, callback `callbackMessage`, tip "Morovin".
    explicit TrayIcon(UINT callbackMessage);
    // An icon still registered goes with its owner object.
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;
    // The icon's picture from now on, drawn for `dpi`, kept until the next one; a registered icon
    // shows it at once.
    void SetImage(ui::unique_hicon image, int dpi);
    // The DPI the picture was drawn for; 0 before the first.
    int ImageDpi() const { return imageDpi_; }
    // The DPI the shell shows the icon at: the task bar's with the notification area, on the
    // primary monitor, whichever monitor the clock is on.
    static int TaskBarDpi();

    // Registers the icon for `owner` unless it is registered for it already.
    void EnsureRegistered(HWND owner);
    // The shell has lost every icon (it restarted): registers this one again at once.
    void ShellRestarted(HWND owner);
    // Removes the icon; the next EnsureRegistered brings it back.
    void Delete();

    bool Registered() const { return registered_; }
    const NOTIFYICONDATAW& Data() const { return data_; }
    // Calls made into the shell so far (to show that a tick makes none).
    long ShellCalls() const { return shellCalls_; }

    // The message the shell broadcasts when the task bar is created.
    static UINT TaskbarCreatedMessage();

private:
    BOOL Call(DWORD what);

    NOTIFYICONDATAW data_{};
    ui::unique_hicon image_;
    int imageDpi_ = 0;
    bool registered_ = false;
    long shellCalls_ = 0;
};
