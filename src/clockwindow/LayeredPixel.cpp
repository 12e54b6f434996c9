#include "clockwindow/LayeredPixel.h"

#include <algorithm>

namespace {

unsigned Channel(std::uint32_t pixel, int shift) {
    return (pixel >> shift) & 0xFFu;
}

} // namespace

std::uint32_t LayeredPixel(std::uint32_t overBlack, std::uint32_t overWhite, EdgeAlpha edges) {
    constexpr int kShifts[3] = {16, 8, 0};
    // Over black a channel is colour × coverage; over white it is that plus 255 × (1 - coverage).
    // Subpixel rendering gives each channel a coverage of its own; the largest one keeps every
    // premultiplied channel within the alpha.
    unsigned alpha = 0;
    for (int shift : kShifts) {
        const unsigned black = Channel(overBlack, shift), white = std::max(Channel(overWhite, shift), black);
        alpha = std::max(alpha, 255u - (white - black));
    }
    std::uint32_t pixel = 0;
    if (edges == EdgeAlpha::Blend) {
        if (alpha == 0)
            return 0x01000000u;
        for (int shift : kShifts)
            pixel |= std::min(Channel(overBlack, shift), alpha) << shift;
        return pixel | (alpha << 24);
    }
    if (alpha < 128)
        return 0;
    // Opaque: the colour as it would be drawn at full coverage.
    for (int shift : kShifts)
        pixel |= std::min(255u, (Channel(overBlack, shift) * 255u + alpha / 2) / alpha) << shift;
    return pixel | 0xFF000000u;
}
