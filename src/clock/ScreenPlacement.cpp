#include "clock/ScreenPlacement.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int kRightMargin = 2;

// An edge beyond `limit` goes to `placedBeyond`; one before `start` goes to `start`. In 64 bits,
// so that absurd stored sizes cannot overflow.
int ClampEdge(std::int32_t edge, int start, std::int64_t limit, std::int64_t placedBeyond) {
    if (edge > limit)
        return Saturate(placedBeyond);
    return edge < start ? start : edge;
}

std::int64_t Overlap(std::int64_t from1, std::int64_t to1, std::int64_t from2, std::int64_t to2) {
    return std::max<std::int64_t>(0, std::min(to1, to2) - std::max(from1, from2));
}

// One axis of KeepOnWorkArea: the new start of a window `size` long that spanned
// [before, beforeEnd), on [start, end).
std::int64_t KeepWithin(std::int64_t start, std::int64_t end, std::int64_t before, std::int64_t beforeEnd,
                        std::int64_t size) {
    const std::int64_t placed = beforeEnd >= end ? end - size : std::min(before, end - size);
    return std::max(placed, start);
}

std::int64_t Gap(std::int64_t from1, std::int64_t to1, std::int64_t from2, std::int64_t to2) {
    return std::max<std::int64_t>({0, from2 - to1, from1 - to2});
}

} // namespace

MonitorArea PrimaryMonitor(const ScreenMetrics& s) {
    const int reserve = BottomReserve(s);
    return MonitorArea{ScreenRect{0, 0, s.width, s.height}, reserve,
                       ScreenRect{0, 0, s.width, Saturate(std::int64_t{s.height} - reserve)}};
}

MonitorArea MonitorWithWorkArea(const ScreenRect& monitor, const ScreenRect& work) {
    const std::int64_t lacking =
        (std::int64_t{monitor.bottom} - monitor.top) - (std::int64_t{work.bottom} - work.top);
    return MonitorArea{monitor, Saturate(std::max<std::int64_t>(0, lacking)), work};
}

const MonitorArea& NearestMonitor(const DesktopLayout& desktop, std::int64_t left, std::int64_t top,
                                  std::int64_t width, std::int64_t height) {
    const std::int64_t right = left + std::max<std::int64_t>(1, width);
    const std::int64_t bottom = top + std::max<std::int64_t>(1, height);
    const MonitorArea* best = &desktop.monitors.front();
    // Shared area counts first; without any, the smaller distance (squared, as a negative score).
    double bestScore = -std::numeric_limits<double>::infinity();
    for (const MonitorArea& m : desktop.monitors) {
        const ScreenRect& b = m.bounds;
        const double shared = static_cast<double>(Overlap(left, right, b.left, b.right)) *
                              static_cast<double>(Overlap(top, bottom, b.top, b.bottom));
        const double dx = static_cast<double>(Gap(left, right, b.left, b.right));
        const double dy = static_cast<double>(Gap(top, bottom, b.top, b.bottom));
        const double score = shared > 0 ? shared : -(dx * dx + dy * dy);
        if (score > bestScore) {
            bestScore = score;
            best = &m;
        }
    }
    return *best;
}

int ClampLeftEdge(const MonitorArea& m, std::int32_t left, std::int32_t width) {
    const std::int64_t limit = std::int64_t{m.bounds.right} - width;
    return ClampEdge(left, m.bounds.left, limit, limit - kRightMargin);
}

int ClampTopEdge(const MonitorArea& m, std::int32_t top, std::int32_t height) {
    const std::int64_t limit = std::int64_t{m.bounds.bottom} - height - m.taskBar;
    return ClampEdge(top, m.bounds.top, limit, limit);
}

ScreenRect KeepOnWorkArea(const DesktopLayout& desktop, const ScreenRect& before, int width, int height) {
    const ScreenRect& work = NearestMonitor(desktop, before.left, before.top, width, height).work;
    const std::int64_t left = KeepWithin(work.left, work.right, before.left, before.right, width);
    const std::int64_t top = KeepWithin(work.top, work.bottom, before.top, before.bottom, height);
    return ScreenRect{Saturate(left), Saturate(top), Saturate(left + width), Saturate(top + height)};
}
