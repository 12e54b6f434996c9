#include "clock/TickAim.h"

#include <algorithm>

unsigned NextTickDelayMs(int millisecond) {
    constexpr int kSecondMs = 1000;
    return static_cast<unsigned>(kSecondMs - std::clamp(millisecond, 0, kSecondMs - 1)) + kTickMarginMs;
}
