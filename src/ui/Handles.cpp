#include "ui/Handles.h"

namespace ui {
namespace {
long liveOwners = 0; // one UI thread: no locking needed
}

long LiveGdiOwners() {
    return liveOwners;
}

void detail::CountOwner(int delta) {
    liveOwners += delta;
}
} // namespace ui
