#pragma once
// The labels' picture with a coverage for every pixel: drawn once over black and once over white;
// where the two drawings differ, the background showed through, by as much as they differ. The
// picture is kept whole for the window; a redraw renews one area of it.
#include "clockwindow/LayeredPixel.h"
#include "ui/DibBuffer.h"

#include <cstdint>
#include <functional>

// What an update of a width x height window draws: all of it when `whole`, else `area` within
// it. False when that is nothing.
bool AreaToDraw(bool whole, int width, int height, RECT& area);

class CoveragePicture {
public:
    // Draws `area` of a width x height picture through `draw`, which paints onto the DC it is
    // given, and composes the area's pixels under `edges`.
    void Draw(int width, int height, const RECT& area, EdgeAlpha edges, const std::function<void(HDC)>& draw);

    HDC Dc() const { return composed_.Dc(); }
    // Row `y` of the composed picture, premultiplied 0xAARRGGBB.
    std::uint32_t* Row(int y) const { return composed_.Row(y); }

private:
    ui::DibBuffer overBlack_, overWhite_, composed_;
};
