#pragma once
// The pixels of the clock's layered window. The labels are drawn twice, once over black and once
// over white; where the two drawings differ, the background showed through. From the pair comes
// the pixel's coverage and its premultiplied colour, 0xAARRGGBB as a 32-bit DIB holds it.
#include <cstdint>

enum class EdgeAlpha {
    // The system composes layered windows: antialiased edges blend, and the background keeps an
    // alpha of 1, invisible yet still taking the mouse.
    Blend,
    // The system cuts alpha-0 pixels and draws every other pixel opaque, as it stands: only 0 or
    // 255, or every edge would show the premultiplied (darkened) colour.
    Cut,
};

// `overBlack` and `overWhite` are 0x00RRGGBB (the top byte is ignored).
std::uint32_t LayeredPixel(std::uint32_t overBlack, std::uint32_t overWhite, EdgeAlpha edges);
