#include "clockwindow/KeyedSurface_win.h"
#include "ui/Handles.h"

namespace {

// 0x00RRGGBB as a 32-bit DIB holds it.
constexpr std::uint32_t kKeyPixel = (GetRValue(KeyedSurface::kKey) << 16) |
                                    (GetGValue(KeyedSurface::kKey) << 8) | GetBValue(KeyedSurface::kKey);

} // namespace

bool KeyedSurface::Update(HWND hwnd, int width, int height, RECT area, const std::function<void(HDC)>& draw) {
    if (!AreaToDraw(WholeAt(width, height), width, height, area))
        return true;
    if (!Shown())
        ::SetLayeredWindowAttributes(hwnd, kKey, 255, LWA_COLORKEY);

    picture_.Draw(width, height, area, EdgeAlpha::Cut, draw);
    for (int y = area.top; y < area.bottom; ++y) {
        std::uint32_t* row = picture_.Row(y);
        for (int x = area.left; x < area.right; ++x) {
            if ((row[x] >> 24) == 0)
                row[x] = kKeyPixel;
            else if ((row[x] & 0xFFFFFF) == kKeyPixel)
                row[x] ^= 0x010000; // a label pixel one step off the key stays
        }
    }
    ui::WindowDc dc(hwnd);
    ::BitBlt(dc.get(), area.left, area.top, area.right - area.left, area.bottom - area.top, picture_.Dc(),
             area.left, area.top, SRCCOPY);
    MarkShown(width, height);
    return true;
}
