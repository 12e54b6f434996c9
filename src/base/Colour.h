#pragma once
// A colour is a 32-bit value: 0x00BBGGRR for RGB (red in the low byte), 0x80000000 + n for the
// system colour with index n (looked up when drawn), or clNone for no colour at all.
#include <cstdint>

using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x00000000;
inline constexpr TColor clGreen = 0x00008000;
inline constexpr TColor clGray = 0x00808080;
inline constexpr TColor clSilver = 0x00C0C0C0;
inline constexpr TColor clRed = 0x000000FF;
inline constexpr TColor clYellow = 0x0000FFFF;
inline constexpr TColor clWhite = 0x00FFFFFF;
inline constexpr TColor clSystemColor = 0x80000000;
inline constexpr TColor clBtnShadow = clSystemColor + 16;
inline constexpr TColor clBtnHighlight = clSystemColor + 20;
inline constexpr TColor clNone = 0x1FFFFFFF;

inline constexpr bool IsSystemColour(TColor c) {
    return (c & 0xFF000000u) == clSystemColor;
}
