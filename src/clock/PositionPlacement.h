#pragma once
// Where the Position dialog puts the clock: a corner of the screen clear of the task bar, or back
// where the clock stood when the dialog opened. Plain arithmetic over what the system reports, so
// that every arrangement of screen, task bar and metrics can be tried without a desktop.
#include "clock/ScreenMetrics.h"
#include "clock/ScreenPlacement.h"

#include <optional>

struct PlacementPoint {
    int left, top;
    friend bool operator==(const PlacementPoint&, const PlacementPoint&) = default;
};

// What the system reports, read afresh for every placement: the metrics, and where the task bar
// and the work area are.
struct ScreenReport : ScreenMetrics {
    std::optional<ScreenRect> taskBar; // ABM_GETTASKBARPOS; none when the query failed
    ScreenRect workArea;               // SPI_GETWORKAREA
};

enum class TaskBarEdge { Top, Left, Bottom, Right };

// The items of the dialog's radio group, by index.
enum PositionItem : int {
    kUpperLeft = 0,
    kLowerLeft = 1,
    kOpeningPosition = 2,
    kUpperRight = 3,
    kLowerRight = 4,
};

// The edge the task bar stands on, judged by the screen edges its rectangle touches or passes;
// from the work area when the query failed or gave an empty rectangle.
TaskBarEdge JudgeTaskBarEdge(const ScreenReport& screen);

// The item that names where a clock of `width` × `height` stands at `at`. Only B is looked at,
// so a clock beside a side task bar or below a top one shows as the opening position.
int InitialItem(PlacementPoint at, int width, int height, const ScreenReport& screen);

// The clock's new left and top for `item`; `opening` is where it stood when the dialog opened.
PlacementPoint PlaceForItem(int item, int width, int height, const ScreenReport& screen,
                            PlacementPoint opening);

// The monitor the clock is on, as the dialog places by it. The primary screen is placed on by its
// metrics and task bar as above (so with one monitor nothing differs); any other monitor by its
// work area, whose corners are clear of a task bar the system reports on it.
struct PlacementArea {
    ScreenReport primary;
    std::optional<ScreenRect> otherWork; // the other monitor's work area, in desktop coordinates
};

// The area for a clock whose window is `clock`: the monitor of `desktop` (the primary first)
// that shares the most with it, or the nearest one.
PlacementArea PlacementAreaFor(const DesktopLayout& desktop, const ScreenReport& primary,
                               const ScreenRect& clock);
int InitialItem(PlacementPoint at, int width, int height, const PlacementArea& area);
PlacementPoint PlaceForItem(int item, int width, int height, const PlacementArea& area,
                            PlacementPoint opening);

// The upper-left corner is reached by setting the top first; every other item sets the left first.
inline bool SetsTopFirst(int item) {
    return item == kUpperLeft;
}
