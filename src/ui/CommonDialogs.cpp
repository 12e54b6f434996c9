#include "ui/CommonDialogs.h"

#include "base/Sjis.h"

#include <cstring>
#include <vector>

namespace ui {
namespace {

// What the picker shows when it opens, which is not the font it was given when it cannot show
// that one (Wine opens on its first face at 6 points for a face it does not have).
struct PickerOpening {
    LOGFONTA font{};
    bool seen = false;
};

UINT_PTR CALLBACK NoteOpening(HWND picker, UINT msg, WPARAM, LPARAM lp) {
    if (msg != WM_INITDIALOG)
        return FALSE;
    // Called once the picker has made its choice of face, style and size from the font given.
    const auto* options = reinterpret_cast<const CHOOSEFONTA*>(lp);
    if (auto* opening = reinterpret_cast<PickerOpening*>(options->lCustData)) {
        ::SendMessageA(picker, WM_CHOOSEFONT_GETLOGFONT, 0, reinterpret_cast<LPARAM>(&opening->font));
        opening->seen = true;
    }
    return TRUE;
}

bool SameFace(const LOGFONTA& a, const LOGFONTA& b) {
    return std::strncmp(a.lfFaceName, b.lfFaceName, LF_FACESIZE) == 0 && a.lfCharSet == b.lfCharSet;
}

} // namespace

CHOOSEFONTA FontDialog::Options(HWND owner, LOGFONTA& font) const {
    CHOOSEFONTA options{};
    options.lStructSize = sizeof(options);
    options.hwndOwner = owner;
    options.lpLogFont = &font;
    options.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_ENABLEHOOK;
    options.lpfnHook = &NoteOpening;
    return options;
}

bool FontDialog::Execute(HWND owner, LOGFONTA& font) {
    // The picker writes into its own copy: a cancel leaves `font` untouched whatever it did.
    LOGFONTA working = font;
    working.lfFaceName[LF_FACESIZE - 1] = '\0';
    PickerOpening opening;
    CHOOSEFONTA options = Options(owner, working);
    options.lCustData = reinterpret_cast<LPARAM>(&opening);
    if (!::ChooseFontA(&options))
        return false;
    chosenTenths_ = options.iPointSize;
    if (opening.seen) {
        const LOGFONTA& shown = opening.font;
        if (SameFace(working, shown)) {
            std::memcpy(working.lfFaceName, font.lfFaceName, LF_FACESIZE);
            working.lfCharSet = font.lfCharSet;
            working.lfPitchAndFamily = font.lfPitchAndFamily;
        }
        if (working.lfWeight == shown.lfWeight && working.lfItalic == shown.lfItalic) {
            working.lfWeight = font.lfWeight;
            working.lfItalic = font.lfItalic;
        }
        if (working.lfHeight == shown.lfHeight) {
            working.lfHeight = font.lfHeight;
            chosenTenths_ = 0;
        }
    }
    // Confirmed with no face chosen (a face the picker does not list leaves its box empty): the
    // font keeps its face rather than taking an empty name into the labels and the file.
    if (working.lfFaceName[0] == '\0')
        std::memcpy(working.lfFaceName, font.lfFaceName, LF_FACESIZE);
    font = working;
    return true;
}

ColourDialog::ColourDialog() {
    custom_.fill(RGB(255, 255, 255)); // unset
}

CHOOSECOLORA ColourDialog::Options(HWND owner, COLORREF colour) {
    CHOOSECOLORA options{};
    options.lStructSize = sizeof(options);
    options.hwndOwner = owner;
    options.rgbResult = colour;
    options.lpCustColors = custom_.data();
    options.Flags = CC_RGBINIT;
    return options;
}

bool ColourDialog::Execute(HWND owner, COLORREF& colour) {
    CHOOSECOLORA options = Options(owner, colour);
    if (!::ChooseColorA(&options))
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
    const std::string filter = PlatformFilter();
    std::vector<char> file(MAX_PATH * 4, '\0');
    fileName_.copy(file.data(), file.size() - 1);
    OPENFILENAMEA options{};
    options.lStructSize = sizeof(options);
    options.hwndOwner = owner;
    options.lpstrFilter = filter.c_str();
    options.nFilterIndex = 1;
    options.lpstrFile = file.data();
    options.nMaxFile = static_cast<DWORD>(file.size());
    options.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
    if (!::GetOpenFileNameA(&options))
        return false;
    fileName_ = file.data();
    return true;
}

} // namespace ui
