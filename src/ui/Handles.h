#pragma once
// Move-only owners for GDI and USER handles. Every handle the program creates lives in one of
// these, and each owner counts itself, so tests can prove that painting leaves nothing behind
// (Wine's GetGuiResources always answers 0).
#include <windows.h>

#include <utility>

namespace ui {

// Handles currently owned by any of the owners below.
long LiveGdiOwners();
namespace detail {
void CountOwner(int delta);
}

template <typename H, typename Close> class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(H h) : h_(h) {
        if (h_)
            detail::CountOwner(+1);
    }
    UniqueHandle(UniqueHandle&& other) noexcept : h_(std::exchange(other.h_, H{})) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            reset(std::exchange(other.h_, H{}), false);
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    H get() const { return h_; }
    explicit operator bool() const { return h_ != H{}; }
    // Hands the handle to a new owner (the system, for a window region): no longer ours to close.
    H release() {
        if (h_)
            detail::CountOwner(-1);
        return std::exchange(h_, H{});
    }
    void reset(H h = H{}, bool count = true) {
        if (h_) {
            Close{}(h_);
            detail::CountOwner(-1);
        }
        h_ = h;
        if (h_ && count)
            detail::CountOwner(+1);
    }

private:
    H h_{};
};

struct DeleteGdiObject {
    void operator()(HGDIOBJ h) const { ::DeleteObject(h); }
};
struct DeleteMemoryDc {
    void operator()(HDC h) const { ::DeleteDC(h); }
};
struct DestroyMenuHandle {
    void operator()(HMENU h) const { ::DestroyMenu(h); }
};
struct DestroyIconHandle {
    void operator()(HICON h) const { ::DestroyIcon(h); }
};

using unique_hfont = UniqueHandle<HFONT, DeleteGdiObject>;
using unique_hbrush = UniqueHandle<HBRUSH, DeleteGdiObject>;
using unique_hbitmap = UniqueHandle<HBITMAP, DeleteGdiObject>;
using unique_hrgn = UniqueHandle<HRGN, DeleteGdiObject>;
using unique_hdc = UniqueHandle<HDC, DeleteMemoryDc>;
using unique_hmenu = UniqueHandle<HMENU, DestroyMenuHandle>;
using unique_hicon = UniqueHandle<HICON, DestroyIconHandle>;

// GetDC / ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) { detail::CountOwner(+1); }
    ~WindowDc() {
        ::ReleaseDC(hwnd_, dc_);
        detail::CountOwner(-1);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDc {
public:
    explicit PaintDc(HWND hwnd) : hwnd_(hwnd) {
        dc_ = ::BeginPaint(hwnd, &ps_);
        detail::CountOwner(+1);
    }
    ~PaintDc() {
        ::EndPaint(hwnd_, &ps_);
        detail::CountOwner(-1);
    }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const { return dc_; }
    const RECT& area() const { return ps_.rcPaint; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// SelectObject that puts the previous object back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ obj) : dc_(dc), previous_(::SelectObject(dc, obj)) {}
    ~SelectedObject() { ::SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// SaveDC / RestoreDC around a block that changes origin, clipping or text state.
class SavedDcState {
public:
    explicit SavedDcState(HDC dc) : dc_(dc), id_(::SaveDC(dc)) {}
    ~SavedDcState() { ::RestoreDC(dc_, id_); }
    SavedDcState(const SavedDcState&) = delete;
    SavedDcState& operator=(const SavedDcState&) = delete;

private:
    HDC dc_;
    int id_;
};

} // namespace ui
