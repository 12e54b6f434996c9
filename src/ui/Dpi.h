#pragma once
// Dots per inch as the system reports them for a monitor or a window, on every Windows the program
// runs on. The per-monitor calls exist only from Windows 8.1 (GetDpiForMonitor) and 10 1607
// (GetDpiForWindow, GetSystemMetricsForDpi, AdjustWindowRectExForDpi); they are looked up at run
// time, and older systems get the system's one DPI instead. Sizes are designed at 96 dpi.
#include "ui/Handles.h"

#include <windows.h>

namespace ui {

inline constexpr int kDesignDpi = 96;

// `value` designed at 96 dpi, at `dpi` (rounded to the nearest pixel, as the system scales).
int ScaleForDpi(int value, int dpi);

// The system DPI (the primary monitor's at log-on; the only one before Windows 8.1).
int SystemDpi();
// The effective DPI of `monitor`; the system DPI where the system knows no other.
int DpiForMonitor(HMONITOR monitor);
// The DPI of the monitor nearest `area` (screen coordinates).
int DpiForArea(const RECT& area);
// The DPI `window` is laid out for now: the last one WM_DPICHANGED brought, or its monitor's.
int DpiForWindow(HWND window);
// GetSystemMetrics at `dpi` (for a per-monitor aware program, metrics of the primary at start).
int SystemMetricForDpi(int index, int dpi);
// AdjustWindowRectEx at `dpi`.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi);
// Keeps the dialog manager (Windows 10 1703 on) from answering WM_GETDPISCALEDSIZE and
// WM_DPICHANGED for `dialog` with a rescaling of its own: for a dialog that lays itself out.
void LeaveDpiChangesToDialog(HWND dialog);
// The font of the system's message boxes at `dpi` (SystemParametersInfoForDpi from Windows 10
// 1607; before that the system's, scaled from the system DPI); null when the system names none.
unique_hfont MessageFontForDpi(int dpi);
// The system icon `id` (IDI_INFORMATION...) scaled down to `size` pixels from the largest image
// the system has (LoadIconWithScaleDown, common controls 6); null where that is not available.
unique_hicon SystemIconForSize(LPCSTR id, int size);

} // namespace ui
