#include "dialogs/AlarmBox.h"

#include "base/AppError.h"
#include "ui/Dispatch.h"
#include "ui/Dpi.h"
#include "ui/WideCalls.h"

#include <algorithm>
#include <utility>

namespace {

constexpr const char* kCaption = "情報";
constexpr const char* kButtonCaption = "はい(&Y)";
// At 96 dpi, like the icon's 32 pixels; scaled to the box's DPI.
constexpr int kMargin = 12;
constexpr int kButtonMinWidth = 75;
constexpr int kButtonMinHeight = 23;
constexpr int kButtonTextPadding = 10;

// An empty dialog template; the controls are made and placed once the text is measured.
struct alignas(4) EmptyDialogTemplate {
    DLGTEMPLATE dialog{};
    WORD menu = 0, windowClass = 0, title = 0;
};

} // namespace

TAlarmBox::TAlarmBox(ui::Application& app, std::string text) : app_(app), text_(std::move(text)) {
    Image1.SetId(kImageId);
    Label1.SetId(kTextId);
    Button1.SetId(kButtonId);
    Button1.OnClick = [this] { Button1Click(); };
}

TAlarmBox::~TAlarmBox() {
    // The box goes first and takes its controls with it.
    if (hwnd_)
        ::DestroyWindow(hwnd_);
}

bool TAlarmBox::Create() {
    EmptyDialogTemplate tmpl;
    tmpl.dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    tmpl.dialog.dwExtendedStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST;
    // Owned by the hidden application window, so it has no task-bar button.
    ::CreateDialogIndirectParamW(ui::ModuleInstance(), &tmpl.dialog, app_.AppWindow(), &Procedure,
                                 reinterpret_cast<LPARAM>(this));
    if (!hwnd_)
        return false;
    ui::SetTextOf(hwnd_, kCaption);
    try {
        LayOut();
    } catch (const AppError&) {
        ::DestroyWindow(hwnd_);
        return false;
    }
    return true;
}

void TAlarmBox::Show(ui::Application& app, std::string text) {
    TAlarmBox box(app, std::move(text));
    if (box.Create()) {
        box.ShowModal();
        return;
    }
    // Owned by the hidden application window, as the box of our own would be; the clock goes on
    // ticking in the message box's loop.
    ui::ShowMessageBox(app.AppWindow(), box.text_, kCaption,
                       MB_ICONINFORMATION | MB_OK | MB_TOPMOST | MB_SETFOREGROUND);
}

