#pragma once
// Push button, default button, check box, colour button and group box.
#include "base/Colour.h"
#include "ui/Control.h"

#include <functional>

namespace ui {

// Never the default or the cancel button: Enter presses it only while it has the focus.
class PushButton : public Control {
public:
    void Create(HWND parent, const Place& place, std::string_view caption, HFONT font) override;
    void Command(WORD code) override;
    std::function<void()> OnClick;
};

// The default push button of a dialog-class window ('#32770'), whose dialog manager presses it
// on Enter; it is a tab stop but no group of its own.
class DefaultButton : public PushButton {
public:
    void Create(HWND parent, const Place& place, std::string_view caption, HFONT font) override;
};

class CheckBox : public Control {
public:
    void Create(HWND parent, const Place& place, std::string_view caption, HFONT font) override;
    bool Checked() const;
    // Runs OnClick, as a click by the user does, exactly when the state really changes.
    void SetChecked(bool checked);
    void Command(WORD code) override;
    std::function<void()> OnClick;
};

// A push button whose caption is drawn in the colour it stands for.
class ColourButton : public PushButton {
public:
    void Create(HWND parent, const Place& place, std::string_view caption, HFONT font) override;
    TColor Colour() const { return colour_; }
    void SetColour(TColor colour);
    bool DrawItem(const DRAWITEMSTRUCT& item) override;

private:
    TColor colour_ = clBlack;
};

// Only a frame with a caption; what it surrounds belongs to its parent (see Within).
class GroupBox : public Control {
public:
    void Create(HWND parent, const Place& place, std::string_view caption, HFONT font) override;
};

} // namespace ui
