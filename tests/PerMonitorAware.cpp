// Linked into every test program: the tests see the screen in physical pixels, as the program
// does. A program that declares no DPI awareness is DPI-unaware on Windows 10 and 11 (and under a
// Wine that honours the declaration) and, at any DPI but 96, is shown places and sizes scaled to
// 96 dpi. So each test program makes itself per-monitor aware before any window is made. The
// function is looked up at run time: older systems and headers lack it; where the process is
// aware already (a manifest that says so) the call fails, harmlessly.
#include <windows.h>

namespace {

struct PerMonitorAware {
    PerMonitorAware() {
        using SetContextFn = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
        if (HMODULE user32 = ::GetModuleHandleA("user32.dll")) {
            const auto set = reinterpret_cast<SetContextFn>(
                reinterpret_cast<void*>(::GetProcAddress(user32, "SetProcessDpiAwarenessContext")));
            if (set)
                set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
        }
    }
} const perMonitorAware;

} // namespace
