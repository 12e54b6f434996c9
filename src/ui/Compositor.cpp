#include "ui/Compositor.h"

namespace ui {

Compositor& Compositor::Instance() {
    static Compositor compositor;
    return compositor;
}

Compositor::Compositor() : module_(::LoadLibraryW(L"dwmapi.dll")) {
    if (!module_)
        return;
    flush_ = reinterpret_cast<FlushFn>(Proc("DwmFlush"));
    setAttribute_ = reinterpret_cast<SetAttributeFn>(Proc("DwmSetWindowAttribute"));
    isEnabled_ = reinterpret_cast<IsEnabledFn>(Proc("DwmIsCompositionEnabled"));
}

Compositor::~Compositor() {
    if (module_)
        ::FreeLibrary(module_);
}

void (*Compositor::Proc(const char* name) const)() {
    return reinterpret_cast<void (*)()>(::GetProcAddress(module_, name));
}

void Compositor::Flush() const {
    if (flush_)
        flush_();
}

void Compositor::DisableTransitions(HWND hwnd) const {
    if (!setAttribute_)
        return;
    constexpr DWORD kTransitionsForceDisabled = 3; // DWMWA_TRANSITIONS_FORCEDISABLED
    BOOL disabled = TRUE;
    setAttribute_(hwnd, kTransitionsForceDisabled, &disabled, sizeof(disabled));
}

bool Compositor::IsComposited() const {
    BOOL enabled = FALSE;
    return isEnabled_ && SUCCEEDED(isEnabled_(&enabled)) && enabled;
}

} // namespace ui
