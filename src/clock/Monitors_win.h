#pragma once
// The monitors of this desktop, as the settings loader keeps a stored position on them.
#include "clock/ScreenPlacement.h"

#include <windows.h>

// The screen's metrics as the system reports them now.
ScreenMetrics ReadScreenMetrics();
ScreenRect ToScreenRect(const RECT& r);

// The primary screen from the system metrics (as it has always been measured), then every other
// monitor with its work area; `windowLeft` / `windowTop` are where the window stands now.
DesktopLayout CurrentDesktop(int windowLeft, int windowTop);
