#pragma once
// Native child-window controls. Each control is a real child window (so another process can find
// and press it) linked to its C++ object through a window property; the window procedure of its
// parent hands every notification (WM_COMMAND, WM_HSCROLL, WM_DRAWITEM, WM_CTLCOLOR*, WM_NOTIFY)
// to that object through RouteControlMessage. A control unlinks itself before its window dies.
#include "ui/Dpi.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace ui {

// Left, top, width and height in pixels, relative to the parent's client area.
struct Place {
    int left = 0, top = 0, width = 0, height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    bool operator==(const Place&) const = default;
};

// `inner` given relative to a group box's top-left corner, made relative to the box's parent:
// a group box is only a frame, so the controls drawn inside it stay children of its parent.
Place Within(const Place& frame, const Place& inner);

// `place` designed at 96 dpi, at `dpi`: its edges are scaled, so controls that meet at 96 dpi
// still meet. The one scaling of every control rectangle (Control::CreateChild applies it).
Place ScalePlace(const Place& place, int dpi);

class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    // Makes the control's window(s) on `parent`, in `font`; called once, by Form::Add or by a
    // dialog that places its controls itself. `place` is at 96 dpi; the window gets it at Dpi().
    virtual void Create(HWND parent, const Place& place, std::string_view caption, HFONT font) = 0;

    HWND Handle() const { return hwnd_; }
    int Id() const { return id_; }
    // The id its window gets instead of the next free one; before Create. For the ids that a
    // dialog-class window's manager and other programs look for (IDOK, a message's 0xFFFF).
    void SetId(int id) { id_ = id; }
    // The DPI the control is laid out at, its own parts included; before Create. Form::Add gives
    // each control the form's; 96 (the default) places it pixel for pixel as given.
    void SetDpi(int dpi) { dpi_ = dpi; }
    int Dpi() const { return dpi_; }
    // Where it was placed, as given at 96 dpi (what Within and the control's parts work from).
    const Place& Bounds() const { return place_; }
    // Where its window is, in pixels at Dpi().
    const Place& PixelBounds() const { return pixels_; }
    // After Create: the control laid out again at `dpi` (its place scaled from Bounds(), its own
    // parts placed anew) and, when it shows text, in `font`. Back at an earlier DPI, with that
    // DPI's font, it is exactly where it was then.
    virtual void Rescale(int dpi, HFONT font);
    // After Create: moves the window to `place` (at 96 dpi, shown at Dpi()).
    void MoveTo(const Place& place);
    // After Create: the font its text is drawn in from now on (the caller keeps it alive).
    void UseFont(HFONT font);

    bool Enabled() const;
    virtual void SetEnabled(bool enabled);
    // The control's own visibility, whatever its parent's.
    bool Visible() const;
    virtual void SetVisible(bool visible);
    std::string Text() const;
    virtual void SetText(std::string_view text);

    // Notifications from the parent's window procedure, already matched to this control.
    virtual void Command(WORD /*code*/) {}
    virtual void Scroll(WORD /*code*/) {}
    virtual bool DrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
    // WM_CTLCOLORSTATIC and friends: a brush to paint with, or null for the default.
    virtual HBRUSH Colours(HDC /*dc*/) { return nullptr; }
    virtual bool Notify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }

protected:
    // Creates this control's child window with the id given by SetId, else the next free one,
    // and links it to this object (once per control).
    HWND CreateChild(HWND parent, const char* className, DWORD style, DWORD exStyle, const Place& place,
                     std::string_view caption, HFONT font);

private:
    void Unlink();
    HWND hwnd_ = nullptr;
    int id_ = 0;
    int dpi_ = kDesignDpi;
    bool showsText_ = false; // made with a font
    Place place_, pixels_;
};

// The object of a control window made by CreateChild; null for any other window.
Control* ControlOf(HWND hwnd);

// Hands a child notification to the control it concerns. True when a control took it; `result`
// is then what the parent's window procedure returns.
bool RouteControlMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

} // namespace ui
