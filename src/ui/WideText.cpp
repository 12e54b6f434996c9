#include "ui/WideText.h"

#include <windows.h>

namespace ui {
namespace {
constexpr UINT kShiftJis = 932;
} // namespace

std::wstring Wide(std::string_view sjis) {
    if (sjis.empty())
        return {};
    const int bytes = static_cast<int>(sjis.size());
    const int length = ::MultiByteToWideChar(kShiftJis, 0, sjis.data(), bytes, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(kShiftJis, 0, sjis.data(), bytes, text.data(), length);
    return text;
}

std::string Narrow(std::wstring_view text) {
    if (text.empty())
        return {};
    const int chars = static_cast<int>(text.size());
    const int length =
        ::WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, text.data(), chars, nullptr, 0, "?", nullptr);
    std::string sjis(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, text.data(), chars, sjis.data(), length, "?",
                          nullptr);
    return sjis;
}

bool FitsShiftJis(std::wstring_view text) {
    if (text.empty())
        return true;
    BOOL lost = FALSE;
    const int chars = static_cast<int>(text.size());
    ::WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, text.data(), chars, nullptr, 0, nullptr, &lost);
    return !lost;
}

} // namespace ui
