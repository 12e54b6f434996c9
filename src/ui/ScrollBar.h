#pragma once
// A horizontal scroll bar used as a slider over a range of integers.
#include "ui/Control.h"

#include <functional>

namespace ui {

class ScrollBar : public Control {
public:
    void Create(HWND parent, const Place& place, std::string_view caption, HFONT font) override;
    // The range, and the step of an arrow click and of a click beside the thumb. The position is
    // limited to the new range (running OnChange if that moves it).
    void SetRange(int min, int max, int smallStep = 1, int largeStep = 1);
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    // Limits `position` to the range; runs OnChange only if the position really changes.
    void SetPosition(int position);
    void Scroll(WORD code) override;
    std::function<void()> OnChange;

private:
    void ShowPosition();
    int min_ = 0, max_ = 100, smallStep_ = 1, largeStep_ = 1;
    int position_ = 0;
};

} // namespace ui
