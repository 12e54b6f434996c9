#include "clockwindow/ClockWindow_win.h"

#include "clock/Locale_win.h"
#include "clock/TickAim.h"
#include "ui/Dispatch.h"
#include "ui/Dpi.h"

#include <windowsx.h>

TWobToke* WobToke = nullptr;

namespace {
constexpr UINT_PTR kTimer1 = 1;
} // namespace

TWobToke::TWobToke(ui::Application& app, ClockSource clock) : app_(app), see_(*this), face_(*this) {
    WobToke = this;
    LocalClock = clock ? std::move(clock) : ClockSource([] {
        SYSTEMTIME st;
        ::GetLocalTime(&st);
        return st;
    });
    face_.Locale() = ReadLocaleValues();
    for (TShadowLabel* l : face_.Labels())
        l->OnMouseDown = [this](TMouseButton button, int, int) { FormMouseDown(button); };

    CreateParams p{"TWobToke"};
    p.caption = "Morovin";
    p.style = WS_POPUP | WS_CLIPSIBLINGS;
    p.exStyle = WS_EX_TOOLWINDOW; // shown on every virtual desktop, never in the task bar
    p.left = kClockDesignLeft;
    p.top = kClockDesignTop;
    p.width = 250;
    p.height = 204;
    p.owner = app.AppWindow();
    p.icon = ::LoadIconW(ui::ModuleInstance(), L"MAINICON");
    CreateHandle(p);
    app.SetMainWindow(Handle());
    // The labels measure themselves first at EndLoading below, at the DPI of the window's monitor.
    const int dpi = ui::DpiForWindow(Handle());
    see_.Fonts().SetDpi(dpi);

    BuildPopupMenu();
    tray_.emplace(TrayIconMessage);
    LoadTrayIconImage();
    sessions_.emplace(Handle());
    // The first tick too comes just after a turn of the second.
    timer1_.Start(Handle(), kTimer1, NextTickDelayMs(LocalClock().wMilliseconds));

    face_.EndLoading(dpi);
    ui::Dispatch([this] { FormCreate(); });
}

TWobToke::~TWobToke() {
    timer1_.Stop();
    Destroy();
    if (WobToke == this)
        WobToke = nullptr;
}

void TWobToke::ReadLocaleSeparators() {
    ReadLocaleSeparatorsInto(face_.Locale());
}

ClockTime TWobToke::Now() const {
    return ToClockTime(LocalClock());
}

// --- Clock face ------------------------------------------------------------------------------

void TWobToke::OnDpiChanged(int dpi, const RECT& suggested) {
    RECT before = BoundsRect();
    if (dpi > 0 && dpi != Dpi()) {
        see_.Fonts().SetDpi(dpi);
        face_.Rescale(dpi);
    }
    if (ownMoves_ == 0) {
        ::OffsetRect(&before, suggested.left - before.left, suggested.top - before.top);
        MoveWindowTo(suggested.left, suggested.top);
    }
    LayoutLabels();
    if (userMoving_)
        dpiChangedWhileMoving_ = true;
    else if (!loading_)
        KeepOnMonitor(before);
}

void TWobToke::RefreshClockText() {
    RefreshClockText(Now());
}

void TWobToke::RefreshClockText(const ClockTime& now) {
    // One reading of the clock for the three texts shown together, so the date and the time
    // never straddle midnight.
    face_.ShowDateAndWeekday(Settings, now);
    std::string timeText = face_.TimeText(Settings, now);
    if (AlarmAndSignalChecks()) {
        // The alarm box was open for as long as the user let it be: the reading from before it
        // is stale, and the moment it closed is when the user looks at the clock.
        const ClockTime later = Now();
        face_.ShowDateAndWeekday(Settings, later);
        timeText = face_.TimeText(Settings, later);
    }
    face_.ShowTime(timeText);
}

void TWobToke::LayoutLabels() {
    if (!Handle())
        return;
    const FaceSize size = face_.LayoutLabels();
    SetWindowSize(size.width, size.height);
    if (IsTopmost() != Settings.StayOnTop)
        SetStayOnTop(Settings.StayOnTop);
    // Only an icon known to be missing costs a call into the shell; a restarted shell asks for
    // it through its broadcast.
    tray_->EnsureRegistered(Handle());
}

