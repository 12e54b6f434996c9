#pragma once
// The screen as the system reports it, in plain numbers, so that every placement built on it can
// be tried without a desktop.
#include <algorithm>
#include <cstdint>
#include <limits>

struct ScreenRect {
    int left, top, right, bottom;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// GetSystemMetrics values: SM_CXSCREEN, SM_CYSCREEN, SM_CXFULLSCREEN, SM_CYFULLSCREEN, SM_CYCAPTION.
struct ScreenMetrics {
    int width, height, cxFullScreen, cyFullScreen, cyCaption;
};

// Reported metrics are small, but nothing they say may overflow the arithmetic.
inline int Saturate(std::int64_t value) {
    return static_cast<int>(
        std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// B: the height a task bar on the top or bottom edge takes (screen height - full-screen client
// height - caption height); S: the width of one on a side (screen width - full-screen width).
// Some systems report full-screen sizes larger than the screen, so neither is ever below 0.
int BottomReserve(const ScreenMetrics& screen);
int SideReserve(const ScreenMetrics& screen);
