#pragma once
// The font of a label: face, height, style bits, pitch, character set and colour. A plain value;
// the Win32 side turns it into a GDI font (and caches that) when it draws or measures.
#include "base/Colour.h"

#include <cstdint>
#include <string>

enum FontStyleBits : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
enum class FontPitch : std::uint8_t { Default = 0, Variable = 1, Fixed = 2 };

inline constexpr std::uint8_t kShiftJisCharset = 128;
inline constexpr int kScreenPixelsPerInch = 96;

struct LabelFont {
    std::string name = "ＭＳ Ｐゴシック";
    int height = -27; // pixels; negative means character height (Win32 lfHeight)
    std::uint8_t style = 0;
    FontPitch pitch = FontPitch::Default;
    std::uint8_t charset = kShiftJisCharset;
    TColor color = clBlack;
    int pixelsPerInch = kScreenPixelsPerInch;

    // Size in points: height * 72 / ppi, rounded to the nearest whole number and negated.
    int SizePoints() const;
    // Height for a size in points: -(size * ppi / 72), rounded.
    void SetSizePoints(int points);

    bool operator==(const LabelFont&) const = default;
};
