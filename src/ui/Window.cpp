#include "ui/Window.h"

#include "base/AppError.h"
#include "ui/Dispatch.h"

namespace ui {

HINSTANCE ModuleInstance() {
    return ::GetModuleHandleA(nullptr);
}

Window::~Window() {
    Destroy();
}

void Window::Destroy() {
    if (hwnd_)
        ::DestroyWindow(hwnd_);
}

void Window::CreateHandle(const CreateParams& p) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof(existing);
    if (!::GetClassInfoExA(ModuleInstance(), p.className, &existing)) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof(wc);
        wc.style = p.classStyle;
        wc.lpfnWndProc = &Window::Procedure;
        wc.hInstance = ModuleInstance();
        wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.hbrBackground = p.background;
        wc.hIcon = p.icon;
        wc.lpszClassName = p.className;
        if (!::RegisterClassExA(&wc))
            throw AppError(std::string("RegisterClass ") + p.className);
    }
    ::CreateWindowExA(p.exStyle, p.className, p.caption, p.style, p.left, p.top, p.width, p.height, p.owner,
                      nullptr, ModuleInstance(), this);
    if (!hwnd_)
        throw AppError(std::string("CreateWindow ") + p.className);
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    return DefaultHandling(msg, wp, lp);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Window* self = nullptr;
    if (msg == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    if (!self)
        return ::DefWindowProcA(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        const LRESULT r = ::DefWindowProcA(hwnd, msg, wp, lp);
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
