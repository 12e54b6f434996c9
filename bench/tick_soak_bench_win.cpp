// A million ticks through the clock's tick and paint, with a clock that the soak advances by
// 1 h 1 min 1 s per tick, so the time text changes every tick, the minute and the hour too, and
// the date and weekday every day or so. Counts our own live GDI/USER handle owners, the
// system's GDI/USER objects (GetGuiResources: always 0 under Wine) and the private bytes before
// and after, in each mode. Run under Wine:
//   scripts/test-session scripts/wine-run build/win/tick_soak_bench_win.exe [ticks]
#include "clock/ClockWindow_win.h"

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
    SIZE_T privateBytes;
};

Usage Measure() {
    PROCESS_MEMORY_COUNTERS_EX pmc{};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&pmc),
                           sizeof(pmc));
    return Usage{ui::LiveGdiOwners(), ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS),
                 ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS), pmc.PrivateUsage};
}

void Print(const char* when, const Usage& u) {
    std::printf("  %-7s live handle owners %ld, GDI objects %lu, USER objects %lu, private bytes %zu\n", when,
                u.owners, u.gdi, u.user, static_cast<size_t>(u.privateBytes));
}

} // namespace

int main(int argc, char** argv) {
    const long long ticks = argc > 1 ? std::atoll(argv[1]) : 1'000'000;
    ui::Application app;
    long long tick = 0;
    TWobToke clock(app, [&] { return SoakTime(tick); });
    clock.EndsApplication = false;
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
            ::UpdateWindow(clock.Handle());
        };
        for (int i = 0; i < 1000; ++i) // caches, buffers and the heap settle first
            step();
        const Usage before = Measure();
        const ULONGLONG started = ::GetTickCount64();
        for (long long i = 0; i < ticks; ++i)
            step();
        const double seconds = static_cast<double>(::GetTickCount64() - started) / 1000;
        const Usage after = Measure();
        std::printf("%s mode (%s): %lld painted ticks in %.1f s (%.0f us each)\n",
                    wallpaper ? "wallpaper" : "screen", clock.IsLayered() ? "layered window" : "capture",
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
