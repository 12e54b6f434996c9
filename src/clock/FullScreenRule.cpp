#include "clock/FullScreenRule.h"

#include <array>
#include <string_view>

namespace {

// The desktop's own windows and the task bars, which the user activates on the way to something
// else; WorkerW is the layer the desktop icons move to while "show desktop" is on.
constexpr std::array<std::string_view, 4> kShellClasses{"Progman", "WorkerW", "Shell_TrayWnd",
                                                        "Shell_SecondaryTrayWnd"};

bool Covers(const ScreenBox& outer, const ScreenBox& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
           outer.bottom >= inner.bottom;
}

} // namespace

bool StepAsideFor(const std::optional<ForegroundWindow>& foreground, const ScreenBox& monitor) {
    if (!foreground || foreground->desktop || foreground->clockOwn)
        return false;
    for (std::string_view shell : kShellClasses)
        if (foreground->className == shell)
            return false;
    // A maximized window keeps its caption bar: its frame hangs over the monitor's edges, and on a
    // monitor without a task bar it covers it all, yet it is an ordinary window.
    if (foreground->maximized && foreground->hasCaption)
        return false;
    return Covers(foreground->bounds, monitor);
}
