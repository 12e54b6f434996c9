#include "ui/Window.h"

#include "base/AppError.h"
#include "ui/Dispatch.h"
#include "ui/WideText.h"

namespace ui {

HINSTANCE ModuleInstance() {
    return ::GetModuleHandleW(nullptr);
}

Window::~Window() {
    Destroy();
}

void Window::Destroy() {
    if (hwnd_)
        ::DestroyWindow(hwnd_);
}

void Window::CreateHandle(const CreateParams& p) {
    // Unicode windows: their texts and characters reach them as UTF-16 in any code page.
    const std::wstring className = Wide(p.className);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (!::GetClassInfoExW(ModuleInstance(), className.c_str(), &existing)) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.style = p.classStyle;
        wc.lpfnWndProc = &Window::Procedure;
        wc.hInstance = ModuleInstance();
        wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hbrBackground = p.background;
        wc.hIcon = p.icon;
        wc.lpszClassName = className.c_str();
        if (!::RegisterClassExW(&wc))
            throw AppError(std::string("RegisterClass ") + p.className);
    }
    ::CreateWindowExW(p.exStyle, className.c_str(), Wide(p.caption).c_str(), p.style, p.left, p.top, p.width,
                      p.height, p.owner, nullptr, ModuleInstance(), this);
    if (!hwnd_)
        throw AppError(std::string("CreateWindow ") + p.className);
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    return DefaultHandling(msg, wp, lp);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Window* self = nullptr;
    if (msg == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self)
        return ::DefWindowProcW(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        const LRESULT r = ::DefWindowProcW(hwnd, msg, wp, lp);
        self->hwnd_ = nullptr;
        self->HandleDestroyed();
        return r;
    }
    // A handler that raised an error has been reported; the message then counts as handled.
    LRESULT result = 0;
    Dispatch([&] { result = self->HandleMessage(msg, wp, lp); });
    return result;
}

} // namespace ui
