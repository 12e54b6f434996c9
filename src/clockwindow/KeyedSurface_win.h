#pragma once
// Screen mode where the desktop does not compose windows: every pixel of the clock is either the
// labels' own, opaque, or cut out of the window. The window is a layered window with a colour
// key: the labels are painted as an ordinary window paints, and the system cuts out the pixels of
// the key colour and shows what lies beneath there, at every moment; the clock never hides.
//
// Such a system makes the same cut of a window drawn with per-pixel alpha, at a higher price:
// under Wine a window's shape is worked out anew from all of its pixels whenever its picture
// reaches the screen, and with per-pixel alpha that happens at once for every area that a change
// of shape exposes (about ten a tick for the time label), where a keyed window gathers them into
// one.
#include "clockwindow/ScreenSurface_win.h"

class KeyedSurface : public ScreenSurface {
public:
    // The colour that is cut out; no label pixel keeps it.
    static constexpr COLORREF kKey = RGB(255, 0, 255);

    // The pixels the labels do not cover go to the screen in the key colour. Never refused.
    bool Update(HWND hwnd, int width, int height, RECT area, const std::function<void(HDC)>& draw) override;
};
