#pragma once
// The monitors of this desktop and the task bar, as the system reports them now: what the
// settings loader keeps a stored position on and what the Position dialog places the clock by.
#include "clock/PositionPlacement.h"
#include "clock/ScreenPlacement.h"

#include <windows.h>

// The screen's metrics as the system reports them now.
ScreenMetrics ReadScreenMetrics();
// The screen, the metrics, the task bar and the work area as the system reports them now.
ScreenReport ReadScreenReport();
ScreenRect ToScreenRect(const RECT& r);

// The primary screen from the system metrics (as it has always been measured), then every other
// monitor with its work area; `windowLeft` / `windowTop` are where the window stands now.
DesktopLayout CurrentDesktop(int windowLeft, int windowTop);
// What the Position dialog places a clock whose window is `clock` by: its monitor now.
PlacementArea ReadPlacementArea(const RECT& clock);
