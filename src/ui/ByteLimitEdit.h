#pragma once
// A one-line edit box whose typing limit counts Shift-JIS bytes (a double-byte character counts
// two). The platform's own limit counts characters, so a change the user makes beyond the limit
// is cut back here to what fits, caret and all. Text set from code is never cut.
#include "ui/TextControls.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace ui {

class ByteLimitEdit : public Edit {
public:
    void SetMaxBytes(std::size_t bytes);
    // What code sets may exceed the limit; it becomes the text that later changes are cut back to.
    void SetText(std::string_view text) override;
    void Command(WORD code) override;

private:
    std::size_t maxBytes_ = 0;
    std::string accepted_; // the text after the last change that was kept
    bool settingText_ = false;
};

} // namespace ui
