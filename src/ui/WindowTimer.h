#pragma once
// A window timer (WM_TIMER to its window) that is killed with its owner object.
#include <windows.h>

namespace ui {

class WindowTimer {
public:
    WindowTimer() = default;
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;
    ~WindowTimer() { Stop(); }

    // Throws AppError("ﾀｲﾏｰを取得できません") when the system refuses a timer.
    void Start(HWND hwnd, UINT_PTR id, UINT intervalMs);
    // Makes the running timer fire next `intervalMs` from now (and every `intervalMs` after that).
    // False when there is no running timer or the system refuses.
    bool Rearm(UINT intervalMs);
    void Stop();
    UINT_PTR Id() const { return id_; }

private:
    HWND hwnd_ = nullptr;
    UINT_PTR id_ = 0;
};

} // namespace ui
