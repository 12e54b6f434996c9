#include "clockwindow/SeeThrough_win.h"

#include "ui/Compositor.h"

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

RECT SeeThrough::Client() const {
    RECT client{};
    ::GetClientRect(window_.Handle(), &client);
    return client;
}

void SeeThrough::Paint(bool wallpaper, const DrawLabels& draw) {
    const HWND hwnd = window_.Handle();
    if (!hwnd)
        return;
    if (!wallpaper && AllowLayered && layeredRefusals_ >= kLayeredRefusalsToGiveUp &&
        ::GetTickCount64() - gaveUpAt_ >= kLayeredRetryMs)
        layeredRefusals_ = kLayeredRefusalsToGiveUp - 1; // its cause may have passed unannounced
    if (!wallpaper && AllowLayered && layeredRefusals_ < kLayeredRefusalsToGiveUp && PaintLayered(draw))
        return;
    SetComposedStyle();
    PaintComposed(wallpaper, draw);
}

void SeeThrough::Owe(const RECT& area) {
    const HWND hwnd = window_.Handle();
    if (!hwnd)
        return;
    ::UnionRect(&owed_, &owed_, &area);
    ::InvalidateRect(hwnd, &area, TRUE);
}

void SeeThrough::RepaintWhole() {
    wallpaperKept_ = false; // a new wallpaper, display or mode: the desktop paints it again
    Owe(Client());          // the layered window gets no paint area
}

void SeeThrough::RetryLayered() {
    layeredRefusals_ = 0;
    RepaintWhole();
}

// --- Screen mode in a layered window ----------------------------------------------------------

bool SeeThrough::SetLayeredStyle(bool on) {
    const HWND hwnd = window_.Handle();
    const LONG style = ::GetWindowLongW(hwnd, GWL_EXSTYLE);
    if (((style & WS_EX_LAYERED) != 0) == on)
        return false;
    ::SetWindowLongW(hwnd, GWL_EXSTYLE, on ? style | WS_EX_LAYERED : style & ~WS_EX_LAYERED);
    opaque_ = false;
    layered_.Forget();
    keyed_.Forget();
    if (!on)
        ::InvalidateRect(hwnd, nullptr, TRUE); // its picture went with the style
    return true;
}

void SeeThrough::SetComposedStyle() {
    if (opaque_ == ClickThrough) {
        SetLayeredStyle(ClickThrough); // drops screen mode's layered window, keeps an opaque one
        return;
    }
    // Clicks pass through only a layered window (WS_EX_TRANSPARENT does nothing to a plain one), so
    // the window is layered anew at full opacity, which the system paints as a plain one.
    const HWND hwnd = window_.Handle();
    SetLayeredStyle(false);
    if (ClickThrough) {
        SetLayeredStyle(true);
        ::SetLayeredWindowAttributes(hwnd, 0, 255, LWA_ALPHA);
        opaque_ = true;
        ::InvalidateRect(hwnd, nullptr, TRUE); // the new layer holds no picture yet
    }
}

