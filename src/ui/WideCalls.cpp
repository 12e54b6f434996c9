#include "ui/WideCalls.h"

#include "base/Sjis.h"
#include "ui/WideText.h"

#include <cstddef>
#include <cstring>
#include <cwchar>

namespace ui {

std::string WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    const int got = ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return Narrow(text);
}

void SetTextOf(HWND window, std::string_view text) {
    ::SetWindowTextW(window, Wide(text).c_str());
}

int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type) {
    return ::MessageBoxW(owner, Wide(text).c_str(), Wide(caption).c_str(), type);
}

int DrawShiftJisText(HDC dc, std::string_view text, RECT& r, UINT flags) {
    const std::wstring wide = Wide(text);
    return ::DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, flags);
}

LOGFONTW WideLogFont(const LOGFONTA& font) {
    LOGFONTW wide{};
    std::memcpy(&wide, &font, offsetof(LOGFONTA, lfFaceName)); // the fields before the name match
    const std::wstring face = Wide(std::string_view(font.lfFaceName, strnlen(font.lfFaceName, LF_FACESIZE)));
    face.copy(wide.lfFaceName, LF_FACESIZE - 1);
    return wide;
}

LOGFONTA NarrowLogFont(const LOGFONTW& font) {
    LOGFONTA narrow{};
    std::memcpy(&narrow, &font, offsetof(LOGFONTW, lfFaceName));
    const std::string face = TruncateSjis(
        Narrow(std::wstring_view(font.lfFaceName, wcsnlen(font.lfFaceName, LF_FACESIZE))), LF_FACESIZE - 1);
    face.copy(narrow.lfFaceName, LF_FACESIZE - 1);
    return narrow;
}

unique_hfont CreateFontFrom(const LOGFONTA& font) {
    const LOGFONTW wide = WideLogFont(font);
    return unique_hfont(::CreateFontIndirectW(&wide));
}

LOGFONTA FontRecordOf(HGDIOBJ font) {
    LOGFONTW wide{};
    if (!font || ::GetObjectW(font, sizeof(wide), &wide) == 0)
        return LOGFONTA{};
    return NarrowLogFont(wide);
}

} // namespace ui
