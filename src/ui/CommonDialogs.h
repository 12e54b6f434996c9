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
    // Screen fonts, no effects section (colour, underline, strike-out), no size limits; a hook
    // notes what the picker opened on.
    CHOOSEFONTW Options(HWND owner, LOGFONTW& font) const;
    // Opens on `font`, its height at the system DPI (the picker's own). On OK `font` takes what
    // the user chose; a face, size or style left as the picker opened it keeps what `font` had,
    // so a picker that could not show the font (its face not installed here) changes nothing the
    // user did not choose.
    // `font`'s face name is Shift-JIS, as the program keeps it; the picker sees it as UTF-16.
    bool Execute(HWND owner, LOGFONTA& font);
    // After a confirmed Execute: the size the user chose in tenths of a point (the picker's own
    // answer), or 0 when the size was left as the picker opened it.
    int ChosenSizeTenths() const { return chosenTenths_; }

private:
    int chosenTenths_ = 0;
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
