#pragma once
// TAlarmBox: the alarm's message box "情報". The information icon and the alarm's text side by
// side, the text wrapped to at most half the width of the clock's monitor, and one button
// "はい(&Y)" beneath, which is the default button, all at that monitor's DPI, and laid out
// again at the new DPI when it is moved to a monitor of another; Enter, Esc, the
// button and the close box all just close it. A box
// of our own, since the system's neither names its button so nor wraps its text so wide, but a
// dialog-class window ('#32770') with the system box's control ids, so that it is found and
// answered like one.
#include "ui/Application.h"
#include "ui/Buttons.h"
#include "ui/DialogScreen.h"
#include "ui/Handles.h"
#include "ui/TextControls.h"

#include <string>

class TAlarmBox {
public:
    TAlarmBox(ui::Application& app, std::string text);
    ~TAlarmBox();
    TAlarmBox(const TAlarmBox&) = delete;
    TAlarmBox& operator=(const TAlarmBox&) = delete;

    // Makes the box and its controls, laid out for the text but not shown; false when the system
    // would not make them, and nothing is left over then.
    bool Create();
    // Centres the box on the clock's monitor above the topmost windows, shows it modally over the whole
    // program (the clock goes on ticking in the nested loop) and returns once it has closed.
    void ShowModal();
    void Button1Click();

    HWND Handle() const { return hwnd_; }

    // Shows the alarm's text: in this box, or, when the system will not make it, in the system's
    // plain message box, so that no alarm passes in silence. Returns once it is closed.
    static void Show(ui::Application& app, std::string text);

    ui::IconImage Image1;
    ui::WrappedText Label1; // only when there is a text
    ui::DefaultButton Button1;

    // The ids of the system's message box, which other programs look for.
    static constexpr int kImageId = 0x0014;
    static constexpr int kTextId = 0xFFFF;
    static constexpr int kButtonId = IDOK;

private:
    // Where the parts go at one DPI, in pixels.
    struct Layout {
        ui::Place image, text, button;
        int clientWidth = 0, clientHeight = 0;
    };
    static INT_PTR CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    void LayOut();
    // The parts in Font() at `dpi`, the text wrapped to half the width of `monitor`.
    Layout Measure(int dpi, const RECT& monitor) const;
    // The icon at the layout's size, shared or of its own.
    void ShowIcon(int size);
    // Moved to a monitor of another DPI: the font, icon and places of that DPI in the frame
    // `suggested`.
    void ChangeDpi(int dpi, const RECT& suggested);
    void FitFrame(const Layout& layout, int dpi);
    HFONT Font() const;
    SIZE MeasureText(const std::string& text, UINT flags, int maxWidth) const;

    ui::Application& app_;
    std::string text_;
    ui::DialogScreen screen_;
    ui::unique_hfont font_;
    ui::unique_hicon icon_; // only when the icon is not the system's shared one
    HWND hwnd_ = nullptr;
    bool closed_ = false;
};
