#include "clockwindow/ClockWindow_win.h"

#include "clock/FaceTexts.h"
#include "clock/Locale_win.h"
#include "clock/TickAim.h"
#include "ui/Dispatch.h"
#include "ui/Dpi.h"
#include "ui/MediaPlayer.h"
#include "ui/PopupMenu.h"

#include <windowsx.h>

TWobToke* WobToke = nullptr;

namespace {
constexpr UINT_PTR kTimer1 = 1;
} // namespace

TWobToke::TWobToke(ui::Application& app, ClockSource clock)
    : DateLbl(*this), WeekLbl(*this), TimeLbl(*this), app_(app),
      popupMenu_(std::make_unique<ui::PopupMenu>()), mediaPlayer_(std::make_unique<ui::MediaPlayer>()) {
    WobToke = this;
    LocalClock = clock ? std::move(clock) : ClockSource([] {
        SYSTEMTIME st;
        ::GetLocalTime(&st);
        return st;
    });
    locale_ = ReadLocaleValues();

    // Design appearance, in force until the settings file is applied.
    for (TShadowLabel* l : {&DateLbl, &WeekLbl, &TimeLbl})
        l->BeginLoading();
    SetupLabel(DateLbl, clRed, false, true);
    SetupLabel(WeekLbl, clRed, true, false);
    SetupLabel(TimeLbl, clWhite, true, false);
    DateLbl.SetCaption("DateLbl");
    WeekLbl.SetCaption("WeekLbl");
    TimeLbl.SetCaption("TimeLbl");

    CreateParams p{"TWobToke"};
    p.caption = "Morovin";
    p.style = WS_POPUP | WS_CLIPSIBLINGS;
    p.left = kClockDesignLeft;
    p.top = kClockDesignTop;
    p.width = 250;
    p.height = 204;
    p.owner = app.AppWindow();
    p.icon = ::LoadIconA(ui::ModuleInstance(), "MAINICON");
    CreateHandle(p);
    app.SetMainWindow(Handle());
    // The labels measure themselves first at EndLoading below, at the DPI of the window's monitor.
    fonts_.SetDpi(ui::DpiForWindow(Handle()));

    BuildPopupMenu();
    trayIcon_.emplace(TrayIconMessage);
    LoadTrayIconImage();
    // The first tick too comes just after a turn of the second.
    timer1_.Start(Handle(), kTimer1, NextTickDelayMs(LocalClock().wMilliseconds));

    for (TShadowLabel* l : {&DateLbl, &WeekLbl, &TimeLbl})
        l->EndLoading();
    ui::Dispatch([this] { FormCreate(); });
}

TWobToke::~TWobToke() {
    timer1_.Stop();
    Destroy();
    if (WobToke == this)
        WobToke = nullptr;
}

void TWobToke::SetupLabel(TShadowLabel& label, TColor fontColour, bool shadowVisible, bool wordWrap) {
    label.SetTransparent(true);
    label.SetWordWrap(wordWrap);
    LabelFont font; // "ＭＳ Ｐゴシック", -27, Shift-JIS, regular
    font.color = fontColour;
    label.SetFont(font);
    label.Highlight().Assign(TShadow(true, clWhite, -1, -1));
    label.Shadow().Assign(TShadow(shadowVisible, clBlack, 4, 4));
    label.OnMouseDown = [this](TMouseButton button, int, int) { FormMouseDown(button); };
}

void TWobToke::ReadLocaleSeparators() {
    ReadLocaleSeparatorsInto(locale_);
}

ClockTime TWobToke::Now() const {
    return ToClockTime(LocalClock());
}

// --- Clock face ------------------------------------------------------------------------------

