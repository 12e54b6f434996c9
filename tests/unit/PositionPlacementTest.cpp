// Where each item of the Position dialog puts the clock for every way the system reports the task
// bar, and which item a clock standing at each of those places brings up the next time.
#include "clock/PositionPlacement.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

constexpr int kSW = 1024, kSH = 768, kW = 200, kH = 40, kCaption = 19;
constexpr ScreenRect kScreen{0, 0, kSW, kSH};

// The metrics of a task bar taking `b` pixels of height and `s` of width; `bar` is what the
// shell's query gives (none: it failed).
ScreenReport Report(int b, int s, std::optional<ScreenRect> bar, ScreenRect work = kScreen) {
    return ScreenReport{{kSW, kSH, kSW - s, kSH - kCaption - b, kCaption}, bar, work};
}

// Left, top of items 0, 1, 3, 4 for a 200 x 40 clock, and the item preselected with the clock at each.
struct Expected {
    std::array<int, 8> places;
    std::array<int, 4> reopened;
};
constexpr Expected kBelowTop{{0, 30, 0, 728, 824, 30, 824, 698}, {2, 2, 2, 4}};
constexpr Expected kBesideLeft{{60, 0, 60, 728, 824, 0, 824, 728}, {2, 2, 3, 4}};
constexpr Expected kAboveBottom{{0, 0, 0, 698, 824, 0, 824, 698}, {0, 1, 3, 4}};
constexpr Expected kBesideRight{{0, 0, 0, 728, 764, 0, 764, 728}, {0, 1, 2, 2}};
constexpr Expected kFlush{{0, 0, 0, 728, 824, 0, 824, 728}, {0, 1, 3, 4}};

using Rect = ScreenRect;
struct Case {
    const char* name;
    ScreenReport screen;
    Expected expected;
};
// clang-format off
const Case kCases[] = {
    {"top, 2 beyond",    Report(30, 0, Rect{-2, -2, kSW + 2, 30}),         kBelowTop},
    {"left, 2 beyond",   Report(0, 60, Rect{-2, -2, 60, kSH + 2}),         kBesideLeft},
    {"bottom, 2 beyond", Report(30, 0, Rect{-2, 738, kSW + 2, kSH + 2}),   kAboveBottom},
    {"right, 2 beyond",  Report(0, 60, Rect{964, -2, kSW + 2, kSH + 2}),   kBesideRight},
    {"top, inside",      Report(30, 0, Rect{0, 0, kSW, 30}),               kBelowTop},
    {"left, inside",     Report(0, 60, Rect{0, 0, 60, kSH}),               kBesideLeft},
    {"bottom, inside",   Report(30, 0, Rect{0, 738, kSW, kSH}),            kAboveBottom},
    {"right, inside",    Report(0, 60, Rect{964, 0, kSW, kSH}),            kBesideRight},
    {"failed, work area below a top bar",   Report(30, 0, std::nullopt, Rect{0, 30, kSW, kSH}),      kBelowTop},
    {"empty, work area beside a left bar",  Report(0, 60, Rect{0, 0, 0, 0}, Rect{60, 0, kSW, kSH}),  kBesideLeft},
    {"empty, work area above a bottom bar", Report(30, 0, Rect{5, 9, 5, 9}, Rect{0, 0, kSW, 738}),   kAboveBottom},
    {"failed, work area beside a right bar", Report(0, 60, std::nullopt, Rect{0, 0, 964, kSH}),      kBesideRight},
    {"B = S = 0, bar on top",             Report(0, 0, Rect{-2, -2, kSW + 2, 30}), kFlush},
    {"B = S = 0, failed, whole work area", Report(0, 0, std::nullopt),             kFlush},
    // Full-screen sizes above the screen's, and a 1-pixel strip at the bottom.
    {"negative metrics",                  Report(-30, -8, Rect{0, 767, kSW, kSH}), kFlush},
};
// clang-format on

TEST(PositionPlacement, EveryItemForEveryTaskBarReport) {
    constexpr PlacementPoint kOpening{123, 45};
    constexpr int kItems[] = {kUpperLeft, kLowerLeft, kUpperRight, kLowerRight};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        for (int i = 0; i < 4; ++i) {
            const PlacementPoint p = PlaceForItem(kItems[i], kW, kH, c.screen, kOpening);
            EXPECT_EQ(p, (PlacementPoint{c.expected.places[2 * i], c.expected.places[2 * i + 1]}))
                << "item " << kItems[i] << " gave " << p.left << ", " << p.top;
            EXPECT_EQ(InitialItem(p, kW, kH, c.screen), c.expected.reopened[i])
                << "reopened at item " << kItems[i];
        }
        EXPECT_EQ(PlaceForItem(kOpeningPosition, kW, kH, c.screen, kOpening), kOpening);
        EXPECT_EQ(InitialItem(kOpening, kW, kH, c.screen), kOpeningPosition);
    }
}

// The screen above with a task bar at the bottom, and a taller monitor right of it with its task bar on top.
const ScreenReport kPrimaryReport = Report(30, 0, Rect{-2, 738, kSW + 2, kSH + 2});
const MonitorArea kSecond = MonitorWithWorkArea({1024, -200, 2944, 880}, {1024, -152, 2944, 880});

TEST(PositionPlacement, CornersAreThoseOfTheMonitorTheClockIsOn) {
    constexpr std::array<int, 8> kSecondCorners{1024, -152, 1024, 840, 2744, -152, 2744, 840};
    const struct {
        std::vector<MonitorArea> monitors;
        Rect clock; // 200 x 40
        std::array<int, 8> places;
    } rows[] = {
        {{PrimaryMonitor(kPrimaryReport), kSecond}, {1500, 300, 1700, 340}, kSecondCorners},
        {{PrimaryMonitor(kPrimaryReport), kSecond}, {900, 300, 1100, 340}, kAboveBottom.places},
        {{PrimaryMonitor(kPrimaryReport)}, {1500, 300, 1700, 340}, kAboveBottom.places}, // one monitor
    };
    constexpr int kItems[] = {kUpperLeft, kLowerLeft, kUpperRight, kLowerRight};
    for (const auto& row : rows) {
        const PlacementArea area = PlacementAreaFor({row.monitors, 0, 0}, kPrimaryReport, row.clock);
        for (int i = 0; i < 4; ++i) {
            const PlacementPoint p = PlaceForItem(kItems[i], kW, kH, area, PlacementPoint{1, 2});
            EXPECT_EQ(p, (PlacementPoint{row.places[2 * i], row.places[2 * i + 1]}))
                << row.clock.left << " " << i;
            EXPECT_EQ(InitialItem(p, kW, kH, area), kItems[i]) << "reopened at item " << kItems[i];
        }
        EXPECT_EQ(InitialItem(PlacementPoint{1500, 301}, kW, kH, area), kOpeningPosition);
    }
}

} // namespace
