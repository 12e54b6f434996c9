#pragma once
// The picture of a layered window, kept in a DIB with per-pixel alpha and handed to the system
// with UpdateLayeredWindowIndirect. Only the part that changed is drawn and handed over; the
// whole window when its size or the edge rule changed. The window never hides for it, and no
// window beneath is asked to repaint: the system shows them between the letters itself.
#include "clockwindow/CoveragePicture_win.h"

#include <functional>

class LayeredSurface {
public:
    // Draws `area` (client coordinates) of a width x height window through `draw`, which paints
    // onto the DC it is given, and shows it. False when the system refuses the layered window.
    bool Update(HWND hwnd, int width, int height, RECT area, EdgeAlpha edges,
                const std::function<void(HDC)>& draw);
    // The window's picture is gone (the layered style was off): the next update is whole.
    void Forget() { shown_ = false; }
    bool Shown() const { return shown_; }
    // GetLastError of the last refused update; 0 before any.
    DWORD LastError() const { return lastError_; }

    // The one call that hands the picture to the system, replaceable so a test can refuse it.
    std::function<BOOL(HWND, const UPDATELAYEREDWINDOWINFO*)> UpdateCall = ::UpdateLayeredWindowIndirect;

private:
    CoveragePicture picture_;
    bool shown_ = false;
    int width_ = 0, height_ = 0;
    EdgeAlpha edges_ = EdgeAlpha::Cut;
    DWORD lastError_ = 0;
};
