#include "ui/CommonDialogs.h"

#include "base/Sjis.h"
#include "ui/DelayLoad.h"
#include "ui/WideCalls.h"
#include "ui/WidePath.h"
#include "ui/WideText.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace ui {

CHOOSEFONTW FontDialog::Options(HWND owner, LOGFONTW& font) const {
    CHOOSEFONTW options{};
    options.lStructSize = sizeof(options);
    options.hwndOwner = owner;
    options.lpLogFont = &font;
    options.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
    return options;
}

bool FontDialog::Execute(HWND owner, LOGFONTA& font) const {
    RequireLibrary(L"comdlg32.dll");
    // The picker writes into its own copy: a cancel leaves `font` untouched whatever it did.
    LOGFONTW working = WideLogFont(font);
    CHOOSEFONTW options = Options(owner, working);
    if (!::ChooseFontW(&options))
        return false;
    // Confirmed with no face chosen (a face the picker does not list leaves its box empty): the
    // font keeps its face rather than taking an empty name into the labels and the file.
    LOGFONTA chosen = NarrowLogFont(working);
    if (working.lfFaceName[0] == L'\0')
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
