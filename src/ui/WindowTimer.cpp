#include "ui/WindowTimer.h"

#include "base/AppError.h"

namespace ui {

void WindowTimer::Start(HWND hwnd, UINT_PTR id, UINT intervalMs) {
    Stop();
    if (!::SetTimer(hwnd, id, intervalMs, nullptr))
        throw AppError("ﾀｲﾏｰを取得できません");
    hwnd_ = hwnd;
    id_ = id;
}

bool WindowTimer::Rearm(UINT intervalMs) {
    // Setting a window's timer again under the same id replaces it: no second timer, no gap.
    return hwnd_ && ::SetTimer(hwnd_, id_, intervalMs, nullptr) != 0;
}

void WindowTimer::Stop() {
    if (hwnd_ && ::IsWindow(hwnd_))
        ::KillTimer(hwnd_, id_);
    hwnd_ = nullptr;
    id_ = 0;
}

} // namespace ui
