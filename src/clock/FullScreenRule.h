#pragma once
// "全画面表示中は隠す": while a window covering the whole of the clock's monitor is in the
// foreground, the clock steps aside. The desktop, the task bar and the clock's own windows
// (dialogs, boxes, its menu) never count: they are what the user reaches the clock through.
#include <optional>
#include <string>

struct ScreenBox {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct ForegroundWindow {
    ScreenBox bounds;        // the window's rectangle on the screen
    std::string className;   // its window class
    bool desktop = false;    // the desktop window or the shell's own
    bool clockOwn = false;   // made by the clock's thread
    bool maximized = false;  // WS_MAXIMIZE
    bool hasCaption = false; // WS_CAPTION
};

// Whether the clock on `monitor` steps aside for `foreground` (none: no foreground window).
bool StepAsideFor(const std::optional<ForegroundWindow>& foreground, const ScreenBox& monitor);