void TWobToke::CompensateItalicWidth(TShadowLabel& label) {
    const LabelRect text = MeasureText(label.DrawnText(), label.Font(),
                                       drawflags::kCalcRect | drawflags::kExpandTabs, LabelRect{});
    // The rule's extra (a fifth of the size in points, and the date shadow's offset) is in
    // 96-dpi units; the measured width is in the window's pixels.
    const int extra = CompensatedWidth(0, label.Font(), DateLbl.Shadow().OffsetLeft());
    label.SetWidth(text.Width() + ui::ScaleForDpi(extra, fonts_.Dpi()));
}

void TWobToke::OnDpiChanged(int dpi, const RECT& suggested) {
    const int previous = fonts_.Dpi();
    if (dpi > 0 && dpi != previous) {
        fonts_.SetDpi(dpi);
        for (TShadowLabel* l : {&DateLbl, &WeekLbl, &TimeLbl}) {
            l->Rescale(dpi, previous);
            if (QualifiesForItalicCompensation(l->Font().style))
                CompensateItalicWidth(*l);
        }
        LoadTrayIconImage();
    }
    ::SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutLabels();
}

void TWobToke::RefreshClockText() {
    RefreshClockText(Now());
}

void TWobToke::ShowDateAndWeekday(const ClockTime& now) {
    DateLbl.SetCaption(DateText(Settings, now, locale_));
    if (QualifiesForItalicCompensation(DateLbl.Font().style))
        CompensateItalicWidth(DateLbl);
    WeekLbl.SetCaption(WeekdayText(Settings, now, locale_));
    if (QualifiesForItalicCompensation(WeekLbl.Font().style))
        CompensateItalicWidth(WeekLbl);
}

void TWobToke::RefreshClockText(const ClockTime& now) {
    // One reading of the clock for the three texts shown together, so the date and the time
    // never straddle midnight.
    ShowDateAndWeekday(now);
    std::string timeText = TimeText(Settings, now, locale_);
    if (AlarmAndSignalChecks()) {
        // The alarm box was open for as long as the user let it be: the reading from before it
        // is stale, and the moment it closed is when the user looks at the clock.
        const ClockTime later = Now();
        ShowDateAndWeekday(later);
        timeText = TimeText(Settings, later, locale_);
    }
    TimeLbl.SetCaption(timeText);
    if (QualifiesForItalicCompensation(TimeLbl.Font().style))
        CompensateItalicWidth(TimeLbl);
}

void TWobToke::LayoutLabels() {
    if (!Handle())
        return;
    DateLbl.SetBounds(0, 0, DateLbl.Width(), DateLbl.Height());
    WeekLbl.SetBounds(DateLbl.Left() + DateLbl.Width(), 0, WeekLbl.Width(), WeekLbl.Height());
    TimeLbl.SetBounds(DateLbl.Left() + DateLbl.Width() + WeekLbl.Width(), 0, TimeLbl.Width(),
                      TimeLbl.Height());
    SetWindowSize(DateLbl.Left() + DateLbl.Width() + WeekLbl.Width() + TimeLbl.Width(), DateLbl.Height());
    if (!levelApplied_ || topmost_ != Settings.StayOnTop)
        SetStayOnTop(Settings.StayOnTop);
    // Only an icon known to be missing costs a call into the shell; a restarted shell asks for
    // it through its broadcast.
    trayIcon_->EnsureRegistered(Handle());
}

void TWobToke::Timer1Timer() {
    if (!Handle())
        return; // a tick resumed after the clock closed under an open box
    const SYSTEMTIME reading = LocalClock();
    // Aimed before anything can open a box and run further ticks inside this one.
    AimNextTick(reading);
    RefreshClockText(ToClockTime(reading));
    LayoutLabels();
}

// --- Geometry --------------------------------------------------------------------------------

RECT TWobToke::BoundsRect() const {
    RECT r{};
    ::GetWindowRect(Handle(), &r);
    return r;
}

