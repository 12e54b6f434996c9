// The least a clock can do, as the yardstick of bench/idle_cost.sh: a topmost borderless window,
// a 1000 ms timer, one text drawn with DrawTextA when it changes, and one tray icon. Nothing of
// Morovin's code is used. It runs until it is closed (WM_CLOSE) or the session ends.
// With the argument "keyed" it is the least a see-through clock can do where the desktop does
// not compose windows: a layered window whose background colour is its colour key, so that
// only the text's pixels are left of it and its shape changes with the text.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr UINT_PTR kTimer = 1;
constexpr UINT kTrayMessage = WM_USER + 101;
constexpr COLORREF kKey = RGB(255, 0, 255);
char shown[32] = "";

void CurrentText(char (&text)[32]) {
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    std::snprintf(text, sizeof(text), "%d/%d/%d %d:%02d:%02d", st.wYear, st.wMonth, st.wDay, st.wHour,
                  st.wMinute, st.wSecond);
}

LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_TIMER: {
        char now[32];
        CurrentText(now);
        if (std::strcmp(now, shown) != 0) {
            std::strcpy(shown, now);
            ::InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(hwnd, &ps);
        RECT r{};
        ::GetClientRect(hwnd, &r);
        ::SetBkMode(dc, TRANSPARENT);
        ::DrawTextA(dc, shown, -1, &r, DT_LEFT | DT_SINGLELINE);
        ::EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcA(hwnd, msg, wp, lp);
    }
}

} // namespace

int main(int argc, char** argv) {
    const bool keyed = argc > 1 && std::strcmp(argv[1], "keyed") == 0;
    HBRUSH keyBrush = ::CreateSolidBrush(kKey);
    WNDCLASSA wc{};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hbrBackground = keyed ? keyBrush : ::GetSysColorBrush(COLOR_WINDOW);
    wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = "BareClockWindow";
    ::RegisterClassA(&wc);
    CurrentText(shown);
    HWND hwnd =
        ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | (keyed ? WS_EX_LAYERED : 0), wc.lpszClassName,
                          "BareClock", WS_POPUP, 198, 103, 300, 30, nullptr, nullptr, wc.hInstance, nullptr);
    if (keyed)
        ::SetLayeredWindowAttributes(hwnd, kKey, 255, LWA_COLORKEY);
    ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    ::SetTimer(hwnd, kTimer, 1000, nullptr);

    NOTIFYICONDATAA icon{};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = hwnd;
    icon.uID = 1;
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon.uCallbackMessage = kTrayMessage;
    icon.hIcon = ::LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    std::strcpy(icon.szTip, "BareClock");
    ::Shell_NotifyIconA(NIM_ADD, &icon);

    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0)
        ::DispatchMessageA(&msg);
    ::Shell_NotifyIconA(NIM_DELETE, &icon);
    ::DeleteObject(keyBrush);
    return 0;
}
