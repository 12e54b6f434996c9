#pragma once
// Screen pixels of an area, as the user sees them: what the painting tests of both levels check.
#include <windows.h>

#include <vector>

namespace testsupport {

class ScreenShot {
public:
    explicit ScreenShot(const RECT& area);
    COLORREF At(int x, int y) const; // screen coordinates, as a COLORREF (0x00BBGGRR)
    // Pixels within `tolerance` of `colour` in each channel, inside `part` (screen coordinates,
    // within the area) or in the whole area.
    int CountNear(COLORREF colour, const RECT& part, int tolerance = 40) const;
    int CountNear(COLORREF colour, int tolerance = 40) const { return CountNear(colour, area_, tolerance); }
    // Pixels that differ from those of `other`, a shot of the same area.
    int CountDiffering(const ScreenShot& other) const;
    const RECT& Area() const { return area_; }

private:
    DWORD Pixel(int x, int y) const; // 0x00RRGGBB
    RECT area_;
    std::vector<DWORD> pixels_; // row by row
};

} // namespace testsupport