bool SeeThrough::IsLayered() const {
    const HWND hwnd = window_.Handle();
    return (::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
}

RECT SeeThrough::TakeOwedArea() {
    const HWND hwnd = window_.Handle();
    RECT area{};
    {
        ui::PaintDc paint(hwnd); // takes the update region; nothing is drawn through it
        ::UnionRect(&area, &paint.area(), &owed_);
    }
    owed_ = RECT{};
    return area;
}

bool SeeThrough::PaintLayered(const DrawLabels& draw) {
    const HWND hwnd = window_.Handle();
    const bool composited = ui::Compositor::Instance().IsComposited();
    const bool keyed = KeyWhereNotComposed && !composited;
    ScreenSurface& surface = keyed ? static_cast<ScreenSurface&>(keyed_) : layered_;
    ScreenSurface& other = keyed ? static_cast<ScreenSurface&>(layered_) : keyed_;
    if (other.Shown() || opaque_)
        SetLayeredStyle(false); // a key, per-pixel alpha and full opacity do not mix: layered anew
    SetLayeredStyle(true);
    const RECT area = TakeOwedArea();
    const RECT client = Client();
    if (!keyed)
        layered_.SetEdges(BlendWhereNotComposed || composited ? EdgeAlpha::Blend : EdgeAlpha::Cut);
    // Grayscale antialiasing for per-pixel alpha: ClearType would give each channel a coverage of
    // its own, and an alpha taken from them would leave coloured or dark fringes.
    const BYTE quality = keyed ? DEFAULT_QUALITY : ANTIALIASED_QUALITY;
    if (surface.Update(hwnd, client.right, client.bottom, area, [&](HDC dc) { draw(dc, area, quality); })) {
        layeredRefusals_ = 0;
        return true;
    }
    // A refusal can pass (a display mode being changed): giving up at once would leave the clock
    // hiding and showing itself at every repaint for the rest of the session.
    if (++layeredRefusals_ == kLayeredRefusalsToGiveUp)
        gaveUpAt_ = ::GetTickCount64();
    return false;
}

// --- Composed in the back buffer -----------------------------------------------------------------

void SeeThrough::PaintComposed(bool wallpaper, const DrawLabels& draw) {
    const HWND hwnd = window_.Handle();
    const RECT client = Client();
    if (wallpaper && !WallpaperKeptFor(client))
        ::InvalidateRect(hwnd, nullptr, TRUE); // the desktop paints all of it once, to be kept
    if (!wallpaper) {
        RevealBeneath();
        // The reveal has renewed the whole background: all of the window is composed again.
        ::InvalidateRect(hwnd, nullptr, TRUE);
    }
    // Erases first: the wallpaper in wallpaper mode while none is kept, nothing otherwise.
    ui::PaintDc paint(hwnd);
    if (wallpaper && !WallpaperKeptFor(client))
        KeepWallpaper(paint.get(), client);

    RECT area{};
    if (!::IntersectRect(&area, &paint.area(), &client))
        return;
    const int x = area.left, y = area.top, width = area.right - area.left, height = area.bottom - area.top;
    HDC back = backBuffer_.Prepare(client.right, client.bottom);
    HDC background = wallpaper && WallpaperKeptFor(client) ? beneath_.Dc()
                     : wallpaper                           ? paint.get()
                                                           : beneath_.Prepare(client.right, client.bottom);
    ::BitBlt(back, x, y, width, height, background, x, y, SRCCOPY);
    // The clip is put back alone: a whole saved state would select the font once more.
    ::IntersectClipRect(back, area.left, area.top, area.right, area.bottom);
    draw(back, area, DEFAULT_QUALITY);
    ::SelectClipRgn(back, nullptr);
    ::BitBlt(paint.get(), x, y, width, height, back, x, y, SRCCOPY);
}

bool SeeThrough::WallpaperKeptFor(const RECT& client) const {
    return wallpaperKept_ && keptSize_.cx == client.right && keptSize_.cy == client.bottom;
}

void SeeThrough::KeepWallpaper(HDC painted, const RECT& client) {
    // Only what reached the window can be read back: where the desktop does not compose windows,
    // a part covered by another window or off the screen holds that window's pixels or none.
    ui::unique_hrgn visible(::CreateRectRgn(0, 0, 0, 0));
    if (::GetRandomRgn(painted, visible.get(), SYSRGN) != 1)
        return;
    POINT origin{0, 0};
    ::ClientToScreen(window_.Handle(), &origin);
    ui::unique_hrgn whole(
        ::CreateRectRgn(origin.x, origin.y, origin.x + client.right, origin.y + client.bottom));
    if (!::EqualRgn(visible.get(), whole.get()))
        return;
    HDC kept = beneath_.Prepare(client.right, client.bottom);
    ::BitBlt(kept, 0, 0, client.right, client.bottom, painted, 0, 0, SRCCOPY);
    wallpaperKept_ = true;
    keptSize_ = SIZE{client.right, client.bottom};
}

LRESULT SeeThrough::EraseBackground(HDC dc, bool wallpaper) {
    if (wallpaper && WallpaperKeptFor(Client()))
        return 1; // the paint that follows lays the kept wallpaper under all it owes
    if (wallpaper) {
        // The desktop colour first, for where the desktop paints nothing into other windows
        // (Wine); the desktop then paints its pattern or wallpaper over it.
        RECT area{};
        ::GetClipBox(dc, &area);
        ::FillRect(dc, &area, ::GetSysColorBrush(COLOR_DESKTOP)); // a system brush, never deleted
        ::DefWindowProcW(::GetDesktopWindow(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    }
    return 1;
}

void SeeThrough::Moved(bool wallpaper) {
    const HWND hwnd = window_.Handle();
    if (!hwnd)
        return;
    wallpaperKept_ = false; // another part of the wallpaper lies behind it now
    if (!wallpaper && IsLayered() && !opaque_)
        return; // the picture moves with the window; the system shows what lies beneath
    ::InvalidateRect(hwnd, nullptr, TRUE);
    if (!wallpaper)
        ::UpdateWindow(hwnd); // keeps the background current while the window is dragged
}

// --- The capture path's reveal -------------------------------------------------------------------

void SeeThrough::RevealBeneath() {
    const HWND hwnd = window_.Handle();
    if (!hwnd || !::IsWindowVisible(hwnd))
        return; // a hidden clock (kept out of a full-screen program) is not shown by its paint
    if (transitionsOffFor_ != hwnd) {
        ui::Compositor::Instance().DisableTransitions(hwnd);
        transitionsOffFor_ = hwnd;
    }
    ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, kHideInPlace);
    RECT r{};
    ::GetWindowRect(hwnd, &r);
    // A desktop that paints its own background (no shell window over it, as in Wine's virtual
    // desktop) is not among the top-level windows: it repaints its part now as well.
    ::RedrawWindow(::GetDesktopWindow(), &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RepaintWindowsUnder(r);
    CaptureScreen(r, beneath_);
    ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, kShowInPlace);
}

void SeeThrough::RepaintWindowsUnder(const RECT& area) {
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
