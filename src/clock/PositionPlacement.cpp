#include "clock/PositionPlacement.h"

#include <algorithm>
#include <cstdint>

namespace {

bool IsEmpty(const ScreenRect& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

// The side on which the work area falls short of the screen; the bottom when it does not, where
// B and S leave the corners flush anyway.
TaskBarEdge EdgeFromWorkArea(const ScreenReport& screen) {
    const ScreenRect& work = screen.workArea;
    if (work.top > 0)
        return TaskBarEdge::Top;
    if (work.left > 0)
        return TaskBarEdge::Left;
    if (work.bottom >= screen.height && work.right < screen.width)
        return TaskBarEdge::Right;
    return TaskBarEdge::Bottom;
}

// A corner of a work area for items 0, 1, 3 and 4.
PlacementPoint WorkAreaCorner(int item, int width, int height, const ScreenRect& work) {
    const bool right = item == kUpperRight || item == kLowerRight;
    const bool lower = item == kLowerLeft || item == kLowerRight;
    return PlacementPoint{right ? Saturate(std::int64_t{work.right} - width) : work.left,
                          lower ? Saturate(std::int64_t{work.bottom} - height) : work.top};
}

constexpr int kCornerItems[] = {kUpperLeft, kLowerLeft, kUpperRight, kLowerRight};

} // namespace

TaskBarEdge JudgeTaskBarEdge(const ScreenReport& screen) {
    if (!screen.taskBar || IsEmpty(*screen.taskBar))
        return EdgeFromWorkArea(screen);
    const ScreenRect& bar = *screen.taskBar;
    if (bar.left <= 0 && bar.right >= screen.width)
        return bar.top <= 0 ? TaskBarEdge::Top : TaskBarEdge::Bottom;
    return bar.left <= 0 ? TaskBarEdge::Left : TaskBarEdge::Right;
}

int InitialItem(PlacementPoint at, int width, int height, const ScreenReport& screen) {
    const std::int64_t bottomRow = std::int64_t{screen.height} - BottomReserve(screen) - height;
    const std::int64_t rightColumn = std::int64_t{screen.width} - width;
    if (at.left == 0) {
        if (at.top == 0)
            return kUpperLeft;
        return at.top == bottomRow ? kLowerLeft : kOpeningPosition;
    }
    if (at.left == rightColumn) {
        if (at.top == 0)
            return kUpperRight;
        return at.top == bottomRow ? kLowerRight : kOpeningPosition;
    }
    return kOpeningPosition;
}

PlacementPoint PlaceForItem(int item, int width, int height, const ScreenReport& screen,
                            PlacementPoint opening) {
    if (item == kOpeningPosition)
        return opening;
    const TaskBarEdge edge = JudgeTaskBarEdge(screen);
    const std::int64_t b = BottomReserve(screen);
    const std::int64_t s = SideReserve(screen);
    const std::int64_t sw = screen.width;
    const std::int64_t sh = screen.height;

    // Each reserve counts on its own task-bar edge, except that the lower right keeps B unless
    // the bar stands on the right.
    const bool top = edge == TaskBarEdge::Top;
    const bool left = edge == TaskBarEdge::Left;
    const bool bottom = edge == TaskBarEdge::Bottom;
    const bool right = edge == TaskBarEdge::Right;
    std::int64_t x = 0;
    std::int64_t y = 0;
    switch (item) {
    case kUpperLeft:
        x = left ? s : 0;
        y = top ? b : 0;
        break;
    case kLowerLeft:
        x = left ? s : 0;
        y = bottom ? sh - b - height : sh - height;
        break;
    case kUpperRight:
        x = right ? sw - width - s : sw - width;
        y = top ? b : 0;
        break;
    case kLowerRight:
        x = right ? sw - width - s : sw - width;
        y = right ? sh - height : sh - b - height;
        break;
    default:
        return opening;
    }
    return PlacementPoint{Saturate(x), Saturate(y)};
}

PlacementArea PlacementAreaFor(const DesktopLayout& desktop, const ScreenReport& primary,
                               const ScreenRect& clock) {
    const MonitorArea& m =
        NearestMonitor(desktop, clock.left, clock.top, std::int64_t{clock.right} - clock.left,
                       std::int64_t{clock.bottom} - clock.top);
    if (&m == &desktop.monitors.front())
        return PlacementArea{primary, std::nullopt};
    return PlacementArea{primary, m.work};
}

int InitialItem(PlacementPoint at, int width, int height, const PlacementArea& area) {
    if (!area.otherWork)
        return InitialItem(at, width, height, area.primary);
    for (const int item : kCornerItems) {
        if (at == WorkAreaCorner(item, width, height, *area.otherWork))
            return item;
    }
    return kOpeningPosition;
}

PlacementPoint PlaceForItem(int item, int width, int height, const PlacementArea& area,
                            PlacementPoint opening) {
    if (!area.otherWork)
        return PlaceForItem(item, width, height, area.primary, opening);
    if (item == kOpeningPosition || item < kUpperLeft || item > kLowerRight)
        return opening;
    return WorkAreaCorner(item, width, height, *area.otherWork);
}
