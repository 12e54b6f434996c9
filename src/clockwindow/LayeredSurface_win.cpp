#include "clockwindow/LayeredSurface_win.h"

bool LayeredSurface::Update(HWND hwnd, int width, int height, RECT area,
                            const std::function<void(HDC)>& draw) {
    const bool whole = WholeAt(width, height) || edges_ != shownEdges_;
    if (!AreaToDraw(whole, width, height, area))
        return true;

    picture_.Draw(width, height, area, edges_, draw);

    POINT origin{0, 0};
    SIZE size{width, height};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UPDATELAYEREDWINDOWINFO info{};
    info.cbSize = sizeof(info);
    info.psize = &size;
    info.hdcSrc = picture_.Dc();
    info.pptSrc = &origin;
    info.pblend = &blend;
    info.dwFlags = ULW_ALPHA;
    info.prcDirty = whole ? nullptr : &area;
    if (!UpdateCall(hwnd, &info)) {
        lastError_ = ::GetLastError();
        Forget();
        return false;
    }
    MarkShown(width, height);
    shownEdges_ = edges_;
    return true;
}
