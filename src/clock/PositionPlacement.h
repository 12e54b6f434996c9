#pragma once
// Where the Position dialog puts the clock: a corner of the screen clear of the task bar, or back
// where the clock stood when the dialog opened. Plain arithmetic over what the system reports, so
// that every arrangement of screen, task bar and metrics can be tried without a desktop.
#include <optional>

struct PlacementRect {
    int left, top, right, bottom;
};

struct PlacementPoint {
    int left, top;
    friend bool operator==(const PlacementPoint&, const PlacementPoint&) = default;
};

// What the system reports, read afresh for every placement.
struct ScreenReport {
    int width, height;                    // SM_CXSCREEN, SM_CYSCREEN
    int cxFullScreen, cyFullScreen;       // SM_CXFULLSCREEN, SM_CYFULLSCREEN
    int cyCaption;                        // SM_CYCAPTION
    std::optional<PlacementRect> taskBar; // ABM_GETTASKBARPOS; none when the query failed
    PlacementRect workArea;               // SPI_GETWORKAREA
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

// B: the height a task bar on the top or bottom edge takes; S: the width of one on a side. Some
// systems report full-screen sizes larger than the screen, so neither is ever below 0.
int BottomReserve(const ScreenReport& screen);
int SideReserve(const ScreenReport& screen);

// The edge the task bar stands on, judged by the screen edges its rectangle touches or passes;
// from the work area when the query failed or gave an empty rectangle.
TaskBarEdge JudgeTaskBarEdge(const ScreenReport& screen);

// The item that names where a clock of `width` × `height` stands at `at`. Only B is looked at,
// so a clock beside a side task bar or below a top one shows as the opening position.
int InitialItem(PlacementPoint at, int width, int height, const ScreenReport& screen);

// The clock's new left and top for `item`; `opening` is where it stood when the dialog opened.
PlacementPoint PlaceForItem(int item, int width, int height, const ScreenReport& screen,
                            PlacementPoint opening);

// The upper-left corner is reached by setting the top first; every other item sets the left first.
inline bool SetsTopFirst(int item) {
    return item == kUpperLeft;
}
