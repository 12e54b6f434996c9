#include "ui/ScrollBar.h"

#include <algorithm>

namespace ui {

void ScrollBar::Create(HWND parent, const Place& place, std::string_view, HFONT) {
    CreateChild(parent, "SCROLLBAR", WS_VISIBLE | WS_TABSTOP | WS_GROUP | SBS_HORZ, 0, place, "", nullptr);
    ShowPosition();
}

void ScrollBar::SetRange(int min, int max, int smallStep, int largeStep) {
    min_ = min;
    max_ = std::max(min, max);
    smallStep_ = smallStep;
    largeStep_ = largeStep;
    const int before = position_;
    position_ = std::clamp(position_, min_, max_);
    ShowPosition();
    if (position_ != before && OnChange)
        OnChange();
}

void ScrollBar::SetPosition(int position) {
    position = std::clamp(position, min_, max_);
    if (position == position_)
        return;
    position_ = position;
    ShowPosition();
    if (OnChange)
        OnChange();
}

void ScrollBar::ShowPosition() {
    if (!Handle())
        return;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE | SIF_DISABLENOSCROLL;
    info.nMin = min_;
    info.nMax = max_;
    info.nPage = 0;
    info.nPos = position_;
    ::SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

void ScrollBar::Scroll(WORD code) {
    switch (code) {
    case SB_LINELEFT:
        SetPosition(position_ - smallStep_);
        break;
    case SB_LINERIGHT:
        SetPosition(position_ + smallStep_);
        break;
    case SB_PAGELEFT:
        SetPosition(position_ - largeStep_);
        break;
    case SB_PAGERIGHT:
        SetPosition(position_ + largeStep_);
        break;
    case SB_LEFT:
        SetPosition(min_);
        break;
    case SB_RIGHT:
        SetPosition(max_);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        // The 32-bit track position, not the 16-bit one of the message.
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_TRACKPOS;
        ::GetScrollInfo(Handle(), SB_CTL, &info);
        SetPosition(info.nTrackPos);
        break;
    }
    default:
        break;
    }
}

} // namespace ui
