#include "ui/Colours.h"

namespace ui {

COLORREF ResolveColour(TColor colour) {
    if (IsSystemColour(colour))
        return ::GetSysColor(static_cast<int>(colour & 0xFF));
    return static_cast<COLORREF>(colour & 0x00FFFFFF);
}

} // namespace ui
