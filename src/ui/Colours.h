#pragma once
// The program's colour values as GDI colours.
#include "base/Colour.h"

#include <windows.h>

namespace ui {

// A named system colour becomes its current RGB value; an RGB value stays as it is.
COLORREF ResolveColour(TColor colour);

} // namespace ui
