#pragma once
// The clock's see-through painting: everything it keeps between two paints (the fonts, the back
// buffer, what lay beneath at the last reveal, the area still owed, the two layered pictures and
// how often the layered window was refused in a row). The window never fills a background colour
// of its own.
//
// Screen mode, where the system takes layered windows: the system itself shows what lies beneath
// between the letters; a repaint draws only the labels that changed, with per-pixel alpha where
// the desktop composes windows and with a colour key where it does not. Where the system refuses
// the layered window several times in a row, the capture path takes over until the display or the
// composition changes, the session is unlocked or connected again, or the system resumes; and
// about once a minute the layered window is tried once more. A single refusal costs one repaint
// on that path.
//
// Otherwise every repaint composes the area it owes in the back buffer (background, then the
// labels) and copies it to the window once, so no label is ever seen half drawn.
//
// Screen mode without a layered window: the reveal hides the window in place, makes the windows
// under it repaint, copies the screen pixels it covered while it is still hidden, and shows it
// again. Copying, instead of trusting the screen to keep its pixels under a window that paints no
// background, is what makes the mode hold where windows are composed off screen: there such a
// window shows nothing of what lies beneath (black in Wine, stale or empty under desktop
// composition on Windows).
//
// Wallpaper mode: the desktop paints its background into the window's own DC, whose origin is
// the window's place on the screen, so the wallpaper lines up with the rest of the desktop. That
// background is read back once and kept until the window moves or a whole repaint is asked for
// (a new wallpaper, display or mode); each repaint lays the kept wallpaper into the back buffer
// and draws the labels over it there, with no erase and no read from the screen.
#include "clockwindow/KeyedSurface_win.h"
#include "clockwindow/LayeredSurface_win.h"
#include "ui/DibBuffer.h"
#include "ui/Window.h"
#include "widgets/ShadowLabelPaint_win.h"

#include <functional>

class SeeThrough {
public:
    // Draws the labels that meet `area` (client coordinates) onto `dc` in the given font quality.
    using DrawLabels = std::function<void(HDC dc, const RECT& area, BYTE quality)>;

    // Paints `window`, whatever handle it has: none yet while it is being made, none once gone.
    explicit SeeThrough(const ui::Window& window) : window_(window) {}

    // The labels' fonts at the window's DPI, for measuring as for painting.
    ui::FontCache& Fonts() { return fonts_; }
    const ui::FontCache& Fonts() const { return fonts_; }

    // WM_PAINT, WM_ERASEBKGND and WM_MOVE of the window, in either mode.
    void Paint(bool wallpaper, const DrawLabels& draw);
    LRESULT EraseBackground(HDC dc, bool wallpaper);
    void Moved(bool wallpaper);

    // `area` changed: it is repainted, on whichever path paints next.
    void Owe(const RECT& area);
    void RepaintWhole();
    // A new display mode or composition, an unlocked session, a resume: the layered window is
    // tried again.
    void RetryLayered();

    // The capture path's look beneath the window: hides it, lets what lies under it repaint,
    // copies those pixels and shows it again.
    void RevealBeneath();
    static void RepaintWindowsUnder(const RECT& area);

    bool IsLayered() const;
    bool IsKeyed() const { return keyed_.Shown(); }
    // GetLastError of the last refused layered update; 0 while none was refused.
    DWORD LayeredError() const { return layered_.LastError(); }
    // Screen mode's per-pixel-alpha picture (tests replace its call into the system).
    LayeredSurface& Layered() { return layered_; }

    // Refusals of the layered window in a row after which the capture path takes over.
    static constexpr int kLayeredRefusalsToGiveUp = 3;
    // How long after giving up the layered window is tried once more by itself; a refusal then
    // gives it up again at once.
    static constexpr ULONGLONG kLayeredRetryMs = 60000;
    // Screen mode draws into a layered window unless the system refuses it; off, it reveals and
    // captures what lies beneath at every repaint (the tests reach that path this way).
    bool AllowLayered = true;
    // Where the desktop does not compose windows, screen mode's layered window cuts out a key
    // colour; off, it cuts out the pixels of alpha 0 there too (the tests reach that path so).
    bool KeyWhereNotComposed = true;
    // Per-pixel alpha blends its edges where the desktop composes windows and cuts them where it
    // does not; on, it blends them all the same (a display whose compositing the system does not
    // report, as a compositing X manager under Wine).
    bool BlendWhereNotComposed = false;
    // The clock lets clicks through (WS_EX_TRANSPARENT, set by its owner): the paths that paint a
    // plain window keep it layered at full opacity, for only a layered window lets them through.
    bool ClickThrough = false;

private:
    bool PaintLayered(const DrawLabels& draw);
    void PaintComposed(bool wallpaper, const DrawLabels& draw);
    bool SetLayeredStyle(bool on);
    void SetComposedStyle();
    RECT TakeOwedArea();
    bool WallpaperKeptFor(const RECT& client) const;
    void KeepWallpaper(HDC painted, const RECT& client);
    RECT Client() const;

    const ui::Window& window_;
    ui::FontCache fonts_;
    // A DIB section of its own, not a bitmap compatible with the window: on a DC that goes through
    // the display driver every font selection costs a call into that driver (under Wine an X
    // resource lookup), three a label.
    ui::DibBuffer backBuffer_;
    // Screen mode: what lay under the window at the last reveal; wallpaper mode: the wallpaper
    // behind the whole client area, while wallpaperKept_.
    ui::DibBuffer beneath_;
    bool wallpaperKept_ = false;
    SIZE keptSize_{};
    LayeredSurface layered_;
    KeyedSurface keyed_;
    int layeredRefusals_ = 0; // in a row
    ULONGLONG gaveUpAt_ = 0;  // GetTickCount64() when the refusals last reached kLayeredRefusalsToGiveUp
    bool opaque_ = false;     // layered at full opacity for a composed path (ClickThrough)
    // What the layered window owes since its last update: Wine hands a window drawn with
    // UpdateLayeredWindowIndirect an empty paint rectangle, so the area asked for is kept here.
    RECT owed_{};
    HWND transitionsOffFor_ = nullptr;
};
