#pragma once
// The platform's font, colour and open-file pickers, each shown modally over an owner window. Each
// takes a starting value and gives back a confirmed value, or false when cancelled (the value is
// then left as it was). The option records are built by their own functions so their choices can
// be checked without showing a picker.
#include <windows.h>

#include <commdlg.h>

#include <array>
#include <utility>
#include <string>

namespace ui {

class FontDialog {
public:
    // Screen fonts, no effects section (colour, underline, strike-out), no size limits.
    CHOOSEFONTW Options(HWND owner, LOGFONTW& font) const;
    // `font`'s face name is Shift-JIS, as the program keeps it; the picker sees it as UTF-16.
    bool Execute(HWND owner, LOGFONTA& font) const;
};

class ColourDialog {
public:
    ColourDialog();
    // Starts from `colour` (an RGB value).
    CHOOSECOLORW Options(HWND owner, COLORREF colour);
    bool Execute(HWND owner, COLORREF& colour);
    // The sixteen custom colours; they last as long as this object.
    const std::array<COLORREF, 16>& CustomColours() const { return custom_; }

private:
    std::array<COLORREF, 16> custom_;
};

class OpenDialog {
public:
    // Filter as "description|pattern"; the read-only option is hidden.
    explicit OpenDialog(std::string filter) : filter_(std::move(filter)) {}
    // Starts from the previous choice (nothing the first time); the chosen full path on success,
    // in Shift-JIS as NarrowPath keeps it.
    bool Execute(HWND owner);
    const std::string& FileName() const { return fileName_; }
    // The filter in the platform's form: pairs of NUL-terminated texts and a final NUL.
    std::string PlatformFilter() const;

private:
    std::string filter_;
    std::string fileName_;
};

} // namespace ui
