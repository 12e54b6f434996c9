#pragma once
// Static texts, a static icon and one-line edit boxes.
#include "base/Colour.h"
#include "ui/Control.h"
#include "ui/Handles.h"

#include <functional>

namespace ui {

// One line of text, left-aligned, cut off at its box. By default in the form's font on the
// form's background; a text may get a font and colours of its own.
class StaticText : public Control {
public:
    void Create(HWND parent, const Place& place, std::string_view caption, HFONT font) override;
    // Its own font from now on (the previous one of its own is released), its height in pixels
    // at Dpi(); at another DPI (Rescale) its height is scaled from this one.
    void SetFont(const LOGFONTA& font);
    // The font it draws with.
    LOGFONTA Font() const;
    // Text colour and an opaque background colour (clNone: the parent's background).
    void SetColours(TColor text, TColor background);
    HBRUSH Colours(HDC dc) override;
    void Rescale(int dpi, HFONT font) override;

private:
    void MakeOwnFont(LOGFONTA font);
    unique_hfont ownFont_;
    LOGFONTA ownLogFont_{}; // as given to SetFont
    int ownFontDpi_ = 0;    // the DPI it was given at
    TColor textColour_ = clNone;
    TColor background_ = clNone;
    unique_hbrush backgroundBrush_;
};

// Text broken at its words to the width of its box, on as many lines as it needs; "&" is shown
// as it is.
class WrappedText : public Control {
public:
    void Create(HWND parent, const Place& place, std::string_view caption, HFONT font) override;
};

// An icon at the size the icon has; the caption is not shown.
class IconImage : public Control {
public:
    void Create(HWND parent, const Place& place, std::string_view caption, HFONT font) override;
    // A shared icon (the system's or a resource's), never destroyed by the control.
    void SetIcon(HICON icon);
};

class Edit : public Control {
public:
    void Create(HWND parent, const Place& place, std::string_view caption, HFONT font) override;
    // The platform's limit on typing and pasting (EM_LIMITTEXT; it counts characters on Windows
    // NT, so a limit in Shift-JIS bytes needs a check of its own); 0: the system's limit. Text
    // set from code is not cut.
    void SetMaxLength(int characters);
    void Command(WORD code) override;
    std::function<void()> OnChange;
};

} // namespace ui
