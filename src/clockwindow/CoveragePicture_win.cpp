#include "clockwindow/CoveragePicture_win.h"

#include <initializer_list>
#include <utility>

bool AreaToDraw(bool whole, int width, int height, RECT& area) {
    const RECT client{0, 0, width, height};
    if (whole)
        area = client;
    return width > 0 && height > 0 && ::IntersectRect(&area, &area, &client);
}

void CoveragePicture::Draw(int width, int height, const RECT& area, EdgeAlpha edges,
                           const std::function<void(HDC)>& draw) {
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
    for (int y = area.top; y < area.bottom; ++y) {
        const std::uint32_t* black = overBlack_.Row(y);
        const std::uint32_t* white = overWhite_.Row(y);
        std::uint32_t* out = composed_.Row(y);
        for (int x = area.left; x < area.right; ++x)
            out[x] = LayeredPixel(black[x], white[x], edges);
    }
}
