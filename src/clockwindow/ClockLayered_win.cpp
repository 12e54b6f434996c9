#include "clockwindow/ClockWindow_win.h"
#include "ui/Compositor.h"

// Screen mode in a layered window: the system shows what lies beneath between the letters at
// every moment, so the clock never hides itself and no window beneath is asked to repaint. Where
// the desktop composes windows the labels are handed over with per-pixel alpha and their edges
// blend; where it does not, every pixel is either opaque or cut out, and a colour key does that
// at a fraction of the cost (KeyedSurface_win.h). Where the system refuses the layered window
// several times in a row, the capture path of ClockPaint_win.cpp takes over until the display or
// the composition changes; a single refusal costs one repaint on that path.

bool TWobToke::PaintSeeThrough() {
    if (KeyWhereNotComposed && !ui::Compositor::Instance().IsComposited()) {
        PaintKeyed();
        return true;
    }
    return PaintLayered();
}

bool TWobToke::SetLayeredStyle(bool on) {
    const LONG style = ::GetWindowLongA(Handle(), GWL_EXSTYLE);
    if (((style & WS_EX_LAYERED) != 0) == on)
        return false;
    ::SetWindowLongA(Handle(), GWL_EXSTYLE, on ? style | WS_EX_LAYERED : style & ~WS_EX_LAYERED);
    layered_.Forget();
    keyed_.Forget();
    if (!on)
        ::InvalidateRect(Handle(), nullptr, TRUE); // its picture went with the style
    return true;
}

bool TWobToke::IsLayered() const {
    return (::GetWindowLongA(Handle(), GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
}

RECT TWobToke::TakeOwedArea() {
    RECT area{};
    {
        ui::PaintDc paint(Handle()); // takes the update region; nothing is drawn through it
        ::UnionRect(&area, &paint.area(), &layeredOwed_);
    }
    layeredOwed_ = RECT{};
    return area;
}

bool TWobToke::PaintLayered() {
    if (keyed_.Shown())
        SetLayeredStyle(false); // a keyed window takes no per-pixel alpha until it is layered anew
    SetLayeredStyle(true);
    const RECT area = TakeOwedArea();
    RECT client{};
    ::GetClientRect(Handle(), &client);
    const EdgeAlpha edges = BlendWhereNotComposed || ui::Compositor::Instance().IsComposited()
                                ? EdgeAlpha::Blend
                                : EdgeAlpha::Cut;
    // Grayscale antialiasing: ClearType would give each channel a coverage of its own, and an
    // alpha taken from them would leave coloured or dark fringes.
    if (layered_.Update(Handle(), client.right, client.bottom, area, edges,
                        [&](HDC dc) { PaintLabels(dc, area, ANTIALIASED_QUALITY); })) {
        layeredRefusals_ = 0;
        return true;
    }
    // A refusal can pass (a display mode being changed): giving up at once would leave the clock
    // hiding and showing itself at every repaint for the rest of the session.
    if (++layeredRefusals_ >= kLayeredRefusalsToGiveUp)
        layeredRefused_ = true;
    return false;
}

void TWobToke::RetryLayered() {
    // A new display mode or composition may take the layered window a former one refused.
    layeredRefused_ = false;
    layeredRefusals_ = 0;
    RepaintWhole();
}

void TWobToke::PaintKeyed() {
    if (layered_.Shown())
        SetLayeredStyle(false); // from per-pixel alpha to a key: layered anew
    SetLayeredStyle(true);
    const RECT area = TakeOwedArea();
    RECT client{};
    ::GetClientRect(Handle(), &client);
    keyed_.Update(Handle(), client.right, client.bottom, area, [&](HDC dc) { PaintLabels(dc, area); });
}
