#include "clock/ClockWindow_win.h"

// See-through painting. The window never fills a background colour of its own; every repaint
// composes the whole client area in the back buffer (background, then the three labels) and
// copies it to the window once, so no label is ever seen half drawn.
//
// Screen mode: the reveal hides the window in place, makes the windows under it repaint, copies
// the screen pixels it covered into `beneath_` while it is still hidden, and shows it again.
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

// The desktop compositor's entry points, when the platform has them. dwmapi.dll is loaded on
// first use only: it is missing on systems without desktop composition.
class Compositor {
public:
    static Compositor& Instance() {
        static Compositor compositor;
        return compositor;
    }
    Compositor(const Compositor&) = delete;
    Compositor& operator=(const Compositor&) = delete;

    // Waits until everything drawn so far is on the composed screen.
    void Flush() const {
        if (flush_)
            flush_();
    }
    // Hiding and showing must take effect at once, without a fade that the capture would catch.
    void DisableTransitions(HWND hwnd) const {
        if (!setAttribute_)
            return;
        constexpr DWORD kTransitionsForceDisabled = 3; // DWMWA_TRANSITIONS_FORCEDISABLED
        BOOL disabled = TRUE;
        setAttribute_(hwnd, kTransitionsForceDisabled, &disabled, sizeof(disabled));
    }

private:
    using FlushFn = HRESULT(WINAPI*)();
    using SetAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);

    Compositor() : module_(::LoadLibraryA("dwmapi.dll")) {
        if (!module_)
            return;
        flush_ = reinterpret_cast<FlushFn>(Proc("DwmFlush"));
        setAttribute_ = reinterpret_cast<SetAttributeFn>(Proc("DwmSetWindowAttribute"));
    }
    ~Compositor() {
        if (module_)
            ::FreeLibrary(module_);
    }
    // Through a plain function pointer type, which converts to any other without a warning.
    void (*Proc(const char* name) const)() {
        return reinterpret_cast<void (*)()>(::GetProcAddress(module_, name));
    }

    HMODULE module_;
    FlushFn flush_ = nullptr;
    SetAttributeFn setAttribute_ = nullptr;
};

// Copies the screen pixels of `area` into `into`, once all drawing so far has reached the screen.
void CaptureScreen(const RECT& area, ui::BackBuffer& into) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return;
    ::GdiFlush();
    Compositor::Instance().Flush();
    ui::WindowDc screen(nullptr);
    HDC dc = into.Prepare(screen.get(), width, height);
    ::BitBlt(dc, 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY | CAPTUREBLT);
}

} // namespace

void TWobToke::OnPaint() {
    const bool wallpaper = Settings.WallpaperMode;
    if (!wallpaper)
        RevealBeneath();
    // All of the window is composed every time: the reveal has just renewed all of its
    // background, and in wallpaper mode every pixel a label leaves must get the wallpaper back.
    ::InvalidateRect(Handle(), nullptr, TRUE);
    ui::PaintDc paint(Handle()); // erases first: the wallpaper in wallpaper mode, nothing otherwise

    RECT client{};
    ::GetClientRect(Handle(), &client);
    const int width = client.right, height = client.bottom;
    if (width <= 0 || height <= 0)
        return;
    HDC back = backBuffer_.Prepare(paint.get(), width, height);
    HDC background = wallpaper ? paint.get() : beneath_.Prepare(paint.get(), width, height);
    ::BitBlt(back, 0, 0, width, height, background, 0, 0, SRCCOPY);
    for (const TShadowLabel* l : {&DateLbl, &WeekLbl, &TimeLbl})
        PaintShadowLabel(*l, back, fonts_);
    ::BitBlt(paint.get(), 0, 0, width, height, back, 0, 0, SRCCOPY);
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
    ::InvalidateRect(Handle(), nullptr, TRUE);
    if (!Settings.WallpaperMode)
        ::UpdateWindow(Handle()); // keeps the background current while the window is dragged
}

void TWobToke::RevealBeneath() {
    if (transitionsOffFor_ != Handle()) {
        Compositor::Instance().DisableTransitions(Handle());
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
