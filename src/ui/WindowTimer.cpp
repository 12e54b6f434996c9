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

void WindowTimer::Stop() {
    if (hwnd_ && ::IsWindow(hwnd_))
        ::KillTimer(hwnd_, id_);
    hwnd_ = nullptr;
    id_ = 0;
}

} // namespace ui
