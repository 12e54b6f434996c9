#include "clock/ClockWindow_win.h"

// --- See-through painting -------------------------------------------------------------------------

void TWobToke::OnPaint() {
    if (!Settings.WallpaperMode)
        RevealBeneath();
    ui::PaintDc dc(Handle());
    for (const TShadowLabel* l : {&DateLbl, &WeekLbl, &TimeLbl})
        PaintShadowLabel(*l, dc.get(), fonts_);
}

void TWobToke::OnMove() {
    ::InvalidateRect(Handle(), nullptr, TRUE);
    if (!Settings.WallpaperMode)
        ::UpdateWindow(Handle());
}

void TWobToke::RevealBeneath() {
    ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    RECT r{};
    ::GetWindowRect(Handle(), &r);
    RepaintWindowsUnder(r);
    ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                   SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
}

void TWobToke::RepaintWindowsUnder(const RECT& area) {
    for (HWND w = ::GetWindow(::GetDesktopWindow(), GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(w))
            continue;
        RECT wr{}, i{};
        ::GetWindowRect(w, &wr);
        if (!::IntersectRect(&i, &wr, &area))
            continue;
        POINT tl{i.left, i.top}, br{i.right, i.bottom};
        ::ScreenToClient(w, &tl);
        ::ScreenToClient(w, &br);
        RECT local{tl.x, tl.y, br.x, br.y};
        ::InvalidateRect(w, &local, TRUE);
        ::UpdateWindow(w);
    }
}

void TWobToke::NudgeWindow() {
    if (!Handle())
        return;
    SetWindowLeft(BoundsRect().left + 1);
    SetWindowLeft(BoundsRect().left - 1);
}
