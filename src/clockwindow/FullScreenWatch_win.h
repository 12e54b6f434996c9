#pragma once
// Keeps the clock out of full-screen programs: while a window covering the whole of the clock's
// monitor is in the foreground (FullScreenRule), the clock is hidden; once that window leaves the
// foreground or the monitor it is shown again where it was, at the level it kept, for the clock's
// Z order and its stay-on-top level are never touched.
//
// It looks when the foreground changes (an out-of-context WinEvent hook: the system posts the
// event to this thread, nothing runs in other processes) and at the clock's ticks: every tick
// while the clock is hidden, so it is back within a second of the window leaving the foreground
// or the monitor, and every few ticks otherwise, which catches a window that goes full screen in
// front (and any change where the system sends no foreground event, as Wine does not).
#include "clock/FullScreenRule.h"

#include <windows.h>

#include <functional>
#include <optional>

class FullScreenWatch {
public:
    // Watches for the window `clock` gives (none yet while it is being made); `shownAgain` runs
    // after the clock has been shown again, to renew its picture.
    FullScreenWatch(std::function<HWND()> clock, std::function<void()> shownAgain);
    ~FullScreenWatch();
    FullScreenWatch(const FullScreenWatch&) = delete;
    FullScreenWatch& operator=(const FullScreenWatch&) = delete;

    // Off shows a clock it had hidden at once.
    void SetEnabled(bool on);
    // Hides or shows the clock as the foreground window now asks.
    void Check();
    // A tick of the clock: checks while the clock is hidden and every kTicksBetweenLooks ticks
    // otherwise.
    void Tick();
    static constexpr int kTicksBetweenLooks = 3;
    // A new display mode or arrangement: the clock's monitor is asked for again.
    void DisplayChanged();
    // Whether the clock is hidden for a full-screen window.
    bool SteppedAside() const { return hidden_; }

private:
    static void CALLBACK ForegroundChanged(HWINEVENTHOOK hook, DWORD event, HWND hwnd, LONG object,
                                           LONG child, DWORD thread, DWORD time);

    std::optional<ForegroundWindow> ReadForeground(HWND clock);
    ScreenBox ClockMonitor(HWND clock);

    std::function<HWND()> clock_;
    std::function<void()> shownAgain_;
    bool enabled_ = false;
    bool hidden_ = false;
    HWINEVENTHOOK hook_ = nullptr;
    // The foreground window last read and what it is (its class, whose thread made it).
    HWND known_ = nullptr;
    ForegroundWindow knownTraits_;
    int quietTicks_ = 0; // ticks since the last look
    // The clock's monitor, for the clock's window rectangle monitorFor_.
    bool monitorKnown_ = false;
    RECT monitorFor_{};
    ScreenBox monitor_;
};
