#include "support/TestWindows.h"

namespace testsupport {
namespace {

constexpr char kClassName[] = "MorovinTestColourWindow";
enum : UINT {
    kSetColour = WM_APP + 1, // wp: COLORREF
    kGetPaints,              // result: the number of counted paints
    kGetLastPaint,           // lp: RECT* to fill
    kWatch,                  // wp: HWND
    kGetWatched,             // result: 1 when the watched window was visible at the last paint
};

void RegisterOnce() {
    static const ATOM atom = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ::DefWindowProcA; // replaced per window at WM_NCCREATE
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        return ::RegisterClassA(&wc);
    }();
    (void)atom;
}

} // namespace

ColourWindow::ColourWindow(const RECT& area, COLORREF colour, bool visible, Loop loop)
    : area_(area), colour_(colour), visible_(visible), loop_(loop) {
    RegisterOnce();
    ready_ = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = ::CreateThread(nullptr, 0, Run, this, 0, nullptr);
    ::WaitForSingleObject(ready_, 10000);
    // What the platform does after showing a window (exposure, a second paint) is over by then.
    ::Sleep(100);
}

ColourWindow::~ColourWindow() {
    if (hwnd_)
        ::SendMessageA(hwnd_, WM_CLOSE, 0, 0);
    ::WaitForSingleObject(thread_, 10000);
    ::CloseHandle(thread_);
    ::CloseHandle(ready_);
}

DWORD WINAPI ColourWindow::Run(LPVOID param) {
    auto* self = static_cast<ColourWindow*>(param);
    const RECT& r = self->area_;
    HWND hwnd = ::CreateWindowExA(0, kClassName, "", WS_POPUP, r.left, r.top, r.right - r.left,
                                  r.bottom - r.top, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure));
    self->hwnd_ = hwnd;
    if (self->visible_)
        ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    ::UpdateWindow(hwnd);
    self->paints_ = 0; // the first paint is not counted
    ::SetEvent(self->ready_);
    MSG msg;
    if (self->loop_ == Loop::SentOnly) {
        while (!self->closed_) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_SENDMESSAGE);
            ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
        return 0;
    }
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return 0;
}

LRESULT CALLBACK ColourWindow::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<ColourWindow*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    return self ? self->OnMessage(msg, wp, lp) : ::DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT ColourWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND:
        return 1; // painted whole in WM_PAINT
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(hwnd_, &ps);
        HBRUSH brush = ::CreateSolidBrush(colour_);
        ::FillRect(dc, &ps.rcPaint, brush);
        ::DeleteObject(brush);
        ::EndPaint(hwnd_, &ps);
        if (!settingColour_ && !::IsRectEmpty(&ps.rcPaint)) {
            ++paints_;
            lastPaint_ = ps.rcPaint;
            if (watched_)
                watchedVisible_ = ::IsWindowVisible(watched_) != FALSE;
        }
        return 0;
    }
    case kSetColour:
        colour_ = static_cast<COLORREF>(wp);
        settingColour_ = true;
        ::InvalidateRect(hwnd_, nullptr, TRUE);
        ::UpdateWindow(hwnd_);
        settingColour_ = false;
        return 0;
    case kGetPaints:
        return paints_;
    case kGetLastPaint:
        *reinterpret_cast<RECT*>(lp) = lastPaint_;
        return 0;
    case kWatch:
        watched_ = reinterpret_cast<HWND>(wp);
        return 0;
    case kGetWatched:
        return watchedVisible_ ? 1 : 0;
    case WM_CLOSE:
        ::DestroyWindow(hwnd_);
        return 0;
    case WM_DESTROY:
        closed_ = true;
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcA(hwnd_, msg, wp, lp);
    }
}

void ColourWindow::SetColour(COLORREF colour) {
    ::SendMessageA(hwnd_, kSetColour, colour, 0);
}

int ColourWindow::Paints() const {
    return static_cast<int>(::SendMessageA(hwnd_, kGetPaints, 0, 0));
}

RECT ColourWindow::LastPaint() const {
    RECT r{};
    ::SendMessageA(hwnd_, kGetLastPaint, 0, reinterpret_cast<LPARAM>(&r));
    return r;
}

void ColourWindow::Watch(HWND other) {
    ::SendMessageA(hwnd_, kWatch, reinterpret_cast<WPARAM>(other), 0);
}

bool ColourWindow::WatchedWasVisible() const {
    return ::SendMessageA(hwnd_, kGetWatched, 0, 0) != 0;
}

bool ColourWindow::TakeForeground() const {
    ::SetForegroundWindow(hwnd_);
    for (int i = 0; i < 50 && ::GetForegroundWindow() != hwnd_; ++i)
        ::Sleep(20);
    return ::GetForegroundWindow() == hwnd_;
}

} // namespace testsupport
