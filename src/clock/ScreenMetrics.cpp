#include "clock/ScreenMetrics.h"

namespace {

int NotBelowZero(std::int64_t value) {
    return Saturate(std::max<std::int64_t>(value, 0));
}

} // namespace

int BottomReserve(const ScreenMetrics& screen) {
    return NotBelowZero(std::int64_t{screen.height} - screen.cyFullScreen - screen.cyCaption);
}

int SideReserve(const ScreenMetrics& screen) {
    return NotBelowZero(std::int64_t{screen.width} - screen.cxFullScreen);
}
