#include "ui/DialogScreen.h"

namespace ui {
namespace {
int dialogDpi = 0;
} // namespace

DialogScreen DialogScreenOf(const Application& app) {
    HMONITOR monitor = app.MainWindow() ? ::MonitorFromWindow(app.MainWindow(), MONITOR_DEFAULTTOPRIMARY)
                                        : ::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    DialogScreen screen;
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (monitor && ::GetMonitorInfoW(monitor, &info))
        screen.monitor = info.rcMonitor;
    else
        screen.monitor = RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    screen.dpi = dialogDpi > 0 ? dialogDpi : DpiForMonitor(monitor);
    return screen;
}

POINT CentreOn(const RECT& monitor, int width, int height) {
    return POINT{monitor.left + (monitor.right - monitor.left - width) / 2,
                 monitor.top + (monitor.bottom - monitor.top - height) / 2};
}

void SetDialogDpi(int dpi) {
    dialogDpi = dpi;
}

} // namespace ui
