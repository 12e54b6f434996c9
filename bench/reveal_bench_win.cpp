// How long the clock stays hidden per reveal in screen mode's capture path, with one window of
// another thread beneath it, and what a whole repaint costs on each path. Run under Wine:
//   scripts/test-session scripts/wine-run build/win/reveal_bench_win.exe
#include "clockwindow/ClockWindow_win.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

LARGE_INTEGER Now() {
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return t;
}

double Microseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    static const double frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    return 1e6 * static_cast<double>(to.QuadPart - from.QuadPart) / frequency;
}

// The clock's hide and show, seen from its window procedure.
WNDPROC clockProcedure = nullptr;
LARGE_INTEGER hiddenAt{};
std::vector<double> hiddenTimes;

LRESULT CALLBACK WatchClock(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_WINDOWPOSCHANGED) {
        const UINT flags = reinterpret_cast<const WINDOWPOS*>(lp)->flags;
        if (flags & SWP_HIDEWINDOW)
            hiddenAt = Now();
        else if (flags & SWP_SHOWWINDOW)
            hiddenTimes.push_back(Microseconds(hiddenAt, Now()));
    }
    return ::CallWindowProcA(clockProcedure, hwnd, msg, wp, lp);
}

// A plain window of one colour with a message loop of its own, as another program's would be.
DWORD WINAPI RunWindowBeneath(LPVOID ready) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hbrBackground = ::GetSysColorBrush(COLOR_HIGHLIGHT);
    wc.lpszClassName = "RevealBenchBeneath";
    ::RegisterClassA(&wc);
    ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 100, 150, 500, 100, nullptr, nullptr,
                      wc.hInstance, nullptr);
    ::SetEvent(static_cast<HANDLE>(ready));
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0)
        ::DispatchMessageA(&msg);
    return 0;
}

void Pump(int ms) {
    const ULONGLONG end = ::GetTickCount64() + ms;
    MSG msg;
    do {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    } while (::GetTickCount64() < end);
}

void Report(const char* what, std::vector<double> us) {
    std::sort(us.begin(), us.end());
    double sum = 0;
    for (double v : us)
        sum += v;
    std::printf("%-34s n=%zu  min %.0f  median %.0f  mean %.0f  p95 %.0f  max %.0f us\n", what, us.size(),
                us.front(), us[us.size() / 2], sum / us.size(), us[us.size() * 95 / 100], us.back());
}

} // namespace

int main() {
    constexpr int kRepaints = 200;
    ui::Application app;
    TWobToke clock(app, [] {
        SYSTEMTIME st{};
        st.wYear = 2026, st.wMonth = 1, st.wDay = 5, st.wDayOfWeek = 1, st.wHour = 13, st.wMinute = 29;
        return st;
    });
    app.EndsWithMainWindow = false;
    clock.Settings.ChimeOn = false;
    clock.Settings.AlarmOn = false;
    clock.SetWindowLeft(200);
    clock.SetWindowTop(180);
    ::ShowWindow(clock.Handle(), SW_SHOWNOACTIVATE);

    HANDLE ready = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE beneath = ::CreateThread(nullptr, 0, RunWindowBeneath, ready, 0, nullptr);
    ::WaitForSingleObject(ready, 5000);
    clockProcedure = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(clock.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchClock)));
    Pump(200);

    enum class Path { Layered, Capture, Wallpaper };
    for (Path path : {Path::Layered, Path::Capture, Path::Wallpaper}) {
        clock.Settings.WallpaperMode = path == Path::Wallpaper;
        clock.Painting().AllowLayered = path == Path::Layered;
        hiddenTimes.clear();
        std::vector<double> paints;
        for (int i = 0; i < kRepaints; ++i) {
            Pump(5); // the window beneath is idle between repaints, as it would be between ticks
            const LARGE_INTEGER start = Now();
            ::InvalidateRect(clock.Handle(), nullptr, TRUE);
            ::UpdateWindow(clock.Handle());
            paints.push_back(Microseconds(start, Now()));
        }
        if (path == Path::Wallpaper) {
            Report("wallpaper mode: whole repaint", paints);
        } else if (path == Path::Layered) {
            Report("screen mode, layered: whole repaint", paints);
            std::printf("%-34s %zu\n", "screen mode, layered: hidden", hiddenTimes.size());
        } else {
            Report("screen mode: hidden per reveal", hiddenTimes);
            Report("screen mode: whole repaint", paints);
        }
    }
    const RECT r = clock.BoundsRect();
    std::printf("clock %ldx%ld, one window beneath, live GDI owners %ld\n", r.right - r.left,
                r.bottom - r.top, ui::LiveGdiOwners());

    ::SetWindowLongPtrA(clock.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(clockProcedure));
    ::PostThreadMessageA(::GetThreadId(beneath), WM_QUIT, 0, 0);
    ::WaitForSingleObject(beneath, 5000);
    ::CloseHandle(beneath);
    ::CloseHandle(ready);
    return 0;
}
