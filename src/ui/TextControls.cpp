#include "ui/TextControls.h"

#include "ui/Colours.h"
#include "ui/WideCalls.h"

namespace ui {

void StaticText::Create(HWND parent, const Place& place, std::string_view caption, HFONT font) {
    CreateChild(parent, "STATIC", WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, place, caption, font);
}

void StaticText::SetFont(const LOGFONTA& font) {
    ownLogFont_ = font;
    ownFontDpi_ = Dpi();
    MakeOwnFont(font);
}

void StaticText::MakeOwnFont(LOGFONTA font) {
    // Always from the height as given, so a DPI and back gives exactly the font it had.
    font.lfHeight = ::MulDiv(font.lfHeight, Dpi(), ownFontDpi_);
    unique_hfont made = CreateFontFrom(font);
    UseFont(made.get());
    ownFont_ = std::move(made); // the previous one is released only once the control no longer uses it
}

void StaticText::Rescale(int dpi, HFONT font) {
    if (!ownFont_) {
        Control::Rescale(dpi, font);
        return;
    }
    Control::Rescale(dpi, nullptr);
    MakeOwnFont(ownLogFont_);
}

LOGFONTA StaticText::Font() const {
    auto handle = reinterpret_cast<HGDIOBJ>(::SendMessageW(Handle(), WM_GETFONT, 0, 0));
    if (!handle)
        handle = ::GetStockObject(SYSTEM_FONT);
    return FontRecordOf(handle);
}

void StaticText::SetColours(TColor text, TColor background) {
    textColour_ = text;
    background_ = background;
    backgroundBrush_.reset();
    if (background != clNone)
        backgroundBrush_ = unique_hbrush(::CreateSolidBrush(ResolveColour(background)));
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

HBRUSH StaticText::Colours(HDC dc) {
    if (textColour_ == clNone && background_ == clNone)
        return nullptr;
    if (textColour_ != clNone)
        ::SetTextColor(dc, ResolveColour(textColour_));
    if (background_ != clNone) {
        ::SetBkColor(dc, ResolveColour(background_));
        return backgroundBrush_.get();
    }
    ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
    return ::GetSysColorBrush(COLOR_BTNFACE);
}

void WrappedText::Create(HWND parent, const Place& place, std::string_view caption, HFONT font) {
    CreateChild(parent, "STATIC", WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, place, caption, font);
}

void IconImage::Create(HWND parent, const Place& place, std::string_view caption, HFONT font) {
    CreateChild(parent, "STATIC", WS_VISIBLE | SS_ICON, 0, place, caption, font);
}

void IconImage::SetIcon(HICON icon) {
    ::SendMessageW(Handle(), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

void Edit::Create(HWND parent, const Place& place, std::string_view caption, HFONT font) {
    CreateChild(parent, "EDIT", WS_VISIBLE | WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, place,
                caption, font);
}

void Edit::SetMaxLength(int characters) {
    ::SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}

void Edit::Command(WORD code) {
    if (code == EN_CHANGE && OnChange)
        OnChange();
}

} // namespace ui
