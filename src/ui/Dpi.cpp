#include "ui/Dpi.h"

namespace ui {
namespace {

template <class F> F Lookup(const wchar_t* module, const char* name) {
    HMODULE m = ::GetModuleHandleW(module);
    if (!m)
        m = ::LoadLibraryW(module); // shcore is not loaded by the program's own imports
    return m ? reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(m, name))) : nullptr;
}

using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
using LoadIconWithScaleDownFn = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);
using SetDialogDpiChangeBehaviorFn = BOOL(WINAPI*)(HWND, int, int);
constexpr int kEffectiveDpi = 0;             // MDT_EFFECTIVE_DPI
constexpr int kDialogDpiChangesDisabled = 1; // DDC_DISABLE_ALL

} // namespace

int ScaleForDpi(int value, int dpi) {
    return ::MulDiv(value, dpi, kDesignDpi);
}

int SystemDpi() {
    static const int dpi = [] {
        HDC screen = ::GetDC(nullptr);
        const int value = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : kDesignDpi;
        if (screen)
            ::ReleaseDC(nullptr, screen);
        return value > 0 ? value : kDesignDpi;
    }();
    return dpi;
}

int DpiForMonitor(HMONITOR monitor) {
    static const auto query = Lookup<GetDpiForMonitorFn>(L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (query && monitor && SUCCEEDED(query(monitor, kEffectiveDpi, &x, &y)) && y > 0)
        return static_cast<int>(y);
    return SystemDpi();
}

int DpiForArea(const RECT& area) {
    return DpiForMonitor(::MonitorFromRect(&area, MONITOR_DEFAULTTONEAREST));
}

int DpiForWindow(HWND window) {
    static const auto query = Lookup<GetDpiForWindowFn>(L"user32.dll", "GetDpiForWindow");
    if (query && window) {
        if (const UINT dpi = query(window))
            return static_cast<int>(dpi);
    }
    return window ? DpiForMonitor(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)) : SystemDpi();
}

int SystemMetricForDpi(int index, int dpi) {
    static const auto query = Lookup<GetSystemMetricsForDpiFn>(L"user32.dll", "GetSystemMetricsForDpi");
    if (query)
        return query(index, static_cast<UINT>(dpi));
    // Before Windows 10 the metrics are those of the system DPI.
    return ::MulDiv(::GetSystemMetrics(index), dpi, SystemDpi());
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi) {
    static const auto query = Lookup<AdjustWindowRectExForDpiFn>(L"user32.dll", "AdjustWindowRectExForDpi");
    if (query && query(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        return;
    ::AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

void LeaveDpiChangesToDialog(HWND dialog) {
    static const auto set = Lookup<SetDialogDpiChangeBehaviorFn>(L"user32.dll", "SetDialogDpiChangeBehavior");
    if (set)
        set(dialog, kDialogDpiChangesDisabled, kDialogDpiChangesDisabled);
}

unique_hfont MessageFontForDpi(int dpi) {
    static const auto query =
        Lookup<SystemParametersInfoForDpiFn>(L"user32.dll", "SystemParametersInfoForDpi");
    if (query) {
        // Only in a wide version.
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        if (query(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, static_cast<UINT>(dpi)))
            return unique_hfont(::CreateFontIndirectW(&metrics.lfMessageFont));
    }
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        return unique_hfont();
    metrics.lfMessageFont.lfHeight = ::MulDiv(metrics.lfMessageFont.lfHeight, dpi, SystemDpi());
    return unique_hfont(::CreateFontIndirectW(&metrics.lfMessageFont));
}

unique_hicon SystemIconForSize(LPCSTR id, int size) {
    // Exported by version 6 of the common controls only, which the program's manifest asks for.
    static const auto load = Lookup<LoadIconWithScaleDownFn>(L"comctl32.dll", "LoadIconWithScaleDown");
    HICON icon = nullptr;
    if (!load || FAILED(load(nullptr, reinterpret_cast<PCWSTR>(id), size, size, &icon)))
        return unique_hicon();
    return unique_hicon(icon);
}

} // namespace ui
