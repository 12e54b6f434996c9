#pragma once
// Where the program's dialogs open: centred on the monitor of the main window (the clock), so a
// clock on a second monitor gets its dialogs beside it, and laid out at that monitor's DPI.
#include "ui/Application.h"
#include "ui/Dpi.h"

#include <windows.h>

namespace ui {

struct DialogScreen {
    RECT monitor{}; // the whole monitor, task bar and all, as the screen was before there were more
    int dpi = kDesignDpi;
};

// The monitor of `app`'s main window (the primary one while there is none) and its DPI.
DialogScreen DialogScreenOf(const Application& app);
// The top-left corner that centres a window `width` x `height` on `monitor`.
POINT CentreOn(const RECT& monitor, int width, int height);
// Every dialog made from now on is laid out at `dpi` instead of its monitor's (0: its monitor's
// again), so that the layout at any DPI can be seen on whatever display there is.
void SetDialogDpi(int dpi);

} // namespace ui
