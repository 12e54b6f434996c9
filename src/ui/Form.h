#pragma once
// A dialog form: a fixed, topmost, captioned window with a client area of exact pixel size and
// one dialog font for all its controls, shown modally over the program and centred on the
// clock's monitor. Controls are added in tab order; the dialog keys work as in any dialog (Tab
// and Shift+Tab, arrows in a radio group, Ctrl+Tab between the pages of its page control), and
// no button is the default or the cancel button.
// Sizes and places are given at 96 dpi. The form takes the DPI of the monitor it opens on when
// it is made, and its client size, its font and (through Add) every control are scaled to it.
// Moved to a monitor of another DPI (WM_DPICHANGED) it is laid out again at that DPI, as if it
// had been made there, in the frame the system suggests; back at the first DPI every control is
// exactly where it was.
#include "ui/Application.h"
#include "ui/Control.h"
#include "ui/DialogScreen.h"
#include "ui/Handles.h"
#include "ui/PageControl.h"

#include <string>
#include <vector>

namespace ui {

class Form : public Window {
public:
    explicit Form(Application& app);
    ~Form() override;

    // Centres the form, shows it and returns once it has closed.
    void ShowModal();
    // Closes the form when FormCloseQuery agrees; ends the modal showing.
    void Close();
    bool Closed() const { return closed_; }
    HFONT DialogFont() const { return font_.get(); }
    // The DPI the form is laid out at, from CreateForm on.
    int Dpi() const { return screen_.dpi; }
    // Lays the form out again at `dpi` in the frame `suggested` (screen coordinates), as
    // WM_DPICHANGED asks.
    void ChangeDpi(int dpi, const RECT& suggested);

    static constexpr const char* kDialogFontName = "ＭＳ Ｐゴシック";
    static constexpr int kDialogFontHeight = 12;

protected:
    // Makes the form, on the clock's monitor, with a client area `clientWidth` x `clientHeight`
    // at 96 dpi.
    void CreateForm(const char* className, const char* caption, int clientWidth, int clientHeight);
    // Makes `control` on `parent` (the form or one of its pages) at `place` (at 96 dpi); the
    // order of the calls is the tab order.
    template <class C> C& Add(C& control, HWND parent, const Place& place, std::string_view caption = "") {
        control.SetDpi(Dpi());
        control.Create(parent, place, caption, font_.get());
        controls_.push_back(&control);
        return control;
    }
    // The page control that Ctrl+Tab and Ctrl+Shift+Tab work on.
    void SetKeyboardPages(PageControl* pages) { keyboardPages_ = pages; }
    // Asked before every closing, however it comes; false keeps the form open.
    virtual bool FormCloseQuery() { return true; }

    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    Application& app_;

private:
    bool FilterKey(const MSG& msg);
    // The window's frame made to hold a client area of the design size at Dpi(), its top-left
    // corner where it is.
    void FitClientArea();
    DialogScreen screen_;
    SIZE designClient_{}; // at 96 dpi
    unique_hfont font_;
    std::vector<Control*> controls_; // in the order they were added
    PageControl* keyboardPages_ = nullptr;
    HWND lastFocus_ = nullptr;
    bool closed_ = false;
};

} // namespace ui