void TWobToke::Timer1Timer() {
    if (!Handle())
        return; // a tick resumed after the clock closed under an open box
    const SYSTEMTIME reading = LocalClock();
    // Aimed before anything can open a box and run further ticks inside this one.
    AimNextTick(reading);
    RefreshClockText(ToClockTime(reading));
    LayoutLabels();
    fullScreen_.Tick(); // a foreground window that went full screen or left the monitor
}

// --- Geometry --------------------------------------------------------------------------------

RECT TWobToke::BoundsRect() const {
    RECT r{};
    ::GetWindowRect(Handle(), &r);
    return r;
}

void TWobToke::SetWindowLeft(int left) {
    MoveWindowTo(left, BoundsRect().top);
}

void TWobToke::SetWindowTop(int top) {
    MoveWindowTo(BoundsRect().left, top);
}

void TWobToke::MoveWindowTo(int left, int top) {
    const RECT r = BoundsRect();
    if (r.left != left || r.top != top)
        SetOwnWindowPos(nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWobToke::SetWindowSize(int width, int height) {
    const RECT r = BoundsRect();
    if (r.right - r.left != width || r.bottom - r.top != height)
        SetOwnWindowPos(nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWobToke::SetStayOnTop(bool topmost) {
    // The window keeps its handle; only its level changes.
    ::SetWindowPos(Handle(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWobToke::NudgeWindow() {
    if (!Handle())
        return;
    // Two real moves, each a WM_MOVE: in screen mode two reveals, the second at the start.
    SetWindowLeft(BoundsRect().left + 1);
    SetWindowLeft(BoundsRect().left - 1);
}

bool TWobToke::IsTopmost() const {
    return (::GetWindowLongW(Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void TWobToke::LoadTrayIconImage() {
    // The small-icon size at the task bar's DPI, not the clock's; the resource holds an image drawn
    // for each common one. Asked again when the display or a setting changes: only a new DPI loads.
    const int dpi = TrayIcon::TaskBarDpi();
    if (tray_ && tray_->ImageDpi() != dpi)
        tray_->SetImage(
            ui::unique_hicon(static_cast<HICON>(::LoadImageW(
                ui::ModuleInstance(), L"MAINICON", IMAGE_ICON, ui::SystemMetricForDpi(SM_CXSMICON, dpi),
                ui::SystemMetricForDpi(SM_CYSMICON, dpi), LR_DEFAULTCOLOR))),
            dpi);
}

void TWobToke::DeleteTrayIcon() {
    if (tray_)
        tray_->Delete();
}

// --- Labels on the window ----------------------------------------------------------------------

void TWobToke::InvalidateArea(const LabelRect& area) {
    if (Handle())
        see_.Owe(RECT{area.left, area.top, area.right, area.bottom});
}

LabelRect TWobToke::MeasureText(const std::string& text, const LabelFont& font, unsigned flags,
                                const LabelRect& start) {
    return MeasureLabelText(text, font, flags, start, see_.Fonts());
}

void TWobToke::PaintLabels(HDC dc, const RECT& area, BYTE quality) {
    for (const TShadowLabel* l : face_.Labels()) {
        const RECT r{l->Left(), l->Top(), l->Left() + l->Width(), l->Top() + l->Height()};
        RECT common{};
        if (::IntersectRect(&common, &r, &area))
            PaintShadowLabel(*l, dc, see_.Fonts(), quality);
    }
}

TShadowLabel* TWobToke::LabelAt(POINT p) {
    for (TShadowLabel* l : {&face_.TimeLbl, &face_.WeekLbl, &face_.DateLbl}) {
        if (l->Visible() && p.x >= l->Left() && p.x < l->Left() + l->Width() && p.y >= l->Top() &&
            p.y < l->Top() + l->Height())
            return l;
    }
    return nullptr;
}

// --- Start-up and shutdown -----------------------------------------------------------------------

void TWobToke::FormCreate() {
    loading_ = true;
    struct Loaded {
        bool& loading;
        ~Loaded() { loading = false; }
    } loaded{loading_};
    LoadSettings();
    face_.ShowTexts(Settings, Now());
    LayoutLabels();
    loading_ = false;
    // Only now is the size at this DPI known; the file's place was kept on a monitor with the
    // size stored beside it.
    const RECT r = BoundsRect();
    KeepOnMonitor(RECT{r.left, r.top, r.left + storedWidth_.value_or(r.right - r.left),
                       r.top + storedHeight_.value_or(r.bottom - r.top)});
}

bool TWobToke::FormCloseQuery() {
    // A settings file that cannot be written is reported, but never keeps the clock from closing.
    try {
        SaveSettings();
        return true;
    } catch (const std::exception& e) {
        app_.ShowError(e.what());
        return false;
    }
}

void TWobToke::CloseClock(CloseReport report) {
    if (!Handle() || closing_)
        return; // a second request while the first one's error box is up
    closing_ = true;
    if (report == CloseReport::Quiet) {
        // No box may hold the end of the session up, so a failed save goes unreported.
        try {
            SaveSettings();
        } catch (const std::exception&) {
        }
    } else {
        FormCloseQuery();
    }
    // Saved once: saving the same settings again would add nothing. The registration ends before
    // its window, whose last messages then find no icon of theirs in the tray.
    tray_.reset();
    ::DestroyWindow(Handle());
}

// --- Messages -----------------------------------------------------------------------------------

LRESULT TWobToke::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == TrayIcon::TaskbarCreatedMessage()) {
        LoadTrayIconImage();
        if (tray_)
            tray_->ShellRestarted(Handle());
        return 0;
    }
    switch (msg) {
    case WM_TIMER:
        if (wp == kTimer1)
            Timer1Timer();
        return 0;
    case WM_TIMECHANGE:
        OnTimeChange();
        return 0;
    case WM_POWERBROADCAST:
        OnPowerBroadcast(wp);
        return TRUE;
    case WM_PAINT:
        see_.Paint(Settings.WallpaperMode,
                   [this](HDC dc, const RECT& area, BYTE quality) { PaintLabels(dc, area, quality); });
        return 0;
    case WM_ERASEBKGND:
        return see_.EraseBackground(reinterpret_cast<HDC>(wp), Settings.WallpaperMode);
    case WM_MOVE:
        see_.Moved(Settings.WallpaperMode);
        return 0;
    case WM_DPICHANGED:
        if (lp)
            OnDpiChanged(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
        LoadTrayIconImage();
        return 0;
    case WM_ENTERSIZEMOVE:
    case WM_EXITSIZEMOVE:
        OnSizeMoveLoop(msg == WM_ENTERSIZEMOVE);
        return 0;
    case WM_DISPLAYCHANGE:
        LoadTrayIconImage();
        fullScreen_.DisplayChanged();
        [[fallthrough]];
    case WM_DWMCOMPOSITIONCHANGED: // a layered clock's edges may blend or be cut from now on
        see_.RetryLayered();       // and repaints all of it, the wallpaper too
        return 0;
    case WM_WTSSESSION_CHANGE:
        if (SessionNotices::DesktopBack(wp))
            see_.RetryLayered();
        return 0;
    case WM_SETTINGCHANGE:
        LoadTrayIconImage(); // a new scale of the task bar's monitor comes as a setting
        if (wp == SPI_SETDESKWALLPAPER && Settings.WallpaperMode)
            see_.RepaintWhole(); // a tick repaints only the time label's box
        return 0;
    case WM_SYSCOLORCHANGE: // the desktop colour under the wallpaper mode's picture
        see_.RepaintWhole();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        const TMouseButton button = msg == WM_LBUTTONDOWN   ? TMouseButton::Left
                                    : msg == WM_RBUTTONDOWN ? TMouseButton::Right
                                                            : TMouseButton::Middle;
        const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (TShadowLabel* label = LabelAt(p); label && label->OnMouseDown)
            label->OnMouseDown(button, p.x - label->Left(), p.y - label->Top());
        else
            FormMouseDown(button);
        return 0;
    }
    case WM_CONTEXTMENU: {
        POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (p.x == -1 && p.y == -1)
            ::GetCursorPos(&p);
        ShowPopupMenu(p);
        return 0;
    }
    case TrayIconMessage:
        OnTrayIconMessage(wp, lp);
        return 0;
    case WM_COMMAND:
        if (menu_.PopupMenu1.RunItem(LOWORD(wp)))
            return 0;
        break;
    case WM_CLOSE:
        // The quit command, a close of the window and a task manager's "end task" all end here.
        CloseClock(CloseReport::Shown);
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE; // never veto; the close itself comes with WM_ENDSESSION
    case WM_ENDSESSION:
        if (wp)
            CloseClock(CloseReport::Quiet);
        return 0;
    case WM_DESTROY:
        tray_.reset(); // the registration never outlives the window it is bound to
        sessions_.reset();
        timer1_.Stop();
        app_.MainWindowDestroyed(Handle());
        return 0;
    default:
        break;
    }
    return DefaultHandling(msg, wp, lp);
}
