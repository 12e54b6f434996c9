#pragma once
// Where a window position read from the settings file may stand: on the monitor nearest the saved
// rectangle, with that monitor's task-bar allowance kept free at its bottom. On a system with one
// monitor this is the primary screen, exactly as the clamps have always worked there.
#include "clock/ScreenMetrics.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct MonitorArea {
    ScreenRect bounds; // in desktop coordinates; the primary screen's top left is 0, 0
    int taskBar;       // T: rows kept free above the monitor's bottom, never below 0
    ScreenRect work;   // its work area: what no task bar or other desktop bar covers
};

// The monitors a loaded position is kept on, the primary first (never empty), and where the
// window stands before the file moves it (an edge the file lacks stays there).
struct DesktopLayout {
    std::vector<MonitorArea> monitors;
    int windowLeft = 0, windowTop = 0;
};

// The primary screen as its metrics describe it: T is its bottom reserve B; its work area is the
// screen less T at the bottom until the system's own is known.
MonitorArea PrimaryMonitor(const ScreenMetrics& screen);
// Any other monitor: T is the part of its height that its work area lacks.
MonitorArea MonitorWithWorkArea(const ScreenRect& monitor, const ScreenRect& workArea);

// The monitor sharing the most area with the window rectangle at (left, top) of the given size
// (a size below 1 counts as 1); when it lies on none, the monitor closest to it. Ties go to the
// monitor listed first.
const MonitorArea& NearestMonitor(const DesktopLayout& desktop, std::int64_t left, std::int64_t top,
                                  std::int64_t width, std::int64_t height);

// A left edge beyond the monitor's right minus the width goes to that minus 2 more pixels (which
// may lie left of the monitor and stays there); one left of the monitor goes to its left.
int ClampLeftEdge(const MonitorArea& monitor, std::int32_t left, std::int32_t width);
// A top edge beyond the monitor's bottom minus the height minus T goes there; one above the
// monitor goes to its top.
int ClampTopEdge(const MonitorArea& monitor, std::int32_t top, std::int32_t height);

// Where a window that stood at `before` goes once it measures `width` x `height` (after its first
// layout, or at a new DPI): wholly on the work area of the monitor it now shares the most with.
// An edge that touched or passed the work area's right or bottom keeps to it, so a clock in a
// lower corner stays there whether it grew or shrank; otherwise its left and top stay where they
// can. Where the window is larger than the work area its left or top edge shows.
ScreenRect KeepOnWorkArea(const DesktopLayout& desktop, const ScreenRect& before, int width, int height);
