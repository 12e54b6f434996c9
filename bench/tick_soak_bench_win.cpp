// The soak: ticks through the clock's tick and paint with a clock that advances 1 h 1 min 1 s a
// tick, so the time text changes every tick, the minute and the hour too, and the date and
// weekday every day or so. Counts our own live GDI/USER handle owners, the system's GDI/USER
// objects (GetGuiResources: always 0 under Wine) and the private bytes before and after, in
// each mode. Run under Wine (a million ticks take about a quarter of an hour):
//   scripts/test-session scripts/wine-run build/win/tick_soak_bench_win.exe [ticks]
#include "clockwindow/ClockWindow_win.h"

#include <psapi.h>

#include <cstdio>
#include <cstdlib>

namespace {

SYSTEMTIME SoakTime(long long tick) {
    constexpr long long kStep = 3661LL * 10'000'000; // 1 h 1 min 1 s in FILETIME units
    SYSTEMTIME start{};
    start.wYear = 2026, start.wMonth = 1, start.wDay = 5, start.wHour = 13, start.wMinute = 29;
    FILETIME ft{};
    ::SystemTimeToFileTime(&start, &ft);
    ULARGE_INTEGER t{};
    t.LowPart = ft.dwLowDateTime;
    t.HighPart = ft.dwHighDateTime;
    t.QuadPart += static_cast<ULONGLONG>(tick * kStep);
    ft.dwLowDateTime = t.LowPart;
    ft.dwHighDateTime = t.HighPart;
    SYSTEMTIME st{};
    ::FileTimeToSystemTime(&ft, &st);
    return st;
}

struct Usage {
    long owners;
    DWORD gdi, user;
    SIZE_T privateBytes, workingSet;
};

Usage Measure() {
    PROCESS_MEMORY_COUNTERS_EX pmc{};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&pmc),
                           sizeof(pmc));
    // Wine leaves PrivateUsage at 0; its PagefileUsage holds the private bytes.
    return Usage{ui::LiveGdiOwners(), ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS),
                 ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS),
                 pmc.PrivateUsage ? pmc.PrivateUsage : pmc.PagefileUsage, pmc.WorkingSetSize};
}

void Print(const char* when, const Usage& u) {
    std::printf("  %-7s live handle owners %ld, GDI objects %lu, USER objects %lu, private bytes %zu, "
                "working set %zu\n",
                when, u.owners, u.gdi, u.user, static_cast<size_t>(u.privateBytes),
                static_cast<size_t>(u.workingSet));
}

} // namespace

int main(int argc, char** argv) {
    // Ticks in all, half in each mode. Each tick is followed by what the message loop does
    // between ticks, painting included: about 0.5-1 ms a tick under Wine on two shared cores, so
    // the default run is short; pass 1000000 for the million.
    const long long ticks = (argc > 1 ? std::atoll(argv[1]) : 100'000) / 2;
    ui::Application app;
    long long tick = 0;
    TWobToke clock(app, [&] { return SoakTime(tick); });
    app.EndsWithMainWindow = false;
    clock.Settings.ChimeOn = false;
    clock.Settings.AlarmOn = false;
    clock.Settings.ShowSeconds = true;
    clock.Settings.ShowYear = true;
    ::ShowWindow(clock.Handle(), SW_SHOWNOACTIVATE);

    int failures = 0;
    for (bool wallpaper : {false, true}) {
        clock.Settings.WallpaperMode = wallpaper;
        auto step = [&] {
            ++tick;
            clock.Timer1Timer();
            // As between real ticks: the paint it owes and whatever was posted meanwhile.
            MSG msg;
            while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                ::DispatchMessageA(&msg);
        };
        for (int i = 0; i < 1000; ++i) // caches, buffers and the heap settle first
            step();
        const Usage before = Measure();
        const ULONGLONG started = ::GetTickCount64();
        for (long long i = 0; i < ticks; ++i)
            step();
        const double seconds = static_cast<double>(::GetTickCount64() - started) / 1000;
        const Usage after = Measure();
        std::printf("%s mode (%s): %lld ticks in %.1f s (%.0f us a tick)\n",
                    wallpaper ? "wallpaper" : "screen",
                    wallpaper                      ? "ordinary window"
                    : clock.Painting().IsKeyed()   ? "layered window, colour key"
                    : clock.Painting().IsLayered() ? "layered window, per-pixel alpha"
                                                   : "capture",
                    ticks, seconds, 1e6 * seconds / static_cast<double>(ticks ? ticks : 1));
        Print("before", before);
        Print("after", after);
        const bool grew = after.owners != before.owners || after.gdi > before.gdi ||
                          after.user > before.user || after.privateBytes > before.privateBytes + 1024 * 1024;
        std::printf("  %s\n", grew ? "GROWTH" : "no growth");
        failures += grew;
    }
    return failures ? 1 : 0;
}
