#include "clockwindow/FullScreenWatch_win.h"

#include "clock/FullScreenRule.h"
#include "ui/WideText.h"

#include <optional>
#include <vector>

namespace {

// The watches with a hook, for the hook's callback, which carries no pointer of ours.
std::vector<FullScreenWatch*>& Watches() {
    static std::vector<FullScreenWatch*> watches;
    return watches;
}

ScreenBox BoxOf(const RECT& r) {
    return ScreenBox{r.left, r.top, r.right, r.bottom};
}

ScreenBox MonitorOf(HWND clock) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoW(::MonitorFromWindow(clock, MONITOR_DEFAULTTONEAREST), &info);
    return BoxOf(info.rcMonitor);
}

} // namespace

FullScreenWatch::FullScreenWatch(std::function<HWND()> clock, std::function<void()> shownAgain)
    : clock_(std::move(clock)), shownAgain_(std::move(shownAgain)) {}

FullScreenWatch::~FullScreenWatch() {
    if (hook_)
        ::UnhookWinEvent(hook_);
    std::erase(Watches(), this);
}

std::optional<ForegroundWindow> FullScreenWatch::ReadForeground(HWND clock) {
    const HWND hwnd = ::GetForegroundWindow();
    if (!hwnd)
        return std::nullopt;
    // One read of the style for all it tells: under Wine each read of another program's window is
    // a round trip to the server, and this runs at every tick.
    const LONG style = ::GetWindowLongW(hwnd, GWL_STYLE);
    if (!(style & WS_VISIBLE) || (style & WS_MINIMIZE))
        return std::nullopt;
    if (hwnd != known_) {
        // What a window is never changes: read once per foreground window.
        wchar_t className[64] = {};
        ::GetClassNameW(hwnd, className, 64);
        knownTraits_ = ForegroundWindow{};
        knownTraits_.className = ui::Narrow(className);
        knownTraits_.desktop = hwnd == ::GetDesktopWindow() || hwnd == ::GetShellWindow();
        // The clock's dialogs, boxes and menu all run on its one thread.
        knownTraits_.clockOwn =
            ::GetWindowThreadProcessId(hwnd, nullptr) == ::GetWindowThreadProcessId(clock, nullptr);
        known_ = hwnd;
    }
    ForegroundWindow w = knownTraits_;
    RECT r{};
    ::GetWindowRect(hwnd, &r);
    w.bounds = BoxOf(r);
    w.maximized = (style & WS_MAXIMIZE) != 0;
    w.hasCaption = (style & WS_CAPTION) == WS_CAPTION;
    return w;
}

ScreenBox FullScreenWatch::ClockMonitor(HWND clock) {
    // Asked again only when the clock moved or the display changed: the monitor's rectangle is a
    // few round trips to the server under Wine.
    RECT at{};
    ::GetWindowRect(clock, &at);
    if (!monitorKnown_ || !::EqualRect(&at, &monitorFor_)) {
        monitor_ = MonitorOf(clock);
        monitorFor_ = at;
        monitorKnown_ = true;
    }
    return monitor_;
}

void FullScreenWatch::DisplayChanged() {
    monitorKnown_ = false;
}

void FullScreenWatch::SetEnabled(bool on) {
    if (on == enabled_)
        return;
    enabled_ = on;
    auto& watches = Watches();
    if (on) {
        hook_ = ::SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                                  &FullScreenWatch::ForegroundChanged, 0, 0, WINEVENT_OUTOFCONTEXT);
        watches.push_back(this);
    } else {
        if (hook_)
            ::UnhookWinEvent(hook_);
        hook_ = nullptr;
        std::erase(watches, this);
    }
    Check();
}

void FullScreenWatch::Tick() {
    if (!enabled_)
        return;
    // Looking costs a few calls into the system (round trips to the server under Wine), so a tick
    // looks only while the clock is hidden (it is back within a second of the window leaving) and
    // every kTicksBetweenLooks ticks otherwise; the foreground event comes at once where the
    // system sends it.
    if (hidden_ || ++quietTicks_ >= kTicksBetweenLooks)
        Check();
}

void FullScreenWatch::Check() {
    quietTicks_ = 0;
    const HWND clock = clock_();
    if (!clock)
        return;
    const bool aside = enabled_ && StepAsideFor(ReadForeground(clock), ClockMonitor(clock));
    if (aside == hidden_ || (aside && !::IsWindowVisible(clock)))
        return; // a clock not shown yet stays as it is
    hidden_ = aside;
    // In place: no move, no change of Z order or level, nothing activated.
    constexpr UINT kInPlace = SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE;
    ::SetWindowPos(clock, nullptr, 0, 0, 0, 0, kInPlace | (aside ? SWP_HIDEWINDOW : SWP_SHOWWINDOW));
    if (!aside && shownAgain_)
        shownAgain_();
}

void CALLBACK FullScreenWatch::ForegroundChanged(HWINEVENTHOOK hook, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
    for (FullScreenWatch* watch : Watches())
        if (watch->hook_ == hook)
            watch->Check();
}
