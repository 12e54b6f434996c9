#include "ui/Form.h"

#include "ui/Buttons.h"
#include "ui/WideText.h"

namespace ui {
namespace {
constexpr DWORD kFormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;

unique_hfont DialogFontFor(int dpi) {
    return unique_hfont(::CreateFontW(-ScaleForDpi(Form::kDialogFontHeight, dpi), 0, 0, 0, FW_NORMAL, FALSE,
                                      FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                      DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                      Wide(Form::kDialogFontName).c_str()));
}
} // namespace

Form::Form(Application& app) : app_(app) {}

Form::~Form() {
    Destroy();
}

void Form::CreateForm(const char* className, const char* caption, int clientWidth, int clientHeight) {
    screen_ = DialogScreenOf(app_);
    designClient_ = SIZE{clientWidth, clientHeight};
    const int dpi = screen_.dpi;
    font_ = DialogFontFor(dpi);
    RECT frame{0, 0, ScaleForDpi(clientWidth, dpi), ScaleForDpi(clientHeight, dpi)};
    AdjustWindowRectForDpi(frame, kFormStyle, kFormExStyle, dpi);
    CreateParams p{className};
    p.caption = caption;
    p.style = kFormStyle;
    p.exStyle = kFormExStyle;
    p.width = frame.right - frame.left;
    p.height = frame.bottom - frame.top;
    // Made where it will be shown, so the system gives the window that monitor's DPI from the start.
    const POINT at = CentreOn(screen_.monitor, p.width, p.height);
    p.left = at.x;
    p.top = at.y;
    p.owner = app_.AppWindow();
    p.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    CreateHandle(p);
    FitClientArea();
    // A fixed frame: the system menu offers neither sizing nor minimising nor maximising.
    if (HMENU menu = ::GetSystemMenu(Handle(), FALSE)) {
        for (UINT command : {SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE})
            ::DeleteMenu(menu, command, MF_BYCOMMAND);
    }
}

void Form::FitClientArea() {
    // Sized by the frame the window really has, which is not that of a DPI set by SetDialogDpi
    // nor always the one the system suggests: the client area comes out exact either way.
    const int width = ScaleForDpi(designClient_.cx, Dpi()), height = ScaleForDpi(designClient_.cy, Dpi());
    RECT window{}, client{};
    ::GetWindowRect(Handle(), &window);
    ::GetClientRect(Handle(), &client);
    if (client.right != width || client.bottom != height)
        ::SetWindowPos(Handle(), nullptr, 0, 0, window.right - window.left + width - client.right,
                       window.bottom - window.top + height - client.bottom,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::ChangeDpi(int dpi, const RECT& suggested) {
    if (dpi > 0 && dpi != screen_.dpi) {
        screen_.dpi = dpi;
        unique_hfont font = DialogFontFor(dpi);
        for (Control* control : controls_)
            control->Rescale(dpi, font.get());
        font_ = std::move(font); // the old one goes once no control uses it
    }
    ::SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    FitClientArea();
    ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Form::ShowModal() {
    closed_ = false;
    RECT r{};
    ::GetWindowRect(Handle(), &r);
    const POINT at = CentreOn(screen_.monitor, r.right - r.left, r.bottom - r.top);
    ::SetWindowPos(Handle(), HWND_TOPMOST, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    app_.RunModal(
        Handle(), [this] { return closed_ || !Handle(); }, [this](const MSG& msg) { return FilterKey(msg); });
    if (Handle())
        ::ShowWindow(Handle(), SW_HIDE);
}

void Form::Close() {
    if (FormCloseQuery())
        closed_ = true;
}

bool Form::FilterKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || !keyboardPages_)
        return false;
    if (::GetKeyState(VK_CONTROL) >= 0)
        return false;
    if (msg.hwnd != Handle() && !::IsChild(Handle(), msg.hwnd))
        return false;
    keyboardPages_->SelectNextPage(::GetKeyState(VK_SHIFT) >= 0);
    return true;
}

LRESULT Form::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (RouteControlMessage(msg, wp, lp, result))
        return result;
    switch (msg) {
    case WM_CLOSE:
        // The close box, Alt+F4 and the system menu: the form is hidden, not destroyed.
        Close();
        return 0;
    case WM_ACTIVATE:
        // As in any dialog: the focus leaves with the form and comes back where it was, the
        // first time to the first control in the tab order.
        if (LOWORD(wp) == WA_INACTIVE) {
            HWND focus = ::GetFocus();
            if (focus && ::IsChild(Handle(), focus))
                lastFocus_ = focus;
        } else {
            HWND target = lastFocus_ && ::IsChild(Handle(), lastFocus_)
                              ? lastFocus_
                              : ::GetNextDlgTabItem(Handle(), nullptr, FALSE);
            if (target)
                ::SetFocus(target);
        }
        return 0;
    case WM_DPICHANGED:
        ChangeDpi(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
        return 0;
    case WM_COMMAND:
        // Enter and Esc arrive from the dialog manager as IDOK and IDCANCEL. There is no default
        // and no cancel button: Enter presses the focused push button, if any, and Esc nothing.
        if (LOWORD(wp) == IDOK && lp == 0) {
            if (auto* button = dynamic_cast<PushButton*>(ControlOf(::GetFocus())))
                button->Command(BN_CLICKED);
        }
        return 0;
    default:
        return DefaultHandling(msg, wp, lp);
    }
}

} // namespace ui
