#include "clockwindow/ClockWindow_win.h"
#include "ui/Compositor.h"

// See-through painting. The window never fills a background colour of its own.
//
// Screen mode, where the system takes layered windows: ClockLayered_win.cpp. The system itself
// shows what lies beneath between the letters; a repaint draws only the labels that changed.
//
// Otherwise every repaint composes the area it owes in the back buffer (background, then the
// labels) and copies it to the window once, so no label is ever seen half drawn.
//
// Screen mode without a layered window: the reveal hides the window in place, makes the windows under it
// repaint, copies the screen pixels it covered into `beneath_` while it is still hidden, and shows it again.
// Copying, instead of trusting the screen to keep its pixels under a window that paints no
// background, is what makes the mode hold where windows are composed off screen: there such a
// window shows nothing of what lies beneath (black in Wine, stale or empty under desktop
// composition on Windows).
//
// Wallpaper mode: the desktop paints its background into the window's own DC, whose origin is
// the window's place on the screen, so the wallpaper lines up with the rest of the desktop. That
// background is read back into the back buffer and the labels are drawn over it there.

namespace {

// Hide or show in place: no move, no resize, no change of Z order, nothing activated.
constexpr UINT kHideInPlace = SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE;
constexpr UINT kShowInPlace = SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE;
static_assert(kHideInPlace == 151 && kShowInPlace == 87);

// Copies the screen pixels of `area` into `into`, once all drawing so far has reached the screen.
void CaptureScreen(const RECT& area, ui::DibBuffer& into) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return;
    ::GdiFlush();
    ui::Compositor::Instance().Flush();
    ui::WindowDc screen(nullptr);
    HDC dc = into.Prepare(width, height);
    ::BitBlt(dc, 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY | CAPTUREBLT);
}

} // namespace

void TWobToke::OnPaint() {
    if (!Settings.WallpaperMode && AllowLayered && !layeredRefused_ && PaintSeeThrough())
        return;
    SetLayeredStyle(false);
    PaintComposed();
}

void TWobToke::RepaintWhole() {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    ::UnionRect(&layeredOwed_, &layeredOwed_, &client); // the layered window gets no paint area
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

void TWobToke::PaintLabels(HDC dc, const RECT& area, BYTE quality) {
    for (const TShadowLabel* l : {&DateLbl, &WeekLbl, &TimeLbl}) {
        const RECT r{l->Left(), l->Top(), l->Left() + l->Width(), l->Top() + l->Height()};
        RECT common{};
        if (::IntersectRect(&common, &r, &area))
            PaintShadowLabel(*l, dc, fonts_, quality);
    }
}

void TWobToke::PaintComposed() {
    const bool wallpaper = Settings.WallpaperMode;
    if (!wallpaper) {
        RevealBeneath();
        // The reveal has renewed the whole background: all of the window is composed again.
        ::InvalidateRect(Handle(), nullptr, TRUE);
    }
    ui::PaintDc paint(Handle()); // erases first: the wallpaper in wallpaper mode, nothing otherwise

    RECT client{}, area{};
    ::GetClientRect(Handle(), &client);
    if (!::IntersectRect(&area, &paint.area(), &client))
        return;
    const int x = area.left, y = area.top, width = area.right - area.left, height = area.bottom - area.top;
    HDC back = backBuffer_.Prepare(client.right, client.bottom);
    HDC background = wallpaper ? paint.get() : beneath_.Prepare(client.right, client.bottom);
    ::BitBlt(back, x, y, width, height, background, x, y, SRCCOPY);
    // The clip is put back alone: a whole saved state would select the font once more.
    ::IntersectClipRect(back, area.left, area.top, area.right, area.bottom);
    PaintLabels(back, area);
    ::SelectClipRgn(back, nullptr);
    ::BitBlt(paint.get(), x, y, width, height, back, x, y, SRCCOPY);
}

LRESULT TWobToke::OnEraseBackground(HDC dc) {
    if (Settings.WallpaperMode) {
        // The desktop colour first, for where the desktop paints nothing into other windows
        // (Wine); the desktop then paints its pattern or wallpaper over it.
        RECT area{};
        ::GetClipBox(dc, &area);
        ::FillRect(dc, &area, ::GetSysColorBrush(COLOR_DESKTOP)); // a system brush, never deleted
        ::DefWindowProcA(::GetDesktopWindow(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    }
    return 1;
}

void TWobToke::OnMove() {
    if (!Settings.WallpaperMode && IsLayered())
        return; // the picture moves with the window; the system shows what lies beneath
    ::InvalidateRect(Handle(), nullptr, TRUE);
    if (!Settings.WallpaperMode)
        ::UpdateWindow(Handle()); // keeps the background current while the window is dragged
}

void TWobToke::RevealBeneath() {
    if (transitionsOffFor_ != Handle()) {
        ui::Compositor::Instance().DisableTransitions(Handle());
        transitionsOffFor_ = Handle();
    }
    ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, kHideInPlace);
    RECT r{};
    ::GetWindowRect(Handle(), &r);
    // A desktop that paints its own background (no shell window over it, as in Wine's virtual
    // desktop) is not among the top-level windows: it repaints its part now as well.
    ::RedrawWindow(::GetDesktopWindow(), &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RepaintWindowsUnder(r);
    CaptureScreen(r, beneath_);
    ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, kShowInPlace);
}

void TWobToke::RepaintWindowsUnder(const RECT& area) {
    // Every top-level window in Z order, those above the clock too; the clock itself is hidden.
    for (HWND w = ::GetWindow(::GetDesktopWindow(), GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(w))
            continue;
        RECT wr{}, i{};
        ::GetWindowRect(w, &wr);
        if (!::IntersectRect(&i, &wr, &area))
            continue;
        POINT corners[2] = {{i.left, i.top}, {i.right, i.bottom}};
        ::MapWindowPoints(nullptr, w, corners, 2);
        RECT local{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
        ::InvalidateRect(w, &local, TRUE);
        ::UpdateWindow(w);
    }
}

void TWobToke::NudgeWindow() {
    if (!Handle())
        return;
    // Two real moves, each a WM_MOVE: in screen mode two reveals, the second at the start.
    SetWindowLeft(BoundsRect().left + 1);
    SetWindowLeft(BoundsRect().left - 1);
}