void TAlarmBox::ShowModal() {
    closed_ = false;
    RECT r{};
    ::GetWindowRect(hwnd_, &r);
    const POINT at = ui::CentreOn(screen_.monitor, r.right - r.left, r.bottom - r.top);
    ::SetWindowPos(hwnd_, HWND_TOPMOST, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    app_.RunModal(hwnd_, [this] { return closed_; });
}

void TAlarmBox::Button1Click() {
    closed_ = true;
}

HFONT TAlarmBox::Font() const {
    return font_ ? font_.get() : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

SIZE TAlarmBox::MeasureText(const std::string& text, UINT flags, int maxWidth) const {
    if (text.empty())
        return SIZE{0, 0}; // not the wrapping width: an empty text takes no room at all
    ui::WindowDc dc(hwnd_);
    ui::SelectedObject selected(dc.get(), Font());
    RECT r{0, 0, maxWidth, 0};
    ui::DrawShiftJisText(dc.get(), text, r, flags | DT_CALCRECT);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

// Icon and text side by side, the button centred beneath; the box takes the size they need, in
// pixels at the DPI of the clock's monitor, where it is placed before anything is measured (so
// the system gives it that DPI from the start).
void TAlarmBox::LayOut() {
    screen_ = ui::DialogScreenOf(app_);
    const int dpi = screen_.dpi;
    const POINT centre = ui::CentreOn(screen_.monitor, 0, 0);
    ::SetWindowPos(hwnd_, nullptr, centre.x, centre.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Its controls are made here, not by a template: the dialog manager's own rescaling would
    // only get in the way of ChangeDpi.
    ui::LeaveDpiChangesToDialog(hwnd_);
    font_ = ui::MessageFontForDpi(dpi);
    const Layout layout = Measure(dpi, screen_.monitor);
    Image1.Create(hwnd_, layout.image, "", Font());
    ShowIcon(layout.image.width);
    if (!text_.empty())
        Label1.Create(hwnd_, layout.text, text_, Font());
    Button1.Create(hwnd_, layout.button, kButtonCaption, Font());
    ::SendMessageW(hwnd_, DM_SETDEFID, kButtonId, 0);
    ::SetFocus(Button1.Handle());
    // The frame at the DPI the window really has (not that of SetDialogDpi, if it differs).
    FitFrame(layout, ui::DpiForWindow(hwnd_));
}

TAlarmBox::Layout TAlarmBox::Measure(int dpi, const RECT& monitor) const {
    const int margin = ui::ScaleForDpi(kMargin, dpi);
    const int iconSize = ui::SystemMetricForDpi(SM_CXICON, dpi);
    const int monitorWidth = monitor.right - monitor.left;
    const SIZE textSize =
        MeasureText(text_, DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX, std::max(1, monitorWidth / 2));
    const SIZE captionSize = MeasureText(kButtonCaption, DT_SINGLELINE, 0);
    const int buttonWidth = std::max<int>(ui::ScaleForDpi(kButtonMinWidth, dpi), captionSize.cx + 2 * margin);
    const int buttonHeight = std::max<int>(ui::ScaleForDpi(kButtonMinHeight, dpi),
                                           captionSize.cy + ui::ScaleForDpi(kButtonTextPadding, dpi));

    const int textLeft = margin + iconSize + margin;
    const int contentHeight = std::max<int>(iconSize, textSize.cy);
    const int besideIcon = text_.empty() ? 0 : static_cast<int>(textSize.cx) + margin;
    Layout layout;
    layout.clientWidth = std::max<int>(textLeft + besideIcon, buttonWidth + 2 * margin);
    const int buttonTop = margin + contentHeight + margin;
    layout.clientHeight = buttonTop + buttonHeight + margin;
    layout.image = {margin, margin, iconSize, iconSize};
    // A text shorter than the icon sits level with the icon's middle.
    const int textTop = margin + (contentHeight - static_cast<int>(textSize.cy)) / 2;
    layout.text = {textLeft, textTop, static_cast<int>(textSize.cx), static_cast<int>(textSize.cy)};
    layout.button = {(layout.clientWidth - buttonWidth) / 2, buttonTop, buttonWidth, buttonHeight};
    return layout;
}

void TAlarmBox::ShowIcon(int size) {
    // The system's shared icon at its own size; scaled down from its largest image at any other.
    ui::unique_hicon icon = size == ::GetSystemMetrics(SM_CXICON)
                                ? ui::unique_hicon()
                                : ui::SystemIconForSize(IDI_INFORMATION, size);
    Image1.SetIcon(icon ? icon.get() : ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_INFORMATION)));
    icon_ = std::move(icon); // the previous one goes once the control shows the new one
}

void TAlarmBox::ChangeDpi(int dpi, const RECT& suggested) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!::GetMonitorInfoW(::MonitorFromRect(&suggested, MONITOR_DEFAULTTONEAREST), &monitor))
        monitor.rcMonitor = screen_.monitor;
    const ui::unique_hfont previous = std::exchange(font_, ui::MessageFontForDpi(dpi));
    const Layout layout = Measure(dpi, monitor.rcMonitor);
    Image1.MoveTo(layout.image);
    ShowIcon(layout.image.width);
    if (Label1.Handle()) {
        Label1.MoveTo(layout.text);
        Label1.UseFont(Font());
    }
    Button1.MoveTo(layout.button);
    Button1.UseFont(Font());
    ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    FitFrame(layout, dpi);
    ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TAlarmBox::FitFrame(const Layout& layout, int dpi) {
    RECT frame{0, 0, layout.clientWidth, layout.clientHeight};
    ui::AdjustWindowRectForDpi(frame, static_cast<DWORD>(::GetWindowLongW(hwnd_, GWL_STYLE)),
                               static_cast<DWORD>(::GetWindowLongW(hwnd_, GWL_EXSTYLE)), dpi);
    int width = frame.right - frame.left, height = frame.bottom - frame.top;
    ::SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Whatever frame the window really has: the client area comes out exact.
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    if (client.right == layout.clientWidth && client.bottom == layout.clientHeight)
        return;
    width += layout.clientWidth - client.right;
    height += layout.clientHeight - client.bottom;
    ::SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK TAlarmBox::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        auto* self = reinterpret_cast<TAlarmBox*>(lp);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, DWLP_USER, lp);
        return FALSE; // the focus is set once the controls are made
    }
    auto* self = reinterpret_cast<TAlarmBox*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!self)
        return FALSE;
    if (msg == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
        return FALSE;
    }
    bool handled = false;
    ui::Dispatch([&] { handled = self->HandleMessage(msg, wp, lp); });
    return handled ? TRUE : FALSE;
}

bool TAlarmBox::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DPICHANGED) {
        ChangeDpi(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
        return true;
    }
    // The only notification its controls give is the button's click.
    if (msg != WM_COMMAND)
        return false;
    LRESULT result = 0;
    if (ui::RouteControlMessage(msg, wp, lp, result))
        return true;
    // Enter and Esc come from the dialog manager as IDOK and IDCANCEL, the close box as IDCANCEL:
    // they close the box as the button does.
    if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)
        closed_ = true;
    return true;
}
