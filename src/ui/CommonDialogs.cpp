#include "ui/CommonDialogs.h"

#include "base/Sjis.h"
#include "ui/DelayLoad.h"
#include "ui/WideCalls.h"
#include "ui/WidePath.h"
#include "ui/WideText.h"

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <vector>

namespace ui {
namespace {

// What the picker shows when it opens, which is not the font it was given when it cannot show
// that one (Wine opens on its first face at 6 points for a face it does not have).
struct PickerOpening {
    LOGFONTW font{};
    bool seen = false;
};

UINT_PTR CALLBACK NoteOpening(HWND picker, UINT msg, WPARAM, LPARAM lp) {
    if (msg != WM_INITDIALOG)
        return FALSE;
    // Called once the picker has made its choice of face, style and size from the font given.
    const auto* options = reinterpret_cast<const CHOOSEFONTW*>(lp);
    if (auto* opening = reinterpret_cast<PickerOpening*>(options->lCustData)) {
        ::SendMessageW(picker, WM_CHOOSEFONT_GETLOGFONT, 0, reinterpret_cast<LPARAM>(&opening->font));
        opening->seen = true;
    }
    return TRUE;
}

bool SameFace(const LOGFONTW& a, const LOGFONTW& b) {
    return std::wcsncmp(a.lfFaceName, b.lfFaceName, LF_FACESIZE) == 0 && a.lfCharSet == b.lfCharSet;
}

} // namespace

CHOOSEFONTW FontDialog::Options(HWND owner, LOGFONTW& font) const {
    CHOOSEFONTW options{};
    options.lStructSize = sizeof(options);
    options.hwndOwner = owner;
    options.lpLogFont = &font;
    options.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_ENABLEHOOK;
    options.lpfnHook = &NoteOpening;
    return options;
}

bool FontDialog::Execute(HWND owner, LOGFONTA& font) {
    RequireLibrary(L"comdlg32.dll");
    // The picker writes into its own copy: a cancel leaves `font` untouched whatever it did.
    const LOGFONTW given = WideLogFont(font);
    LOGFONTW working = given;
    PickerOpening opening;
    CHOOSEFONTW options = Options(owner, working);
    options.lCustData = reinterpret_cast<LPARAM>(&opening);
    if (!::ChooseFontW(&options))
        return false;
    chosenTenths_ = options.iPointSize;
    bool keepFace = false;
    if (opening.seen) {
        const LOGFONTW& shown = opening.font;
        if (SameFace(working, shown)) {
            keepFace = true;
            working.lfCharSet = given.lfCharSet;
            working.lfPitchAndFamily = given.lfPitchAndFamily;
        }
        if (working.lfWeight == shown.lfWeight && working.lfItalic == shown.lfItalic) {
            working.lfWeight = given.lfWeight;
            working.lfItalic = given.lfItalic;
        }
        if (working.lfHeight == shown.lfHeight) {
            working.lfHeight = given.lfHeight;
            chosenTenths_ = 0;
        }
    }
    // Confirmed with no face chosen (a face the picker does not list leaves its box empty), or
    // the face left as it opened: the font keeps its own face name, byte for byte, rather than an
    // empty name or one that went through the conversion and back.
    LOGFONTA chosen = NarrowLogFont(working);
    if (keepFace || working.lfFaceName[0] == L'\0')
        std::copy(std::begin(font.lfFaceName), std::end(font.lfFaceName), chosen.lfFaceName);
    font = chosen;
    return true;
}

ColourDialog::ColourDialog() {
    custom_.fill(RGB(255, 255, 255)); // unset
}

CHOOSECOLORW ColourDialog::Options(HWND owner, COLORREF colour) {
    CHOOSECOLORW options{};
    options.lStructSize = sizeof(options);
    options.hwndOwner = owner;
    options.rgbResult = colour;
    options.lpCustColors = custom_.data();
    options.Flags = CC_RGBINIT;
    return options;
}

bool ColourDialog::Execute(HWND owner, COLORREF& colour) {
    RequireLibrary(L"comdlg32.dll");
    CHOOSECOLORW options = Options(owner, colour);
    if (!::ChooseColorW(&options))
        return false;
    colour = options.rgbResult & 0x00FFFFFF;
    return true;
}

std::string OpenDialog::PlatformFilter() const {
    // By characters: the second byte of a double-byte character may be 0x7C, as in "ポ" (0x83 0x7C).
    std::string result = filter_;
    for (std::size_t i = 0; i < result.size(); i += SjisCharLength(result, i))
        if (result[i] == '|')
            result[i] = '\0';
    result.push_back('\0');
    result.push_back('\0');
    return result;
}

bool OpenDialog::Execute(HWND owner) {
    RequireLibrary(L"comdlg32.dll");
    const std::wstring filter = Wide(PlatformFilter());
    std::vector<wchar_t> file(MAX_PATH * 4, L'\0');
    WidePath(fileName_).copy(file.data(), file.size() - 1);
    OPENFILENAMEW options{};
    options.lStructSize = sizeof(options);
    options.hwndOwner = owner;
    options.lpstrFilter = filter.c_str();
    options.nFilterIndex = 1;
    options.lpstrFile = file.data();
    options.nMaxFile = static_cast<DWORD>(file.size());
    options.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
    if (!::GetOpenFileNameW(&options))
        return false;
    fileName_ = NarrowPath(file.data());
    return true;
}

} // namespace ui
