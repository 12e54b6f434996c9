#include "ui/ByteLimitEdit.h"

#include "base/Sjis.h"
#include "ui/WideText.h"

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

// Bytes at the end of `before` (whole characters, starting at or after `head`) that `typed` also
// ends with, no more than leave `head` bytes before them in `typed`.
std::size_t CommonSuffixAfter(const std::string& before, const std::string& typed, std::size_t head) {
    for (std::size_t at = head; at < before.size(); at += SjisCharLength(before, at)) {
        const std::size_t length = before.size() - at;
        if (typed.size() - head >= length && typed.ends_with(std::string_view(before).substr(at)))
            return length;
    }
    return 0;
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
            // Keep of what went in as much as fits, whole characters, with the caret after it; a
            // key that does not fit at all is refused. Either way a beep, as the platform's limit.
            const std::string before = accepted_;
            const std::size_t head = CommonPrefix(before, typed);
            const std::size_t tail = CommonSuffixAfter(before, typed, head);
            const std::size_t kept = head + tail; // what the change left of the text before it
            const std::size_t room = maxBytes_ > kept ? maxBytes_ - kept : 0;
            const std::string inserted =
                TruncateSjis(std::string_view(typed).substr(head, typed.size() - head - tail), room);
            const std::string text = before.substr(0, head) + inserted + before.substr(before.size() - tail);
            const std::string upToCaret = text.substr(0, head + inserted.size());
            SetText(text);
            // The box counts its caret in UTF-16 units.
            const auto caret = static_cast<LPARAM>(Wide(upToCaret).size());
            ::SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(caret), caret);
            ::MessageBeep(MB_OK);
            return;
        }
        accepted_ = typed;
    }
    Edit::Command(code);
}

} // namespace ui
