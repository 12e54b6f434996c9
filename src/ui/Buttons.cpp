#include "ui/Buttons.h"

#include "ui/Colours.h"
#include "ui/Handles.h"
#include "ui/WideCalls.h"

namespace ui {

void PushButton::Create(HWND parent, const Place& place, std::string_view caption, HFONT font) {
    CreateChild(parent, "BUTTON", WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON, 0, place, caption,
                font);
}

void PushButton::Command(WORD code) {
    if (code == BN_CLICKED && OnClick)
        OnClick();
}

void DefaultButton::Create(HWND parent, const Place& place, std::string_view caption, HFONT font) {
    CreateChild(parent, "BUTTON", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, place, caption, font);
}

void CheckBox::Create(HWND parent, const Place& place, std::string_view caption, HFONT font) {
    CreateChild(parent, "BUTTON", WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, 0, place, caption,
                font);
}

bool CheckBox::Checked() const {
    return ::SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::SetChecked(bool checked) {
    if (checked == Checked())
        return;
    ::SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (OnClick)
        OnClick();
}

void CheckBox::Command(WORD code) {
    // The box has toggled itself by now.
    if (code == BN_CLICKED && OnClick)
        OnClick();
}

void ColourButton::Create(HWND parent, const Place& place, std::string_view caption, HFONT font) {
    CreateChild(parent, "BUTTON", WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_OWNERDRAW, 0, place, caption, font);
}

void ColourButton::SetColour(TColor colour) {
    if (colour == colour_)
        return;
    colour_ = colour;
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

bool ColourButton::DrawItem(const DRAWITEMSTRUCT& item) {
    RECT r = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    ::DrawFrameControl(item.hDC, &r, DFC_BUTTON,
                       DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pushed ? DFCS_PUSHED : 0));
    if (pushed)
        ::OffsetRect(&r, 1, 1);
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(Handle(), WM_GETFONT, 0, 0));
    const SelectedObject selectedFont(item.hDC, font);
    const int previousMode = ::SetBkMode(item.hDC, TRANSPARENT);
    const COLORREF previousColour = ::SetTextColor(item.hDC, ResolveColour(colour_));
    DrawShiftJisText(item.hDC, Text(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    ::SetTextColor(item.hDC, previousColour);
    ::SetBkMode(item.hDC, previousMode);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        const int inset = ScaleForDpi(4, Dpi());
        ::InflateRect(&focus, -inset, -inset);
        ::DrawFocusRect(item.hDC, &focus);
    }
    return true;
}

void GroupBox::Create(HWND parent, const Place& place, std::string_view caption, HFONT font) {
    CreateChild(parent, "BUTTON", WS_VISIBLE | BS_GROUPBOX, 0, place, caption, font);
}

} // namespace ui
