#include "support/Screen.h"

#include <cstdlib>
#include <cstring>

namespace testsupport {

ScreenShot::ScreenShot(const RECT& area) : area_(area) {
    const int w = area.right - area.left, h = area.bottom - area.top;
    pixels_.assign(static_cast<size_t>(w) * h, 0);
    ::GdiFlush(); // what this thread has drawn reaches the screen first
    HDC screen = ::GetDC(nullptr);
    HDC mem = ::CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = ::CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(mem, dib);
    ::BitBlt(mem, 0, 0, w, h, screen, area.left, area.top, SRCCOPY);
    ::GdiFlush();
    std::memcpy(pixels_.data(), bits, pixels_.size() * sizeof(DWORD));
    ::SelectObject(mem, old);
    ::DeleteObject(dib);
    ::DeleteDC(mem);
    ::ReleaseDC(nullptr, screen);
}

DWORD ScreenShot::Pixel(int x, int y) const {
    const int w = area_.right - area_.left;
    return pixels_[static_cast<size_t>(y - area_.top) * w + (x - area_.left)];
}

COLORREF ScreenShot::At(int x, int y) const {
    const DWORD p = Pixel(x, y);
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int ScreenShot::CountNear(COLORREF colour, const RECT& part, int tolerance) const {
    int count = 0;
    for (int y = part.top; y < part.bottom; ++y)
        for (int x = part.left; x < part.right; ++x) {
            const DWORD p = Pixel(x, y);
            if (std::abs(static_cast<int>((p >> 16) & 0xFF) - GetRValue(colour)) <= tolerance &&
                std::abs(static_cast<int>((p >> 8) & 0xFF) - GetGValue(colour)) <= tolerance &&
                std::abs(static_cast<int>(p & 0xFF) - GetBValue(colour)) <= tolerance)
                ++count;
        }
    return count;
}

int ScreenShot::CountDiffering(const ScreenShot& other) const {
    int count = 0;
    for (std::size_t i = 0; i < pixels_.size(); ++i)
        count += (pixels_[i] & 0xFFFFFF) != (other.pixels_[i] & 0xFFFFFF);
    return count;
}

} // namespace testsupport
