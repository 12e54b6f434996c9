#include "base/FontPoints.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

// value * numerator / denominator, rounded halves away from zero, kept within int.
int ScaledRounded(long long value, long long numerator, long long denominator) {
    if (denominator <= 0)
        return 0;
    const long long product = std::llabs(value) * numerator;
    const long long magnitude = (product + denominator / 2) / denominator;
    const long long result = value < 0 ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<long long>(result, -INT_MAX, INT_MAX));
}

} // namespace

int FontHeightForPoints(int points, int dpi) {
    return -ScaledRounded(points, dpi, 72);
}

int FontPointsForHeight(int height, int dpi) {
    return ScaledRounded(std::llabs(static_cast<long long>(height)), 72, dpi);
}

int FontPointsFromTenths(int tenths) {
    return ScaledRounded(tenths, 1, 10);
}