void TWobToke::SetWindowLeft(int left) {
    const RECT r = BoundsRect();
    if (r.left != left)
        ::SetWindowPos(Handle(), nullptr, left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWobToke::SetWindowTop(int top) {
    const RECT r = BoundsRect();
    if (r.top != top)
        ::SetWindowPos(Handle(), nullptr, r.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWobToke::SetWindowSize(int width, int height) {
    const RECT r = BoundsRect();
    if (r.right - r.left != width || r.bottom - r.top != height)
        ::SetWindowPos(Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWobToke::SetStayOnTop(bool topmost) {
    // The window keeps its handle; only its level changes.
    ::SetWindowPos(Handle(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    topmost_ = topmost;
    levelApplied_ = true;
}

void TWobToke::LoadTrayIconImage() {
    // The small-icon size at the clock's DPI; the resource holds an image drawn for each common one.
    const int dpi = fonts_.Dpi();
    ui::unique_hicon image(static_cast<HICON>(
        ::LoadImageA(ui::ModuleInstance(), "MAINICON", IMAGE_ICON, ui::SystemMetricForDpi(SM_CXSMICON, dpi),
                     ui::SystemMetricForDpi(SM_CYSMICON, dpi), LR_DEFAULTCOLOR)));
    trayIcon_->SetImage(image.get()); // the shell has the new picture before the old one goes
    trayIconImage_ = std::move(image);
}

void TWobToke::DeleteTrayIcon() {
    if (trayIcon_)
        trayIcon_->Delete();
}

// --- Labels on the window ----------------------------------------------------------------------

void TWobToke::InvalidateArea(const LabelRect& area) {
    if (!Handle())
        return;
    RECT r{area.left, area.top, area.right, area.bottom};
    ::UnionRect(&layeredOwed_, &layeredOwed_, &r);
    ::InvalidateRect(Handle(), &r, TRUE);
}

LabelRect TWobToke::MeasureText(const std::string& text, const LabelFont& font, unsigned flags,
                                const LabelRect& start) {
    return MeasureLabelText(text, font, flags, start, fonts_);
}

TShadowLabel* TWobToke::LabelAt(POINT p) {
    for (TShadowLabel* l : {&TimeLbl, &WeekLbl, &DateLbl}) {
        if (l->Visible() && p.x >= l->Left() && p.x < l->Left() + l->Width() && p.y >= l->Top() &&
            p.y < l->Top() + l->Height())
            return l;
    }
    return nullptr;
}

// --- Start-up and shutdown -----------------------------------------------------------------------

void TWobToke::FormCreate() {
    LoadSettings();
    const ClockTime now = Now();
    DateLbl.SetCaption(DateText(Settings, now, locale_));
    WeekLbl.SetCaption(WeekdayText(Settings, now, locale_));
    TimeLbl.SetCaption(TimeText(Settings, now, locale_));
    if (QualifiesForItalicCompensation(DateLbl.Font().style)) {
        CompensateItalicWidth(DateLbl);
        CompensateItalicWidth(TimeLbl);
        CompensateItalicWidth(WeekLbl);
    }
    LayoutLabels();
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
    trayIcon_.reset();
    ::DestroyWindow(Handle());
}

// --- Messages -----------------------------------------------------------------------------------

LRESULT TWobToke::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == TrayIcon::TaskbarCreatedMessage()) {
        if (trayIcon_)
            trayIcon_->ShellRestarted(Handle());
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
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return OnEraseBackground(reinterpret_cast<HDC>(wp));
    case WM_MOVE:
        OnMove();
        return 0;
    case WM_DPICHANGED:
        if (lp)
            OnDpiChanged(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
        return 0;
    case WM_DISPLAYCHANGE:
    case WM_DWMCOMPOSITIONCHANGED: // a layered clock's edges may blend or be cut from now on
        RetryLayered();
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
        if (popupMenu_->RunItem(LOWORD(wp)))
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
        trayIcon_.reset(); // the registration never outlives the window it is bound to
        timer1_.Stop();
        if (EndsApplication)
            ::PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefaultHandling(msg, wp, lp);
}
