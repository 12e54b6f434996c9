#include "ui/Control.h"

#include "base/AppError.h"
#include "ui/WideCalls.h"
#include "ui/WideText.h"
#include "ui/Window.h"

namespace ui {
namespace {

constexpr const wchar_t* kControlProperty = L"MorovinControl";
// Control ids start above IDOK..IDHELP, so the keyboard's Enter and Esc (which the dialog manager
// turns into IDOK and IDCANCEL) never press one of our buttons by accident.
int nextControlId = 1000;

} // namespace

Place Within(const Place& frame, const Place& inner) {
    return Place{frame.left + inner.left, frame.top + inner.top, inner.width, inner.height};
}

Place ScalePlace(const Place& place, int dpi) {
    const int left = ScaleForDpi(place.left, dpi), top = ScaleForDpi(place.top, dpi);
    return Place{left, top, ScaleForDpi(place.Right(), dpi) - left, ScaleForDpi(place.Bottom(), dpi) - top};
}

Control::~Control() {
    if (hwnd_ && ControlOf(hwnd_) == this) {
        Unlink();
        ::DestroyWindow(hwnd_);
    }
}

void Control::Unlink() {
    ::RemovePropW(hwnd_, kControlProperty);
}

HWND Control::CreateChild(HWND parent, const char* className, DWORD style, DWORD exStyle, const Place& place,
                          std::string_view caption, HFONT font) {
    const int id = id_ ? id_ : nextControlId++;
    const Place pixels = ScalePlace(place, dpi_);
    HWND hwnd =
        ::CreateWindowExW(exStyle, Wide(className).c_str(), Wide(caption).c_str(), style | WS_CHILD,
                          pixels.left, pixels.top, pixels.width, pixels.height, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ModuleInstance(), nullptr);
    if (!hwnd)
        throw AppError(std::string("CreateWindow ") + className);
    // Each new control goes last, so the tab order is the order of creation.
    ::SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SetPropW(hwnd, kControlProperty, this);
    if (font)
        ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    hwnd_ = hwnd;
    id_ = id;
    showsText_ = font != nullptr;
    place_ = place;
    pixels_ = pixels;
    return hwnd;
}

void Control::Rescale(int dpi, HFONT font) {
    dpi_ = dpi;
    MoveTo(place_);
    if (showsText_ && font)
        UseFont(font);
}

void Control::MoveTo(const Place& place) {
    place_ = place;
    pixels_ = ScalePlace(place, dpi_);
    ::SetWindowPos(hwnd_, nullptr, pixels_.left, pixels_.top, pixels_.width, pixels_.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::UseFont(HFONT font) {
    ::SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

bool Control::Enabled() const {
    return ::IsWindowEnabled(hwnd_) != FALSE;
}

void Control::SetEnabled(bool enabled) {
    ::EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

bool Control::Visible() const {
    return (::GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Control::SetVisible(bool visible) {
    ::ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

std::string Control::Text() const {
    return WindowText(hwnd_);
}

void Control::SetText(std::string_view text) {
    SetTextOf(hwnd_, text);
}

Control* ControlOf(HWND hwnd) {
    return hwnd ? static_cast<Control*>(::GetPropW(hwnd, kControlProperty)) : nullptr;
}

bool RouteControlMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
    case WM_COMMAND:
        if (Control* c = ControlOf(reinterpret_cast<HWND>(lp))) {
            c->Command(HIWORD(wp));
            result = 0;
            return true;
        }
        return false;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (Control* c = ControlOf(reinterpret_cast<HWND>(lp))) {
            c->Scroll(LOWORD(wp));
            result = 0;
            return true;
        }
        return false;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        if (Control* c = ControlOf(item->hwndItem); c && c->DrawItem(*item)) {
            result = TRUE;
            return true;
        }
        return false;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSCROLLBAR:
        if (Control* c = ControlOf(reinterpret_cast<HWND>(lp))) {
            if (HBRUSH brush = c->Colours(reinterpret_cast<HDC>(wp))) {
                result = reinterpret_cast<LRESULT>(brush);
                return true;
            }
        }
        return false;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lp);
        if (Control* c = ControlOf(header->hwndFrom))
            return c->Notify(*header, result);
        return false;
    }
    default:
        return false;
    }
}

} // namespace ui
