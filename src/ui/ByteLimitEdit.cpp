#include "ui/ByteLimitEdit.h"

#include "base/Sjis.h"

namespace ui {
namespace {

// Bytes at the start of `a` and `b` that are the same whole characters.
std::size_t CommonPrefix(const std::string& a, const std::string& b) {
    std::size_t at = 0;
    while (at < a.size()) {
        const std::size_t length = SjisCharLength(a, at);
        if (a.compare(at, length, b, at, length) != 0)
            break;
        at += length;
    }
    return at;
}

} // namespace

void ByteLimitEdit::SetMaxBytes(std::size_t bytes) {
    maxBytes_ = bytes;
    SetMaxLength(static_cast<int>(bytes)); // no text has more characters than bytes
}

void ByteLimitEdit::SetText(std::string_view text) {
    settingText_ = true;
    Control::SetText(text);
    settingText_ = false;
    accepted_ = Text();
}

void ByteLimitEdit::Command(WORD code) {
    if (code == EN_CHANGE && !settingText_) {
        const std::string typed = Text();
        if (maxBytes_ > 0 && typed.size() > maxBytes_ && typed.size() > accepted_.size()) {
            // Taken back whole, with the caret where the refused text went in.
            const std::string before = accepted_;
            const std::string head = before.substr(0, CommonPrefix(before, typed));
            SetText(before);
            const int caret =
                ::MultiByteToWideChar(CP_ACP, 0, head.data(), static_cast<int>(head.size()), nullptr, 0);
            ::SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(caret), caret);
            ::MessageBeep(MB_OK);
            return;
        }
        accepted_ = typed;
    }
    Edit::Command(code);
}

} // namespace ui
