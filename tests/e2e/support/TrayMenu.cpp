#include "support/TrayMenu.h"

namespace e2e {

HWND VisibleMenuOf(DWORD processId) {
    for (HWND h : WindowsOf(processId, "#32768"))
        if (::IsWindowVisible(h))
            return h;
    return nullptr;
}

void ChooseItem(HWND menu, MenuKey item) {
    for (int i = 0; i < item; ++i)
        ::PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
}

HWND OpenFromTrayMenu(const ClockProcess& clock, HWND clockWindow, MenuKey item, const char* dialogClass,
                      POINT pointer) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        ::SetCursorPos(pointer.x, pointer.y);
        ::PostMessageA(clockWindow, kTrayIconMessage, 1, WM_RBUTTONDOWN);
        HWND menu = nullptr;
        if (!WaitUntil([&] { return (menu = VisibleMenuOf(clock.Id())) != nullptr; }, 5000))
            continue;
        ::Sleep(150);
        ChooseItem(menu, item);
        HWND dialog = clock.WaitForWindow(dialogClass, 5000);
        if (dialog && WaitUntil([&] { return ::IsWindowVisible(dialog) != FALSE; }, 3000))
            return dialog;
        if (HWND stale = VisibleMenuOf(clock.Id()))
            ::PostMessageA(stale, WM_KEYDOWN, VK_ESCAPE, 0);
    }
    return nullptr;
}

HWND ChildWithText(HWND parent, const std::string& text) {
    struct Search {
        const std::string& text;
        HWND found;
    } search{text, nullptr};
    ::EnumChildWindows(
        parent,
        [](HWND h, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            if (TextOf(h) != s->text)
                return TRUE;
            s->found = h;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace e2e
