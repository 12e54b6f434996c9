#pragma once
// A real drag with the system's mouse input, as the user makes one.
#include <windows.h>

namespace testsupport {

// A left drag from `from` by about (dx, dy), in steps. Returns how far the pointer really went
// while the button was down (absolute input is rounded to the screen). It is read before the
// release: when the move loop lets the pointer go, Wine may put its cursor back where X last saw
// it, which a window beneath the clock's cut-out pixels reports as the place of the press.
POINT DragWithLeftButton(POINT from, int dx, int dy);

} // namespace testsupport
