#include "clock/Monitors_win.h"

#include <shellapi.h>

namespace {

BOOL CALLBACK AddSecondaryMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM lp) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    auto& monitors = reinterpret_cast<DesktopLayout*>(lp)->monitors;
    if (!::GetMonitorInfoW(monitor, &info))
        return TRUE;
    if (info.dwFlags & MONITORINFOF_PRIMARY)
        monitors.front().work = ToScreenRect(info.rcWork); // its bounds and T stay the metrics'
    else
        monitors.push_back(MonitorWithWorkArea(ToScreenRect(info.rcMonitor), ToScreenRect(info.rcWork)));
    return TRUE;
}

} // namespace

ScreenMetrics ReadScreenMetrics() {
    return ScreenMetrics{::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN),
                         ::GetSystemMetrics(SM_CXFULLSCREEN), ::GetSystemMetrics(SM_CYFULLSCREEN),
                         ::GetSystemMetrics(SM_CYCAPTION)};
}

ScreenRect ToScreenRect(const RECT& r) {
    return ScreenRect{r.left, r.top, r.right, r.bottom};
}

DesktopLayout CurrentDesktop(int windowLeft, int windowTop) {
    DesktopLayout desktop;
    desktop.monitors.push_back(PrimaryMonitor(ReadScreenMetrics()));
    // A failed enumeration leaves the primary screen alone, as on a one-monitor system.
    ::EnumDisplayMonitors(nullptr, nullptr, &AddSecondaryMonitor, reinterpret_cast<LPARAM>(&desktop));
    desktop.windowLeft = windowLeft;
    desktop.windowTop = windowTop;
    return desktop;
}

ScreenReport ReadScreenReport() {
    ScreenReport s{ReadScreenMetrics(), std::nullopt, ScreenRect{0, 0, 0, 0}};
    // The record's size as this program's headers define it: 36 bytes only in a 32-bit program.
    APPBARDATA bar{};
    bar.cbSize = sizeof(bar);
    if (::SHAppBarMessage(ABM_GETTASKBARPOS, &bar))
        s.taskBar = ToScreenRect(bar.rc);
    RECT work{0, 0, s.width, s.height};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    s.workArea = ToScreenRect(work);
    return s;
}

PlacementArea ReadPlacementArea(const RECT& clock) {
    return PlacementAreaFor(CurrentDesktop(clock.left, clock.top), ReadScreenReport(), ToScreenRect(clock));
}
