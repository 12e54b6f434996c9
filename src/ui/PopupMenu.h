#pragma once
// A popup menu whose items run handlers. The chosen item's handler runs once the menu has closed.
#include "ui/Handles.h"

#include <functional>
#include <string>
#include <vector>

namespace ui {

class PopupMenu {
public:
    PopupMenu();

    // Appends an item and returns its command id.
    UINT Add(const std::string& caption, std::function<void()> onClick);
    void AddSeparator();
    void SetEnabled(UINT id, bool enabled);
    bool IsEnabled(UINT id) const;
    void SetChecked(UINT id, bool checked);
    bool IsChecked(UINT id) const;
    HMENU Handle() const { return menu_.get(); }

    // Runs before every showing.
    std::function<void()> OnPopup;
    // Shows the menu with its top-left corner at `screenPoint`, owned by `owner`, which it brings
    // to the foreground; items answer either button.
    void Popup(HWND owner, POINT screenPoint);
    // Runs the handler of item `id`; false when the id is not one of this menu's items.
    bool RunItem(UINT id);

private:
    struct Item {
        UINT id;
        std::function<void()> onClick;
    };
    unique_hmenu menu_;
    std::vector<Item> items_;
    UINT nextId_ = 100;
};

} // namespace ui
