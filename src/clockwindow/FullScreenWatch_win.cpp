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
    seen_ = hwnd;
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
    // only asks which window is in front: a new one, or a clock hidden for one, is looked at now; a
    // window that goes full screen while it stays in front is seen within a few ticks.
    if (hidden_ || ::GetForegroundWindow() != seen_ || ++quietTicks_ >= kTicksBetweenLooks)
        Check();
}

void FullScreenWatch::Check() {
    quietTicks_ = 0;
    const HWND clock = clock_();
    if (!clock)
        return;
    const bool aside = enabled_ && StepAsideFor(ReadForeground(clock), MonitorOf(clock));
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
