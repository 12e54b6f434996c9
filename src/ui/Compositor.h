#pragma once
// The desktop compositor's entry points, when the platform has them. dwmapi.dll is loaded on
// first use only: it is missing on systems without desktop composition.
#include <windows.h>

namespace ui {

class Compositor {
public:
    static Compositor& Instance();
    Compositor(const Compositor&) = delete;
    Compositor& operator=(const Compositor&) = delete;

    // Waits until everything drawn so far is on the composed screen.
    void Flush() const;
    // Hiding and showing must take effect at once, without a fade that a capture would catch.
    void DisableTransitions(HWND hwnd) const;
    // True when the desktop composes windows and so blends a layered window's partial alpha.
    bool IsComposited() const;

private:
    using FlushFn = HRESULT(WINAPI*)();
    using SetAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
    using IsEnabledFn = HRESULT(WINAPI*)(BOOL*);

    Compositor();
    ~Compositor();
    // Through a plain function pointer type, which converts to any other without a warning.
    void (*Proc(const char* name) const)();

    HMODULE module_;
    FlushFn flush_ = nullptr;
    SetAttributeFn setAttribute_ = nullptr;
    IsEnabledFn isEnabled_ = nullptr;
};

} // namespace ui
