#pragma once
// Screen mode with per-pixel alpha: the picture is handed to the system with
// UpdateLayeredWindowIndirect, its edges blended where the desktop composes windows.
#include "clockwindow/ScreenSurface_win.h"

class LayeredSurface : public ScreenSurface {
public:
    bool Update(HWND hwnd, int width, int height, RECT area, const std::function<void(HDC)>& draw) override;
    // How the next updates treat the letters' edges; a change redraws the whole picture.
    void SetEdges(EdgeAlpha edges) { edges_ = edges; }
    // GetLastError of the last refused update; 0 before any.
    DWORD LastError() const { return lastError_; }

    // The one call that hands the picture to the system, replaceable so a test can refuse it.
    std::function<BOOL(HWND, const UPDATELAYEREDWINDOWINFO*)> UpdateCall = ::UpdateLayeredWindowIndirect;

private:
    EdgeAlpha edges_ = EdgeAlpha::Cut;
    EdgeAlpha shownEdges_ = EdgeAlpha::Cut;
    DWORD lastError_ = 0;
};
