#include "ui/PopupMenu.h"

#include "ui/WideText.h"

namespace ui {

PopupMenu::PopupMenu() : menu_(::CreatePopupMenu()) {}

UINT PopupMenu::Add(const std::string& caption, std::function<void()> onClick) {
    const UINT id = nextId_++;
    ::AppendMenuW(menu_.get(), MF_STRING, id, Wide(caption).c_str());
    items_.push_back(Item{id, std::move(onClick)});
    return id;
}

void PopupMenu::AddSeparator() {
    ::AppendMenuW(menu_.get(), MF_SEPARATOR, 0, nullptr);
}

void PopupMenu::SetEnabled(UINT id, bool enabled) {
    ::EnableMenuItem(menu_.get(), id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool PopupMenu::IsEnabled(UINT id) const {
    const UINT state = ::GetMenuState(menu_.get(), id, MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

void PopupMenu::SetChecked(UINT id, bool checked) {
    ::CheckMenuItem(menu_.get(), id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool PopupMenu::IsChecked(UINT id) const {
    const UINT state = ::GetMenuState(menu_.get(), id, MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & MF_CHECKED);
}

void PopupMenu::Popup(HWND owner, POINT p) {
    if (OnPopup)
        OnPopup();
    // The owner must be in the foreground, or the menu would not close when the user clicks
    // elsewhere (a menu opened from the tray icon).
    ::SetForegroundWindow(owner);
    // The chosen id comes back here rather than as WM_COMMAND, so the owner may be any window
    // (a modal box while one is open) and the command still reaches this menu's handler.
    const UINT id = static_cast<UINT>(
        ::TrackPopupMenu(menu_.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, p.x,
                         p.y, 0, owner, nullptr));
    ::PostMessageW(owner, WM_NULL, 0, 0);
    if (id != 0)
        RunItem(id);
}

bool PopupMenu::RunItem(UINT id) {
    for (const Item& item : items_) {
        if (item.id == id) {
            if (item.onClick)
                item.onClick();
            return true;
        }
    }
    return false;
}

} // namespace ui
