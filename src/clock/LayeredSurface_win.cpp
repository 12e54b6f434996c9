#include "clock/LayeredSurface_win.h"

bool LayeredSurface::Update(HWND hwnd, int width, int height, RECT area, EdgeAlpha edges,
                            const std::function<void(HDC)>& draw) {
    if (width <= 0 || height <= 0)
        return true;
    const RECT client{0, 0, width, height};
    const bool whole = !shown_ || width != width_ || height != height_ || edges != edges_;
    if (whole)
        area = client;
    else if (!::IntersectRect(&area, &area, &client))
        return true;

    // The labels over black and over white: where the two differ the background showed through.
    for (auto [buffer, brush] : {std::pair{&overBlack_, BLACK_BRUSH}, std::pair{&overWhite_, WHITE_BRUSH}}) {
        HDC dc = buffer->Prepare(width, height);
        // The clip is put back alone: a whole saved state would select the font once more.
        ::IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
        ::FillRect(dc, &area, static_cast<HBRUSH>(::GetStockObject(brush))); // stock: never deleted
        draw(dc);
        ::SelectClipRgn(dc, nullptr);
    }
    ::GdiFlush();
    composed_.Prepare(width, height);
    Compose(area, edges);

    POINT origin{0, 0};
    SIZE size{width, height};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UPDATELAYEREDWINDOWINFO info{};
    info.cbSize = sizeof(info);
    info.psize = &size;
    info.hdcSrc = composed_.Dc();
    info.pptSrc = &origin;
    info.pblend = &blend;
    info.dwFlags = ULW_ALPHA;
    info.prcDirty = whole ? nullptr : &area;
    if (!::UpdateLayeredWindowIndirect(hwnd, &info)) {
        shown_ = false;
        return false;
    }
    shown_ = true;
    width_ = width;
    height_ = height;
    edges_ = edges;
    return true;
}

void LayeredSurface::Compose(const RECT& area, EdgeAlpha edges) {
    for (int y = area.top; y < area.bottom; ++y) {
        const std::uint32_t* black = overBlack_.Row(y);
        const std::uint32_t* white = overWhite_.Row(y);
        std::uint32_t* out = composed_.Row(y);
        for (int x = area.left; x < area.right; ++x)
            out[x] = LayeredPixel(black[x], white[x], edges);
    }
}
