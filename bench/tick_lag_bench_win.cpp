// How late the shown second is: the clock runs in-process on the real local clock, and at every
// change of its time label the real time is taken; in the same run a plain 1000 ms timer makes
// the same text from the same clock. For each: the lag of each shown second behind the turn of
// that second (median, 99th percentile, maximum), seconds never shown, and seconds shown twice (a
// second still shown by a tick half a second or more after the tick that first showed it).
// Run under Wine (about three minutes; the argument gives the seconds):
//   scripts/test-session scripts/wine-run build/win/tick_lag_bench_win.exe [seconds]
#include "clockwindow/ClockWindow_win.h"
#include "clock/FaceTexts.h"
#include "clock/Locale_win.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Real time in ms since 1601, from the finest clock the system offers.
std::int64_t RealMs() {
    using Precise = void(WINAPI*)(LPFILETIME);
    static const auto precise = reinterpret_cast<Precise>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "GetSystemTimePreciseAsFileTime")));
    FILETIME ft;
    if (precise)
        precise(&ft);
    else
        ::GetSystemTimeAsFileTime(&ft);
    return static_cast<std::int64_t>((static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime) /
           10000;
}

// The seconds of a time text: its last two characters (pattern "ss").
int SecondsOf(const std::string& text) {
    return text.size() < 2 ? -1 : std::atoi(text.substr(text.size() - 2).c_str());
}

// One way of driving the time text, fed with every tick it makes.
class LagRecord {
public:
    void Tick(const std::string& text) {
        const std::int64_t at = RealMs();
        const int second = SecondsOf(text);
        ++ticks_;
        if (second == shown_) {
            if (at - shownAt_ >= 500)
                ++doubled_;
            else
                ++early_;
            return;
        }
        // Lag behind the turn of the shown second: real time modulo a minute, against that second.
        const std::int64_t intoMinute = at % 60000;
        std::int64_t lag = ((intoMinute - second * 1000) % 60000 + 60000) % 60000;
        if (lag > 30000)
            lag -= 60000; // shown before its turn: a clock ahead of the real time
        if (shown_ >= 0) {
            if (lags_.empty())
                firstAt_ = at;
            lags_.push_back(lag);
            lastAt_ = at;
            skipped_ += ((second - shown_) % 60 + 60) % 60 - 1;
        }
        shown_ = second;
        shownAt_ = at;
    }
    void Report(const char* what) const {
        std::vector<std::int64_t> sorted = lags_;
        std::sort(sorted.begin(), sorted.end());
        if (sorted.empty()) {
            std::printf("%-22s no second shown\n", what);
            return;
        }
        const size_t n = sorted.size();
        // How the lag moved over the run, per minute: a plain timer's drift towards the next skip.
        const double minutes = static_cast<double>(std::max<std::int64_t>(1, lastAt_ - firstAt_)) / 60000.0;
        const double drift = static_cast<double>(lags_.back() - lags_.front()) / minutes;
        std::printf("%-22s %zu seconds shown in %d ticks: lag median %lld  p99 %lld  max %lld ms,"
                    " drift %+.1f ms/min;  skipped %d  shown twice %d  early ticks %d\n",
                    what, n, ticks_, static_cast<long long>(sorted[n / 2]),
                    static_cast<long long>(sorted[std::min(n - 1, n * 99 / 100)]),
                    static_cast<long long>(sorted.back()), drift, skipped_, doubled_, early_);
    }

private:
    std::vector<std::int64_t> lags_;
    int shown_ = -1;
    std::int64_t shownAt_ = 0, firstAt_ = 0, lastAt_ = 0;
    int ticks_ = 0, skipped_ = 0, doubled_ = 0, early_ = 0;
};

LagRecord aimed, plain;
TWobToke* clockWindow = nullptr;

// The plain timer: what the clock did before it aimed its ticks.
void CALLBACK PlainTick(HWND, UINT, UINT_PTR, DWORD) {
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    plain.Tick(TimeText(clockWindow->Settings, ToClockTime(st), clockWindow->Locale()));
}

void CALLBACK EndRun(HWND, UINT, UINT_PTR, DWORD) {
    ::PostQuitMessage(0);
}

} // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::max(5, std::atoi(argv[1])) : 180;
    ui::Application app;
    TWobToke clock(app); // the real local clock
    clockWindow = &clock;
    app.EndsWithMainWindow = false;
    ClockSettings& s = clock.Settings;
    s.ShowSeconds = s.Use24Hour = true;
    s.ChimeOn = s.AlarmOn = false;
    ::ShowWindow(clock.Handle(), SW_SHOWNOACTIVATE);

    // Started at a random fraction of a second, as a window timer would be.
    ::Sleep(static_cast<DWORD>(RealMs() % 997));
    const UINT_PTR plainTimer = ::SetTimer(nullptr, 0, 1000, &PlainTick);
    const UINT_PTR endTimer = ::SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, &EndRun);
    std::printf("%d s of ticks on the real clock...\n", seconds);
    std::fflush(stdout);

    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
        if (msg.message == WM_TIMER && msg.hwnd == clock.Handle())
            aimed.Tick(clock.Face().TimeLbl.Caption());
    }
    ::KillTimer(nullptr, plainTimer);
    ::KillTimer(nullptr, endTimer);
    aimed.Report("clock, aimed ticks:");
    plain.Report("plain 1000 ms timer:");
    return 0;
}
