// Keeping the clock on its monitor's work area as its size changes: after the first layout, whose
// size at this DPI the settings file could not know, and after each new DPI. A WM_DPICHANGED that
// the clock's own move brings (loading its place on a monitor of another scale, a corner of the
// Position dialog) keeps the place the clock asked for instead of the one Windows suggests; the
// one that a drag brings takes the suggestion, as the drag needs, and the clock is kept on its
// work area once the drag ends.
#include "clockwindow/ClockWindow_win.h"

#include "clock/Monitors_win.h"

void TWobToke::SetOwnWindowPos(HWND after, int left, int top, int width, int height, UINT flags) {
    ++ownMoves_;
    struct Done {
        int& moves;
        ~Done() { --moves; }
    } done{ownMoves_};
    ::SetWindowPos(Handle(), after, left, top, width, height, flags);
}

void TWobToke::KeepOnMonitor(const RECT& before) {
    if (!Handle())
        return;
    const RECT r = BoundsRect();
    const ScreenRect kept = KeepOnWorkArea(CurrentDesktop(r.left, r.top), ToScreenRect(before),
                                           r.right - r.left, r.bottom - r.top);
    MoveWindowTo(kept.left, kept.top);
}

void TWobToke::OnSizeMoveLoop(bool entering) {
    userMoving_ = entering;
    if (entering || !dpiChangedWhileMoving_)
        return;
    dpiChangedWhileMoving_ = false;
    KeepOnMonitor(BoundsRect());
}
