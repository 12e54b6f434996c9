#pragma once
// Base of every window the program makes: one static window procedure per class, the object
// arriving in lpCreateParams at WM_NCCREATE, kept in GWLP_USERDATA and unlinked before the
// window dies. Messages go to HandleMessage; no exception ever crosses the window procedure.
#include <windows.h>

#include <string>

namespace ui {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return hwnd_; }
    void Destroy();

protected:
    struct CreateParams {
        const char* className;
        const char* caption = "";
        DWORD style = WS_POPUP;
        DWORD exStyle = 0;
        int left = 0, top = 0, width = 0, height = 0;
        HWND owner = nullptr;
        UINT classStyle = 0;
        HBRUSH background = nullptr;
        HICON icon = nullptr;
    };
    // Registers the class on first use and creates the window. Throws AppError on failure.
    void CreateHandle(const CreateParams& params);

    virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT DefaultHandling(UINT msg, WPARAM wp, LPARAM lp) { return ::DefWindowProcW(hwnd_, msg, wp, lp); }
    // Called after WM_NCDESTROY, once the handle is gone.
    virtual void HandleDestroyed() {}

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND hwnd_ = nullptr;
};

HINSTANCE ModuleInstance();

} // namespace ui
