#include "widgets/LabelFont.h"

#include <algorithm>
#include <cmath>

int LabelFont::SizePoints() const {
    return -static_cast<int>(std::lround(static_cast<double>(height) * 72.0 / pixelsPerInch));
}

void LabelFont::SetSizePoints(int points) {
    // Computed in double and kept within int, so a hand-edited size cannot overflow.
    const double h = std::round(static_cast<double>(points) * pixelsPerInch / 72.0);
    height = -static_cast<int>(std::clamp(h, -2147483647.0, 2147483647.0));
}
