#include "clock/ClockWindow_win.h"
#include "ui/Compositor.h"

// Screen mode in a layered window: the labels are drawn with per-pixel alpha and the system
// shows what lies beneath between the letters at every moment, so the clock never hides itself
// and no window beneath is asked to repaint. Where the system refuses the layered window, the
// capture path of ClockPaint_win.cpp takes over for good.

bool TWobToke::SetLayeredStyle(bool on) {
    const LONG style = ::GetWindowLongA(Handle(), GWL_EXSTYLE);
    if (((style & WS_EX_LAYERED) != 0) == on)
        return false;
    ::SetWindowLongA(Handle(), GWL_EXSTYLE, on ? style | WS_EX_LAYERED : style & ~WS_EX_LAYERED);
    layered_.Forget();
    if (!on)
        ::InvalidateRect(Handle(), nullptr, TRUE); // its picture went with the style
    return true;
}

bool TWobToke::IsLayered() const {
    return (::GetWindowLongA(Handle(), GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
}

bool TWobToke::PaintLayered() {
    SetLayeredStyle(true);
    RECT area{};
    {
        ui::PaintDc paint(Handle()); // takes the update region; nothing is drawn through it
        ::UnionRect(&area, &paint.area(), &layeredOwed_);
    }
    layeredOwed_ = RECT{};
    RECT client{};
    ::GetClientRect(Handle(), &client);
    const EdgeAlpha edges = ui::Compositor::Instance().IsComposited() ? EdgeAlpha::Blend : EdgeAlpha::Cut;
    if (layered_.Update(Handle(), client.right, client.bottom, area, edges,
                        [&](HDC dc) { PaintLabels(dc, area); }))
        return true;
    layeredRefused_ = true; // for good: the capture path from here on
    return false;
}
