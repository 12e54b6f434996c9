// The layered window's pixel from the labels drawn over black and over white, for a composing
// desktop (edges blend, the background keeps alpha 1) and a cutting one (alpha 0 or 255 only).
#include "clockwindow/LayeredPixel.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* what;
    std::uint32_t overBlack, overWhite;
    std::uint32_t blend, cut;
};

const Case kCases[] = {
    {"background", 0x000000, 0xFFFFFF, 0x01000000, 0x00000000},
    {"opaque red letter", 0xFF0000, 0xFF0000, 0xFFFF0000, 0xFFFF0000},
    {"opaque black shadow", 0x000000, 0x000000, 0xFF000000, 0xFF000000},
    {"half-covered white edge", 0x808080, 0xFFFFFF, 0x80808080, 0xFFFFFFFF},
    {"half-covered red edge", 0x800000, 0xFF7F7F, 0x80800000, 0xFFFF0000},
    {"faint edge", 0x202020, 0xFFFFFF, 0x20202020, 0x00000000},
    {"subpixel: the most covered channel decides", 0x000000, 0xFF00FF, 0xFF000000, 0xFF000000},
    {"white drawn darker than black counts as covered", 0x505050, 0x404040, 0xFF505050, 0xFF505050},
    {"top byte of the drawings is ignored", 0xAB00FF00, 0xCD00FF00, 0xFF00FF00, 0xFF00FF00},
};

TEST(LayeredPixel, CoverageAndColourFromTheTwoDrawings) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(LayeredPixel(c.overBlack, c.overWhite, EdgeAlpha::Blend), c.blend);
        EXPECT_EQ(LayeredPixel(c.overBlack, c.overWhite, EdgeAlpha::Cut), c.cut);
    }
}

} // namespace
